// The FONT form is the window's markup: the opening tags (frame, link, face and size wrapper,
// styles), a FONT tag of its own colour around each character, then the closing tags and the
// line break. The texts the user typed go in as they are.
#include <charconv>
#include <cstring>

#include "generator/form_writer.h"
#include "generator/tag_names.h"
#include "text/decimal.h"

namespace huewright {

namespace {

constexpr char kQuote = '"';

bool hasWrapper(const GradationSettings& s) {
    return s.sizePattern ? s.useFace : (s.useFace || s.useSize);
}

void appendOpeningTags(std::string& out, const GradationSettings& s) {
    const bool up = s.upperCaseTags;
    auto name = [&](Tag t) { return tagName(t, up); };
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

void appendClosingTags(std::string& out, const GradationSettings& s) {
    const bool up = s.upperCaseTags;
    auto close = [&](Tag t) { out.append("</").append(tagName(t, up)).append(">"); };
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
        out.append("<").append(tagName(Tag::Br, up)).append(">");
    }
}

// Writes the characters' font tags. They differ only in colour, size and the characters
// themselves, so each is a copy of a prepared head with the digits poked in, and tags collect in
// a chunk that joins the output in one append.
class CharacterTagWriter {
  public:
    CharacterTagWriter(std::string& out, const GradationSettings& s)
        : out_(out), withSize_(s.sizePattern), upperCase_(s.upperCaseTags) {
        const bool up = s.upperCaseTags;
        std::string head = "<";
        head.append(tagName(Tag::Font, up)).append(" ").append(tagName(Tag::Colour, up));
        head.append("=\"#");
        colourAt_ = head.size();
        head.append("000000");
        if (withSize_) {
            head.append("\" ").append(tagName(Tag::Size, up)).append("=\"");
            sizeAt_ = head.size();
            head.append("0");
        }
        head.append("\">");
        headLength_ = head.size();
        head.copy(head_, headLength_);
        std::string tail = "</";
        tail.append(tagName(Tag::Font, up)).append(">");
        tailLength_ = tail.size();
        tail.copy(tail_, tailLength_);
    }

    /// Appends the tag of `characters` (one or more whole characters) in `colour` and `size`.
    void append(std::string_view characters, ColourValue colour, int size) {
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
                *p++ = '"';
                *p++ = '>';
            }
        }
        if (characters.size() <= 2) {
            // One byte or two, a code page 932 character: cheaper written than copied.
            *p++ = characters[0];
            if (characters.size() == 2) {
                *p++ = characters[1];
            }
        } else {
            p = appendLonger(p, characters);
        }
        std::memcpy(p, tail_, sizeof tail_);
        used_ = static_cast<std::size_t>(p + tailLength_ - chunk_);
    }

    /// Appends the tags still held in the chunk to the output.
    void flush() {
        out_.append(chunk_, used_);
        used_ = 0;
    }

  private:
    static constexpr std::size_t kChunk = 8192;
    static constexpr std::size_t kLongestTag = 128;  // head and tail blocks, size digits, 2 bytes

    // Characters of more bytes (a grapheme cluster, a merged run) are copied into the chunk where
    // they fit with room for the tail, else appended to the output after the chunk's tags;
    // returns where the tail goes.
    char* appendLonger(char* p, std::string_view characters) {
        // The head may reach past kChunk - kLongestTag; the tail's block follows the characters.
        const auto used = static_cast<std::size_t>(p - chunk_);
        if (characters.size() + sizeof tail_ <= kChunk - used) {
            std::memcpy(p, characters.data(), characters.size());
            return p + characters.size();
        }
        used_ = used;
        flush();
        out_.append(characters);
        return chunk_;
    }

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

class FontWriter {
  public:
    FontWriter(std::string& out, const GradationSettings& s)
        : out_(out), s_(s), characters_(out, s) {}

    void open() { appendOpeningTags(out_, s_); }

    void run(std::string_view characters, ColourValue colour, int size) {
        characters_.append(characters, colour, size);
    }

    void close() {
        characters_.flush();
        appendClosingTags(out_, s_);
    }

  private:
    std::string& out_;
    const GradationSettings& s_;
    CharacterTagWriter characters_;
};

}  // namespace

void writeFontForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to) {
    FontWriter writer(to.out, s);
    writeForm(writer, s, options, to);
}

}  // namespace huewright
