#include "generator/markup.h"

#include <array>
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
    return s.sizePattern ? s.useFace : (s.useFace || s.useSize);
}

// Writes the characters' font tags. They differ only in colour, size and the character itself,
// so each is a copy of a prepared head with the digits poked in, and tags collect in a chunk that
// joins the fragment in one append.
class CharacterTagWriter {
  public:
    CharacterTagWriter(std::string& out, const GradationSettings& s, const TagNameTable& names)
        : out_(out), withSize_(s.sizePattern), upperCase_(s.upperCaseTags) {
        const bool up = s.upperCaseTags;
        std::string head = "<";
        head.append(names.tagName(Tag::Font, up))
            .append(" ")
            .append(names.tagName(Tag::Colour, up));
        head.append("=\"#");
        colourAt_ = head.size();
        head.append("000000");
        if (withSize_) {
            head.append("\" ").append(names.tagName(Tag::Size, up)).append("=\"");
            sizeAt_ = head.size();
            head.append("0");
        }
        head.append("\">");
        headLength_ = head.size();
        head.copy(head_, headLength_);
        std::string tail = "</";
        tail.append(names.tagName(Tag::Font, up)).append(">");
        tailLength_ = tail.size();
        tail.copy(tail_, tailLength_);
    }

    void append(std::string_view character, ColourValue colour, int size) {
        if (used_ > kChunk - kLongestTag) {
            flush();
        }
        char* tag = chunk_ + used_;
        // Whole fixed-size blocks copy faster than exact lengths; the extra bytes are overwritten.
        std::memcpy(tag, head_, sizeof head_);
        writeColourCode(tag + colourAt_, colour, upperCase_);
        char* p = tag + headLength_;
        if (withSize_) {
            if (size >= 0 && size <= 9) {
                tag[sizeAt_] = static_cast<char>('0' + size);
            } else {
                // Only limits outside 1..7 give such sizes; write the number in full.
                p = tag + sizeAt_;
                p = std::to_chars(p, p + 12, size).ptr;
                *p++ = kQuote;
                *p++ = '>';
            }
        }
        // One byte or two: cheaper written than copied.
        *p++ = character[0];
        if (character.size() == 2) {
            *p++ = character[1];
        }
        std::memcpy(p, tail_, sizeof tail_);
        used_ = static_cast<std::size_t>(p + tailLength_ - chunk_);
    }

    /// Appends the tags still held in the chunk to the fragment.
    void flush() {
        out_.append(chunk_, used_);
        used_ = 0;
    }

  private:
    static constexpr std::size_t kChunk = 8192;
    static constexpr std::size_t kLongestTag = 128;  // head and tail blocks, size digits, 2 bytes

    std::string& out_;
    bool withSize_;
    bool upperCase_;
    std::size_t colourAt_ = 0;
    std::size_t sizeAt_ = 0;
    std::size_t headLength_ = 0;
    std::size_t tailLength_ = 0;
    char head_[48] = {};  // <FONT COLOR="#000000" SIZE="0">
    char tail_[16] = {};  // </FONT>
    std::size_t used_ = 0;
    char chunk_[kChunk];
};

void appendOpeningTags(std::string& out, const GradationSettings& s, const TagNameTable& names) {
    const bool up = s.upperCaseTags;
    auto name = [&](Tag t) { return names.tagName(t, up); };
    if (s.frame) {
        out.append("<").append(name(Tag::Table)).append(" ").append(name(Tag::Border));
        out.append("=\"");
        appendNumber(out, s.frameWidth);
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
            appendNumber(out, s.size);
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

void appendClosingTags(std::string& out, const GradationSettings& s, const TagNameTable& names) {
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

}  // namespace

std::string buildMarkup(const GradationSettings& settings, const TagNameTable& names,
                        CharacterObserver* observer) {
    std::string out;
    appendOpeningTags(out, settings, names);
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
    appendClosingTags(out, settings, names);
    return out;
}

}  // namespace huewright
