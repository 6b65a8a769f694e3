// The ampersand form is the colour codes chat plugins read: &#RRGGBB before each character or
// run, and after it &l, &o, &n and &m for bold, italic, underline and strike-through, since a
// colour code ends the styles before it. These codes have no link and no escape; a text that
// would hold a code of its own is refused before anything is written.
#include <utility>

#include "generator/form_writer.h"

namespace huewright {

namespace {

class AmpersandWriter {
  public:
    AmpersandWriter(std::string& out, const GradationSettings& s) : out_(out) {
        for (const auto& [on, code] : {std::pair{s.bold, 'l'}, std::pair{s.italic, 'o'},
                                       std::pair{s.underline, 'n'}, std::pair{s.strike, 'm'}}) {
            if (on) {
                styles_.push_back('&');
                styles_.push_back(code);
            }
        }
        lineBreak_ = s.lineBreak;
    }

    void open() {}

    void run(std::string_view characters, ColourValue colour, int) {
        char code[9] = "&#";
        writeColourCode(code + 2, colour, true);
        out_.append(code, 8).append(styles_).append(characters);
    }

    void close() {
        if (lineBreak_) {
            out_.append("\n");
        }
    }

  private:
    std::string& out_;
    std::string styles_;
    bool lineBreak_ = false;
};

}  // namespace

void writeAmpersandForm(const GradationSettings& s, const OutputOptions& options,
                        const FormTarget& to) {
    AmpersandWriter writer(to.out, s);
    writeForm(writer, s, options, to);
}

}  // namespace huewright
