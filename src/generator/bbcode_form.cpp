// The bbcode form is the tag set most forums share: [color=#RRGGBB] (lower-case tag names,
// upper-case digits, whatever the upper-case option says), [b], [i], [u], [s], [font=Name],
// [url=address] and [size=N]. N is the HTML size 1..7 itself, the scale vBulletin- and
// XenForo-style boards read; phpBB reads N as a percentage and would show these sizes tiny.
// Forums have no common table tag, so the frame and its background are left out; the line
// break is a line end.
#include <array>
#include <utility>

#include "generator/form_writer.h"

namespace huewright {

namespace {

char sizeDigit(int size) {
    return static_cast<char>('0' + htmlSizeInRange(size));
}

class BbcodeWriter {
  public:
    BbcodeWriter(std::string& out, const GradationSettings& s, TextEncoding encoding)
        : out_(out), s_(s), encoding_(encoding) {}

    void open() {
        if (s_.link) {
            // A bracket would end the tag early, and boards end an address at a blank or quote;
            // in an address their percent forms mean the same.
            out_.append("[url=");
            forEachEscapeUnit(s_.linkTarget, encoding_, [&](std::string_view unit) {
                out_.append(unit == "["    ? "%5B"
                            : unit == "]"  ? "%5D"
                            : unit == " "  ? "%20"
                            : unit == "\"" ? "%22"
                                           : unit);
            });
            out_.append("]");
        }
        if (hasFace()) {
            out_.append("[font=").append(s_.faceName).append("]");
        }
        if (s_.useSize && !s_.sizePattern) {
            out_.append("[size=").append(1, sizeDigit(s_.size)).append("]");
        }
        for (const auto& [on, tag] : styles()) {
            if (on) {
                out_.append("[").append(tag).append("]");
            }
        }
    }

    void run(std::string_view characters, ColourValue colour, int size) {
        // "[size=N]" when sizes go by character, then "[color=#RRGGBB]", in one append.
        char head[24] = "[size=0][color=#000000]";
        const std::size_t sizeTag = s_.sizePattern ? 8 : 0;
        head[6] = sizeDigit(size);
        writeColourCode(head + 16, colour, true);
        const std::string_view openColour(head + 8, 15);
        out_.append(head + 8 - sizeTag, sizeTag + 15);
        // A "[" typed in the text ends its tag, so that no run of typed characters such as
        // "[b]" can form a tag of its own.
        if (characters.find('[') == std::string_view::npos) {
            out_.append(characters);
        } else {
            appendSplitAtBrackets(characters, openColour);
        }
        out_.append(s_.sizePattern ? "[/color][/size]" : "[/color]");
    }

    void close() {
        const auto tags = styles();
        for (auto it = tags.rbegin(); it != tags.rend(); ++it) {
            if (it->first) {
                out_.append("[/").append(it->second).append("]");
            }
        }
        if (s_.useSize && !s_.sizePattern) {
            out_.append("[/size]");
        }
        if (hasFace()) {
            out_.append("[/font]");
        }
        if (s_.link) {
            out_.append("[/url]");
        }
        if (s_.lineBreak) {
            out_.append("\n");
        }
    }

  private:
    // "[font=]" would name no face.
    bool hasFace() const { return s_.useFace && !s_.faceName.empty(); }

    void appendSplitAtBrackets(std::string_view characters, std::string_view openColour) {
        std::size_t pos = 0;
        forEachEscapeUnit(characters, encoding_, [&](std::string_view unit) {
            out_.append(unit);
            pos += unit.size();
            if (unit == "[" && pos < characters.size()) {
                out_.append("[/color]").append(openColour);
            }
        });
    }

    std::array<std::pair<bool, std::string_view>, 4> styles() const {
        return {{{s_.bold, "b"}, {s_.italic, "i"}, {s_.underline, "u"}, {s_.strike, "s"}}};
    }

    std::string& out_;
    const GradationSettings& s_;
    TextEncoding encoding_;
};

}  // namespace

void writeBbcodeForm(const GradationSettings& s, const OutputOptions& options,
                     const FormTarget& to) {
    BbcodeWriter writer(to.out, s, encodingOf(options));
    writeForm(writer, s, options, to);
}

}  // namespace huewright
