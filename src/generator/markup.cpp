#include "generator/markup.h"

#include "text/decimal.h"

#include "generator/font_tags.h"
#include "generator/progression.h"

namespace huewright {

namespace {

constexpr char kQuote = '"';

bool hasWrapper(const GradationSettings& s) {
    return s.sizePattern ? s.useFace : (s.useFace || s.useSize);
}

}  // namespace

void appendFontOpeningTags(std::string& out, const GradationSettings& s,
                           const TagNameTable& names) {
    const bool up = s.upperCaseTags;
    auto name = [&](Tag t) { return names.tagName(t, up); };
    if (s.frame) {
        out.append("<").append(name(Tag::Table)).append(" ").append(name(Tag::Border));
        out.append("=\"");
        appendDecimal(out, s.frameWidth);
        out.append("\"><").append(name(Tag::Tr)).append("><").append(name(Tag::Td));
        // The background attribute belongs inside the cell tag, so it needs the frame too.
        if (s.frameBackground) {
            out.append(" ").append(name(Tag::BackgroundColour)).append("=\"#");
            appendColourCode(out, s.backgroundColour, up);
            out.push_back(kQuote);
        }
        out.append(">");
    }
    if (s.link) {
        out.append("<").append(name(Tag::A)).append(" ").append(name(Tag::Href)).append("=\"");
        out.append(s.linkTarget).append("\">");
    }
    if (hasWrapper(s)) {
        out.append("<").append(name(Tag::Font)).append(" ");
        if (s.useFace) {
            out.append(name(Tag::Face)).append("=\"").append(s.faceName).append("\" ");
        }
        if (s.useSize && !s.sizePattern) {
            out.append(name(Tag::Size)).append("=\"");
            appendDecimal(out, s.size);
            out.append("\" ");
        }
        out.append(">");
    }
    if (s.bold) {
        out.append("<").append(name(s.strongForBold ? Tag::Strong : Tag::B)).append(">");
    }
    if (s.italic) {
        out.append("<").append(name(s.emForItalic ? Tag::Em : Tag::I)).append(">");
    }
    if (s.underline) {
        out.append("<").append(name(Tag::U)).append(">");
    }
    if (s.strike) {
        out.append("<").append(name(Tag::Strike)).append(">");
    }
}

void appendFontClosingTags(std::string& out, const GradationSettings& s,
                           const TagNameTable& names) {
    const bool up = s.upperCaseTags;
    auto close = [&](Tag t) { out.append("</").append(names.tagName(t, up)).append(">"); };
    if (s.strike) {
        close(Tag::Strike);
    }
    if (s.underline) {
        close(Tag::U);
    }
    if (s.italic) {
        close(s.emForItalic ? Tag::Em : Tag::I);
    }
    if (s.bold) {
        close(s.strongForBold ? Tag::Strong : Tag::B);
    }
    if (hasWrapper(s)) {
        close(Tag::Font);
    }
    if (s.link) {
        close(Tag::A);
    }
    if (s.frame) {
        close(Tag::Td);
        close(Tag::Tr);
        close(Tag::Table);
    }
    if (s.lineBreak) {
        out.append("<").append(names.tagName(Tag::Br, up)).append(">");
    }
}

std::string buildMarkup(const GradationSettings& settings, const TagNameTable& names,
                        CharacterObserver* observer) {
    std::string out;
    appendFontOpeningTags(out, settings, names);
    if (!settings.text.empty()) {
        // Each character's tag is about forty bytes around its one or two bytes of text.
        out.reserve(out.size() + settings.text.size() * 40 + 64);
        CharacterTagWriter writer(out, settings, names);
        forEachCharacter(settings, [&](std::string_view character, ColourValue colour, int size) {
            if (observer != nullptr) {
                observer->onCharacter(character, colour, size);
            }
            writer.append(character, colour, size);
        });
        writer.flush();
    }
    appendFontClosingTags(out, settings, names);
    return out;
}

}  // namespace huewright
