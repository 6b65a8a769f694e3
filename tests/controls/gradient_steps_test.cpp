#include "controls/gradient_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

struct StepsRow {
    const char* name;
    std::string caption;
    ColourValue start;
    ColourValue end;
    std::vector<std::string> characters;
    std::vector<ColourValue> colours;
};

std::vector<ColourValue> redRamp(ColourValue base, int count, int step) {
    std::vector<ColourValue> colours;
    for (int k = 0; k < count; ++k) {
        colours.push_back(base + static_cast<ColourValue>(k * step));
    }
    return colours;
}

TEST(GradientStepsTest, ColourOfEveryCharacter) {
    const std::vector<StepsRow> rows = {
        {"one character has the start colour", "x", 0x123456, 0xABCDEF, {"x"}, {0x123456}},
        {"two characters reach both ends exactly",
         "ab",
         0x0080FF,
         0xFF8000,
         {"a", "b"},
         {0x0080FF, 0xFF8000}},
        {"three characters red to black stop one short",
         "abc",
         0x0000FF,
         0x000000,
         {"a", "b", "c"},
         {0x0000FF, 0x000080, 0x000001}},
        {"four characters black to white",
         "abcd",
         0x000000,
         0xFFFFFF,
         {"a", "b", "c", "d"},
         {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}},
        {"thirteen characters blue to fuchsia",
         "HuewrightHTML",
         0xFF0000,
         0xFF00FF,
         {"H", "u", "e", "w", "r", "i", "g", "h", "t", "H", "T", "M", "L"},
         redRamp(0xFF0000, 13, 21)},
        {"channels rising and falling at once stay apart",
         "abc",
         0x01FF00,
         0xFE00FF,
         {"a", "b", "c"},
         {0x01FF00, 0x7F807F, 0xFD01FE}},
        {"double-byte character counts as one step",
         "a\x88\x9f"
         "b",
         0x0000FF,
         0x000000,
         {"a", "\x88\x9f", "b"},
         {0x0000FF, 0x000080, 0x000001}},
        {"top byte carried while every channel falls",
         "abcd",
         0xFFFFFFFF,
         0x00000000,
         {"a", "b", "c", "d"},
         {0xFFFFFFFF, 0xFFAAAAAA, 0xFF555555, 0xFF000000}},
        {"empty caption has no characters", "", 0xFF0000, 0xFF00FF, {}, {}},
    };
    for (const StepsRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<GradientCharacter> result =
            gradientCharacters(row.caption, row.start, row.end);
        ASSERT_EQ(result.size(), row.colours.size());
        for (std::size_t i = 0; i < result.size(); ++i) {
            EXPECT_EQ(result[i].bytes, row.characters[i]) << "character " << i + 1;
            EXPECT_EQ(result[i].colour, row.colours[i]) << std::hex << "character " << i + 1;
        }
    }
}

}  // namespace
}  // namespace huewright
