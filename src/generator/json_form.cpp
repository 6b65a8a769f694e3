// The json form is the text components game chats read: a JSON array with an object for each
// character or run, holding its text, its colour as "#rrggbb", the styles and a click that
// opens the link. Every string is escaped, so any text stays a string.
#include "generator/form_writer.h"

namespace huewright {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

// Appends `text` as a JSON string: the quotation mark and the backslash escaped, a tab as \t,
// and in UTF-8 the line and paragraph separators as \u2028 and \u2029, which older JavaScript
// reads as line ends. Other controls are refused before anything is written. The quotation
// mark, the backslash and the tab lie below 0x40, where only a single byte of code page 932
// does, so a double-byte character is passed whole.
void appendJsonString(std::string& out, std::string_view text, TextEncoding encoding) {
    out.push_back('"');
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view rest = text.substr(pos);
        if (encoding == TextEncoding::Utf8 &&
            (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator))) {
            out.append(rest[2] == kLineSeparator[2] ? "\\u2028" : "\\u2029");
            pos += kLineSeparator.size();
            continue;
        }
        const std::size_t length = escapeUnitAt(text, pos, encoding);
        if (length == 1 && (text[pos] == '"' || text[pos] == '\\')) {
            out.push_back('\\');
        }
        out.append(text[pos] == '\t' ? "\\t" : text.substr(pos, length));
        pos += length;
    }
    out.push_back('"');
}

class JsonWriter {
  public:
    JsonWriter(std::string& out, const GradationSettings& s, TextEncoding encoding)
        : out_(out), s_(s), encoding_(encoding) {
        for (const auto& [on, name] :
             {std::pair{s.bold, "bold"}, std::pair{s.italic, "italic"},
              std::pair{s.underline, "underlined"}, std::pair{s.strike, "strikethrough"}}) {
            if (on) {
                properties_.append(",\"").append(name).append("\":true");
            }
        }
        if (s.link) {
            properties_.append(",\"clickEvent\":{\"action\":\"open_url\",\"value\":");
            appendJsonString(properties_, s.linkTarget, encoding);
            properties_.append("}");
        }
    }

    void open() { out_.push_back('['); }

    void run(std::string_view characters, ColourValue colour, int) {
        out_.append(first_ ? "{\"text\":" : ",{\"text\":");
        first_ = false;
        appendJsonString(out_, characters, encoding_);
        char code[22] = ",\"color\":\"#";
        writeColourCode(code + 11, colour, false);
        code[17] = '"';
        out_.append(code, 18).append(properties_).append("}");
    }

    void close() {
        // A chat line ends with a component of its own: JSON's white space is no text.
        if (s_.lineBreak) {
            out_.append(first_ ? "{\"text\":\"\\n\"}" : ",{\"text\":\"\\n\"}");
        }
        out_.push_back(']');
    }

  private:
    std::string& out_;
    const GradationSettings& s_;
    TextEncoding encoding_;
    std::string properties_;
    bool first_ = true;
};

}  // namespace

void writeJsonForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to) {
    JsonWriter writer(to.out, s, encodingOf(options));
    writeForm(writer, s, options, to);
}

}  // namespace huewright
