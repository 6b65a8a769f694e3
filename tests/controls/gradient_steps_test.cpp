#include "controls/gradient_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

TEST(GradientStepsTest, ColourOfEveryCharacter) {
    const struct {
        const char* name;
        std::string_view caption;
        ColourValue start, end;
        std::vector<ColourValue> colours;
    } rows[] = {
        {"one character has the start colour", "x", 0x123456, 0xABCDEF, {0x123456}},
        {"two characters reach both ends", "ab", 0x0080FF, 0xFF8000, {0x0080FF, 0xFF8000}},
        // A double-byte character is one step, and the last character may stop one short.
        {"double-byte middle, short last step", "a\x88\x9fz", 0x0000FF, 0, {0x0000FF, 0x80, 0x01}},
        {"channels rising and falling at once stay apart",
         "abc",
         0x01FF00,
         0xFE00FF,
         {0x01FF00, 0x7F807F, 0xFD01FE}},
        {"the top byte is carried while every channel falls",
         "abcd",
         0xFFFFFFFF,
         0,
         {0xFFFFFFFF, 0xFFAAAAAA, 0xFF555555, 0xFF000000}},
        {"an empty caption has no characters", "", 0xFF0000, 0xFF00FF, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ColourValue> colours;
        std::string joined;
        for (const GradientCharacter& character :
             gradientCharacters(row.caption, row.start, row.end)) {
            colours.push_back(character.colour);
            joined += character.bytes;
        }
        EXPECT_EQ(colours, row.colours);
        EXPECT_EQ(joined, row.caption);
    }
}

}  // namespace
}  // namespace huewright
