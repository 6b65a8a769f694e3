#include "generator/output.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "generator/preview.h"

namespace huewright {
namespace {

// The golden FONT files, written by the same tags, show the rest: a size pattern's wrapper without
// SIZE, the styles, and user texts inserted unescaped.
TEST(Markup, Fragments) {
    const struct {
        const char* name;
        std::string text;
        std::function<void(GradationSettings&)> change;
        std::string expected;
    } rows[] = {
        {"the window's start", "abc", [](GradationSettings&) {},
         "<FONT FACE=\"" + std::string(kWindowFaceName) +
             "\" SIZE=\"3\" ><FONT COLOR=\"#FF00FF\">a</FONT>"
             "<FONT COLOR=\"#8000FF\">b</FONT><FONT COLOR=\"#0000FF\">c</FONT></FONT><BR>"},
        {"empty text in a frame whose width is still being typed", "",
         [](GradationSettings& s) {
             s.useFace = s.useSize = false;
             s.frame = true;
             s.frameWidth = -5;
         },
         "<TABLE BORDER=\"-5\"><TR><TD></TD></TR></TABLE><BR>"},
        // A loaded file may leave the background on without the frame, where the attribute would
        // stand outside any tag.
        {"size alone, double-byte characters whole, no background without the frame",
         "\x82\xa0\x82\xa2",
         [](GradationSettings& s) {
             s.useFace = s.lineBreak = false;
             s.frameBackground = true;
             s.size = 5;
         },
         "<FONT SIZE=\"5\" ><FONT COLOR=\"#FF00FF\">\x82\xa0</FONT>"
         "<FONT COLOR=\"#0000FF\">\x82\xa2</FONT></FONT>"},
    };
    for (const auto& row : rows) {
        GradationSettings s;  // as the window starts without a start-up file
        s.text = row.text;
        row.change(s);
        EXPECT_EQ(buildOutput(s, {}), row.expected) << row.name;
    }
}

// Records what the preview asks of the platform. Every character is 10 pixels wide and its cell
// as high as its point size.
class RecordingSurface : public DrawingSurface {
  public:
    std::vector<std::string> calls;
    int points = 0;

    void fillRectangle(int left, int top, int right, int bottom, ColourValue colour) override {
        calls.push_back("fill " + std::to_string(left) + "," + std::to_string(top) + "," +
                        std::to_string(right) + "," + std::to_string(bottom) + " " +
                        std::to_string(colour));
    }
    void setFont(const PreviewFont& font) override { points = font.points; }
    void setTextColour(ColourValue) override {}
    TextExtent measure(std::string_view) override { return {10, points}; }
    void drawTransparent(int x, int y, std::string_view text) override {
        calls.push_back(std::string(text) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

TEST(Preview, ClearsThenDrawsEachCharacterBottomAlignedWithinTheStrip) {
    GradationSettings s;
    const auto drawn = [&s] {
        RecordingSurface surface;
        PreviewPainter painter(surface, s, PreviewFont{});
        buildOutput(s, {}, &painter);
        return surface.calls;
    };
    s.text = "abcde";
    s.backgroundColour = 0x123456;
    s.sizePattern = true;
    s.patternKind = SizePatternKind::Valley;
    // 36, 18, 12, 18, 36 points; each cell's bottom one pixel above the bottom edge: the 36-point
    // cells reach above the strip and lose their tops.
    EXPECT_EQ(drawn(), (std::vector<std::string>{"fill 0,0,407,47 1193046", "a 0,10", "b 10,28",
                                                 "c 20,34", "d 30,28", "e 40,10"}));
    // Of 45 characters at 12 points, the 41 that start before x = 407 are drawn.
    s.text = std::string(45, 'x');
    s.sizePattern = false;
    const std::vector<std::string> calls = drawn();
    EXPECT_EQ(calls.size(), 1u + 41u);
    EXPECT_EQ(calls.back(), "x 400,34");
}

}  // namespace
}  // namespace huewright
