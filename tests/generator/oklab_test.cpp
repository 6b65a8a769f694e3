#include "generator/oklab.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace huewright {
namespace {

TEST(Oklab, RoundsBackToEveryColour) {
    const SrgbRounding rounding;
    for (std::uint32_t r = 0; r < 256; r += 3) {
        for (std::uint32_t g = 0; g < 256; g += 3) {
            for (std::uint32_t b = 0; b < 256; b += 3) {
                const ColourValue c = r | (g << 8) | (b << 16);
                ASSERT_EQ(rounding.nearest(toOklab(c)), c) << r << " " << g << " " << b;
            }
        }
    }
}

double hueOf(ColourValue c) {
    const Oklab lab = toOklab(c);
    return std::atan2(lab.b, lab.a);
}

// The golden "markup" case shows the blends' colours, worked out apart from the generator, and
// the hue taking the shorter arc across the point where it wraps.
TEST(Oklab, GreyTakesItsPartnersHue) {
    const SrgbRounding rounding;
    // White's own hue would be about 1.6 radians; the blend keeps red's 0.5, up to 8-bit rounding.
    // Colour values hold red in the low byte.
    const ColourValue red = 0x0000FF;
    const PerceptualBlend whiteToRed(0xFFFFFF, red, Blend::Oklch, rounding);
    for (int p = 1; p < 8; ++p) {
        EXPECT_NEAR(hueOf(whiteToRed.at(p, 8)), hueOf(red), 0.09) << p << "/8";
    }
}

}  // namespace
}  // namespace huewright
