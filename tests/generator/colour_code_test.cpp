#include "generator/colour_code.h"

#include <gtest/gtest.h>

#include <utility>

namespace huewright {
namespace {

TEST(ColourCode, ShownWithTheHashAndCaseOptions) {
    EXPECT_EQ(colourToCode(0x0080FF, true, true), "#FF8000");
    EXPECT_EQ(colourToCode(0x0080FF, true, false), "#ff8000");
    EXPECT_EQ(colourToCode(0x0080FF, false, true), "FF8000");
    EXPECT_EQ(colourToCode(0xAB0080FF, false, false), "ff8000");
    // The page's colour inputs take nothing but lower case with the hash.
    EXPECT_EQ(cssColour(0xAB0080FF), "#ff8000");
}

TEST(ColourCode, ReadBackOrTheFallback) {
    constexpr ColourValue kFallback = 0x123456;
    // The help's table of codes, which its own test reads, shows the common cases.
    const std::pair<const char*, ColourValue> rows[] = {
        {"#FF8000", 0x0080FF}, {"#", kFallback},      {"##FF8000", kFallback},
        {"+F", kFallback},     {"FF80001", 0x0080FF},
    };
    for (const auto& [code, expected] : rows) {
        EXPECT_EQ(codeToColour(code, kFallback), expected) << code;
    }
}

}  // namespace
}  // namespace huewright
