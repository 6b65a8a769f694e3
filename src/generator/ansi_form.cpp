// The ansi form is for terminals: a 24-bit foreground colour (SGR 38;2) per run, bold, italic,
// underline and strike-through (SGR 1, 3, 4, 9) for the whole text, and a reset at the end.
// Terminals have no faces, sizes, frames or links to give, so those options are left out.
#include <charconv>
#include <utility>

#include "generator/form_writer.h"

namespace huewright {

namespace {

class AnsiWriter {
  public:
    AnsiWriter(std::string& out, const GradationSettings& s) : out_(out), s_(s) {}

    void open() {
        std::string styles;
        for (const auto& [on, code] : {std::pair{s_.bold, '1'}, std::pair{s_.italic, '3'},
                                       std::pair{s_.underline, '4'}, std::pair{s_.strike, '9'}}) {
            if (on) {
                styles.append(styles.empty() ? "\x1b[" : ";").push_back(code);
            }
        }
        if (!styles.empty()) {
            out_.append(styles).append("m");
        }
    }

    void run(std::string_view characters, ColourValue colour, int) {
        char escape[24] = "\x1b[38;2";
        char* p = escape + 6;
        for (const int channel : {redOf(colour), greenOf(colour), blueOf(colour)}) {
            *p++ = ';';
            p = std::to_chars(p, p + 3, channel).ptr;
        }
        *p++ = 'm';
        out_.append(escape, static_cast<std::size_t>(p - escape)).append(characters);
    }

    void close() {
        out_.append("\x1b[0m");
        if (s_.lineBreak) {
            out_.append("\n");
        }
    }

  private:
    std::string& out_;
    const GradationSettings& s_;
};

}  // namespace

void writeAnsiForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to) {
    AnsiWriter writer(to.out, s);
    writeForm(writer, s, options, to);
}

}  // namespace huewright
