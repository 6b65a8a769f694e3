#include "generator/markup.h"

#include <charconv>
#include <cstring>

#include "generator/progression.h"

namespace huewright {

namespace {

constexpr char kQuote = '"';

void appendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr);
}

bool hasWrapper(const GradationSettings& s) {
    return s.SizePattern ? s.UseFace : (s.UseFace || s.UseSize);
}

// Builds every character's font tag in a small buffer so the fragment grows by one append per
// character: the tag is the same but for colour, size and the character's bytes.
class CharacterTagWriter {
  public:
    CharacterTagWriter(const GradationSettings& s, const TagNameTable& names)
        : upperCase_(s.UpperCaseTags), withSize_(s.SizePattern) {
        const std::string_view font = names.TagName(Tag::Font, upperCase_);
        opening_ = "<";
        opening_.append(font).append(" ").append(names.TagName(Tag::Color, upperCase_));
        opening_.append("=\"#");
        sizeAttribute_ = "\" ";
        sizeAttribute_.append(names.TagName(Tag::Size, upperCase_)).append("=\"");
        closing_ = "</";
        closing_.append(font).append(">");
    }

    void append(std::string& out, std::string_view character, ColorValue colour, int size) {
        char buffer[128];
        char* p = buffer;
        p = put(p, opening_);
        const char* digits = upperCase_ ? "0123456789ABCDEF" : "0123456789abcdef";
        for (const int channel : {redOf(colour), greenOf(colour), blueOf(colour)}) {
            *p++ = digits[channel >> 4];
            *p++ = digits[channel & 0xF];
        }
        if (withSize_) {
            p = put(p, sizeAttribute_);
            p = std::to_chars(p, p + 12, size).ptr;
        }
        *p++ = kQuote;
        *p++ = '>';
        p = put(p, character);
        p = put(p, closing_);
        out.append(buffer, p);
    }

  private:
    static char* put(char* p, std::string_view piece) {
        std::memcpy(p, piece.data(), piece.size());
        return p + piece.size();
    }

    bool upperCase_;
    bool withSize_;
    std::string opening_;        // <FONT COLOR="#
    std::string sizeAttribute_;  // " SIZE="
    std::string closing_;        // </FONT>
};

void appendOpeningTags(std::string& out, const GradationSettings& s, const TagNameTable& names) {
    const bool up = s.UpperCaseTags;
    auto name = [&](Tag t) { return names.TagName(t, up); };
    if (s.Frame) {
        out.append("<").append(name(Tag::Table)).append(" ").append(name(Tag::Border));
        out.append("=\"");
        appendNumber(out, s.FrameWidth);
        out.append("\"><").append(name(Tag::Tr)).append("><").append(name(Tag::Td));
        // The background attribute belongs inside the cell tag, so it needs the frame too.
        if (s.FrameBackground) {
            out.append(" ").append(name(Tag::BgColor)).append("=\"#");
            appendColourCode(out, s.BackgroundColor, up);
            out.push_back(kQuote);
        }
        out.append(">");
    }
    if (s.Link) {
        out.append("<").append(name(Tag::A)).append(" ").append(name(Tag::Href)).append("=\"");
        out.append(s.LinkTarget).append("\">");
    }
    if (hasWrapper(s)) {
        out.append("<").append(name(Tag::Font)).append(" ");
        if (s.UseFace) {
            out.append(name(Tag::Face)).append("=\"").append(s.FaceName).append("\" ");
        }
        if (s.UseSize && !s.SizePattern) {
            out.append(name(Tag::Size)).append("=\"");
            appendNumber(out, s.Size);
            out.append("\" ");
        }
        out.append(">");
    }
    if (s.Bold) {
        out.append("<").append(name(s.StrongForBold ? Tag::Strong : Tag::B)).append(">");
    }
    if (s.Italic) {
        out.append("<").append(name(s.EmForItalic ? Tag::Em : Tag::I)).append(">");
    }
    if (s.Underline) {
        out.append("<").append(name(Tag::U)).append(">");
    }
    if (s.Strike) {
        out.append("<").append(name(Tag::Strike)).append(">");
    }
}

void appendClosingTags(std::string& out, const GradationSettings& s, const TagNameTable& names) {
    const bool up = s.UpperCaseTags;
    auto close = [&](Tag t) { out.append("</").append(names.TagName(t, up)).append(">"); };
    if (s.Strike) {
        close(Tag::Strike);
    }
    if (s.Underline) {
        close(Tag::U);
    }
    if (s.Italic) {
        close(s.EmForItalic ? Tag::Em : Tag::I);
    }
    if (s.Bold) {
        close(s.StrongForBold ? Tag::Strong : Tag::B);
    }
    if (hasWrapper(s)) {
        close(Tag::Font);
    }
    if (s.Link) {
        close(Tag::A);
    }
    if (s.Frame) {
        close(Tag::Td);
        close(Tag::Tr);
        close(Tag::Table);
    }
    if (s.LineBreak) {
        out.append("<").append(names.TagName(Tag::Br, up)).append(">");
    }
}

}  // namespace

std::string buildMarkup(const GradationSettings& settings, const TagNameTable& names,
                        CharacterObserver* observer) {
    std::string out;
    appendOpeningTags(out, settings, names);
    if (!settings.Text.empty()) {
        CharacterTagWriter writer(settings, names);
        // Each character's tag is about forty bytes around its one or two bytes of text.
        out.reserve(out.size() + settings.Text.size() * 40 + 64);
        forEachCharacter(settings, [&](std::string_view character, ColorValue colour, int size) {
            if (observer != nullptr) {
                observer->onCharacter(character, colour, size);
            }
            writer.append(out, character, colour, size);
        });
    }
    appendClosingTags(out, settings, names);
    return out;
}

}  // namespace huewright
