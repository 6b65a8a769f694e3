#include "generator/preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

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

TEST(Preview, ClearsThenDrawsEachCharacterBottomAligned) {
    RecordingSurface surface;
    GradationSettings s;
    s.text = "abcde";
    s.backgroundColour = 0x123456;
    s.sizePattern = true;
    s.patternKind = SizePatternKind::Valley;
    PreviewPainter painter(surface, s, PreviewFont{});
    buildMarkup(s, TagNameTable{}, &painter);
    // 36, 18, 12, 18, 36 points; each cell's bottom one pixel above the bottom edge: the 36-point
    // cells reach above the strip and lose their tops.
    EXPECT_EQ(surface.calls,
              (std::vector<std::string>{"fill 0,0,407,47 1193046", "a 0,10", "b 10,28", "c 20,34",
                                        "d 30,28", "e 40,10"}));
}

TEST(Preview, CharactersPastTheRightEdgeAreNotDrawn) {
    RecordingSurface surface;
    GradationSettings s;
    s.text = std::string(45, 'x');
    PreviewPainter painter(surface, s, PreviewFont{});
    buildMarkup(s, TagNameTable{}, &painter);
    // 41 characters start before x = 407.
    EXPECT_EQ(surface.calls.size(), 1u + 41u);
    EXPECT_EQ(surface.calls.back(), "x 400,34");
}

}  // namespace
}  // namespace huewright
