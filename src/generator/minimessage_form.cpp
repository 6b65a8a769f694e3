// The minimessage form is the tag language game servers read chat in: <#rrggbb> before each
// character or run, <b>, <i>, <u> and <st> around the whole for the styles, and a click that
// opens the link. A "<" or "\" of the text is escaped with "\", so no text becomes a tag.
#include <array>
#include <utility>

#include "generator/form_writer.h"

namespace huewright {

namespace {

// Appends `text` with each of `special` escaped by a backslash. Every special character lies
// below 0x40, where only a single byte of code page 932 does, so a double-byte character is
// passed whole.
void appendEscaped(std::string& out, std::string_view text, std::string_view special,
                   TextEncoding encoding) {
    forEachEscapeUnit(text, encoding, [&](std::string_view unit) {
        if (unit.size() == 1 && special.find(unit[0]) != std::string_view::npos) {
            out.push_back('\\');
        }
        out.append(unit);
    });
}

class MinimessageWriter {
  public:
    MinimessageWriter(std::string& out, const GradationSettings& s, TextEncoding encoding)
        : out_(out), s_(s), encoding_(encoding) {}

    void open() {
        if (s_.link) {
            out_.append("<click:open_url:'");
            appendEscaped(out_, s_.linkTarget, "'\\", encoding_);
            out_.append("'>");
        }
        for (const auto& [on, tag] : styles()) {
            if (on) {
                out_.append("<").append(tag).append(">");
            }
        }
    }

    void run(std::string_view characters, ColourValue colour, int) {
        char tag[10] = "<#";
        *writeColourCode(tag + 2, colour, false) = '>';
        out_.append(tag, 9);
        appendEscaped(out_, characters, "<\\", encoding_);
    }

    void close() {
        const auto all = styles();
        for (auto style = all.rbegin(); style != all.rend(); ++style) {
            if (style->first) {
                out_.append("</").append(style->second).append(">");
            }
        }
        if (s_.link) {
            out_.append("</click>");
        }
        if (s_.lineBreak) {
            out_.append("\n");
        }
    }

  private:
    std::array<std::pair<bool, std::string_view>, 4> styles() const {
        return {{{s_.bold, "b"}, {s_.italic, "i"}, {s_.underline, "u"}, {s_.strike, "st"}}};
    }

    std::string& out_;
    const GradationSettings& s_;
    TextEncoding encoding_;
};

}  // namespace

void writeMinimessageForm(const GradationSettings& s, const OutputOptions& options,
                          const FormTarget& to) {
    MinimessageWriter writer(to.out, s, encodingOf(options));
    writeForm(writer, s, options, to);
}

}  // namespace huewright
