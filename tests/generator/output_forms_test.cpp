// Each output form on a few texts against its golden file. check_golden_forms.py further reads
// the span files with a real HTML5 parser, the ansi files with a terminal emulator and the chat
// files by their grammars, against the .expect.txt files: each character's colour and text,
// worked out apart from the generator.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "generator/output.h"
#include "text/cp932.h"
#include "text/graphemes.h"

namespace huewright {
namespace {

std::string golden(const std::string& name) {
    std::ifstream file(std::string(HUEWRIGHT_GOLDEN_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

struct Case {
    const char* name;
    const char* text;
    bool cp932;  // code page 932 holds it, so the FONT form is written too
    void (*adjust)(GradationSettings&, OutputOptions&);
};

const Case kCases[] = {
    {"short", "Hue!", true,
     [](GradationSettings& s, OutputOptions& o) {
         o.stops = {0x0000FF, 0xFF0000};
         s.faceName = "Georgia, serif";
         s.size = 5;
         s.bold = s.italic = s.underline = true;
     }},
    {"japanese", "虹色のグラデーション", true,
     [](GradationSettings& s, OutputOptions& o) {
         o.stops = {0x0000FF, 0x00FF00, 0xFF0000};
         s.faceName = "ＭＳ Ｐゴシック";
         s.sizePattern = s.frame = s.frameBackground = s.link = s.bold = s.strongForBold = true;
         s.patternKind = SizePatternKind::Valley;
         s.frameWidth = 2;
         s.backgroundColour = 0xCCFFFF;
         s.linkTarget = "https://example.com/?q=1&r=[2]";
         s.upperCaseTags = false;
     }},
    {"markup", "a<b  \"c\"&[d] ", true,
     [](GradationSettings& s, OutputOptions& o) {
         o.stops = {0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF};
         o.blend = Blend::Oklch;
         s.useFace = s.useSize = false;
         s.strike = s.italic = s.emForItalic = s.link = true;
         s.linkTarget = "x\"><y";
     }},
    {"emoji", "👨‍👩‍👧🇯🇵👍🏽e\u0301!", false,
     [](GradationSettings& s, OutputOptions& o) {
         o.stops = {0x0000FF, 0xFF0000};
         s.useFace = false;
         s.underline = true;
     }},
};

TEST(OutputForms, MatchTheirGoldenFiles) {
    for (const Case& c : kCases) {
        GradationSettings s;
        s.text = c.text;
        s.faceName = cp932ToUtf8(s.faceName);  // every text of a case is UTF-8 at first
        OutputOptions o;
        c.adjust(s, o);
        o.utf8Characters = graphemeEnd;
        for (const auto& [form, suffix] : {std::pair{OutputForm::Span, ".span.html"},
                                           std::pair{OutputForm::Bbcode, ".bbcode.txt"},
                                           std::pair{OutputForm::Ansi, ".ansi.txt"},
                                           std::pair{OutputForm::Minimessage, ".minimessage.txt"},
                                           std::pair{OutputForm::Ampersand, ".ampersand.txt"},
                                           std::pair{OutputForm::Json, ".json"}}) {
            o.form = form;
            EXPECT_EQ(buildOutput(s, o), golden(c.name + std::string(suffix))) << c.name << suffix;
        }
        if (c.cp932) {
            // The window's own form, in code page 932; its golden file is kept in UTF-8.
            for (std::string* field : {&s.text, &s.faceName, &s.linkTarget}) {
                *field = utf8ToCp932(*field);
            }
            o.utf8Characters = nullptr;
            o.form = OutputForm::Font;
            EXPECT_EQ(cp932ToUtf8(buildOutput(s, o)), golden(c.name + std::string(".font.html")))
                << c.name;
        }
    }
}

}  // namespace
}  // namespace huewright
