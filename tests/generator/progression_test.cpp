#include "generator/progression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace huewright {
namespace {

// Colours written as RRGGBB, the order of a colour code; colour values hold red in the low byte.
constexpr ColourValue rgb(std::uint32_t code) {
    return ((code >> 16) & 0xFF) | (code & 0xFF00) | ((code & 0xFF) << 16);
}

std::vector<ColourValue> codes(std::initializer_list<std::uint32_t> list) {
    std::vector<ColourValue> out;
    for (const auto c : list) {
        out.push_back(rgb(c));
    }
    return out;
}

struct Handed {
    std::vector<std::string> characters;
    std::vector<ColourValue> colours;
    std::vector<int> sizes;
};

Handed run(const GradationSettings& s) {
    Handed h;
    forEachCharacter(s, [&](std::string_view c, ColourValue colour, int size) {
        h.characters.emplace_back(c);
        h.colours.push_back(colour);
        h.sizes.push_back(size);
    });
    return h;
}

// The colours start at FF00FF, pass FFFF00 in the middle and end at 0000FF.
GradationSettings over(std::string text, bool threeColours,
                       GradationMode mode = GradationMode::Gradient) {
    GradationSettings s;
    s.text = std::move(text);
    s.threeColours = threeColours;
    s.mode = mode;
    return s;
}

TEST(Progression, ColoursOfEachMode) {
    const auto alternate = GradationMode::Alternate;
    const struct {
        const char* name;
        GradationSettings settings;
        std::vector<ColourValue> expected;
    } rows[] = {
        {"one character", over("a", true), codes({0xFF00FF})},
        {"two colours", over("abc", false), codes({0xFF00FF, 0x8000FF, 0x0000FF})},
        {"three colours over five", over("abcde", true),
         codes({0xFF00FF, 0xFF7F80, 0xFFFF00, 0x80807F, 0x0000FF})},
        {"three colours over four", over("abcd", true),
         codes({0xFF00FF, 0xFFFF00, 0x80807F, 0x0000FF})},
        {"three colours over two skip the middle", over("ab", true), codes({0xFF00FF, 0x0000FF})},
        {"alternating two", over("abcde", false, alternate),
         codes({0xFF00FF, 0x0000FF, 0xFF00FF, 0x0000FF, 0xFF00FF})},
        {"alternating three", over("abcde", true, alternate),
         codes({0xFF00FF, 0xFFFF00, 0x0000FF, 0xFF00FF, 0xFFFF00})},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(run(row.settings).colours, row.expected) << row.name;
    }
}

TEST(Progression, StepsKeepTheExtendedPrecisionAndTheTopByte) {
    // A difference of 1 over 42 characters: (1/41) × 41 falls just below 1. Over 50 characters
    // (1/49) × 49 comes out as exactly 1, where 53-bit arithmetic would stop one short.
    GradationSettings s;
    s.startColour = 0x12000000;
    s.endColour = 0x00010000;
    s.text = std::string(42, 'x');
    EXPECT_EQ(run(s).colours.back(), 0x12000000u);
    s.text = std::string(50, 'x');
    EXPECT_EQ(run(s).colours.back(), 0x12010000u);
}

TEST(Progression, SizePatterns) {
    using K = SizePatternKind;
    const struct {
        const char* name;
        SizePatternKind kind;
        int maximum, minimum, n;
        std::vector<int> expected;
    } rows[] = {
        {"falling 2", K::Falling, 7, 3, 2, {7, 3}},
        {"falling 8", K::Falling, 7, 3, 8, {7, 7, 6, 6, 5, 5, 4, 3}},
        {"falling rises when min > max", K::Falling, 3, 7, 5, {3, 4, 5, 6, 7}},
        {"valley 2", K::Valley, 7, 3, 2, {7, 7}},
        {"valley 4", K::Valley, 7, 3, 4, {7, 3, 3, 7}},
        {"valley 7", K::Valley, 7, 3, 7, {7, 6, 4, 3, 4, 6, 7}},
        {"valley 8", K::Valley, 7, 3, 8, {7, 6, 4, 3, 3, 4, 6, 7}},
        {"valley ties to even", K::Valley, 6, 3, 5, {6, 4, 3, 4, 6}},
        {"alternating 5", K::Alternating, 7, 3, 5, {7, 3, 7, 3, 7}},
        {"none keeps the maximum", K::None, 5, 2, 4, {5, 5, 5, 5}},
        {"equal limits", K::Valley, 4, 4, 5, {4, 4, 4, 4, 4}},
    };
    for (const auto& row : rows) {
        for (const bool three : {false, true}) {
            GradationSettings s = over(std::string(static_cast<std::size_t>(row.n), 'x'), three);
            s.sizePattern = true;
            s.patternKind = row.kind;
            s.patternMax = row.maximum;
            s.patternMin = row.minimum;
            // Two characters in three-colour mode are two one-character segments: no step runs.
            const std::vector<int> expected =
                three && row.n == 2 ? std::vector<int>{row.maximum, row.maximum} : row.expected;
            EXPECT_EQ(run(s).sizes, expected) << row.name << (three ? " (three colours)" : "");
        }
    }
}

TEST(Progression, DoubleByteCharactersStayWhole) {
    // Six double-byte characters split 3 + 3 in three-colour mode.
    const std::string a = "\x82\xa0";
    const Handed h = run(over(a + a + a + a + a + a, true));
    EXPECT_EQ(h.characters, std::vector<std::string>(6, a));
    EXPECT_EQ(h.colours[2], codes({0xFFFF00})[0]);  // the first segment ends on the middle colour
    EXPECT_EQ(h.colours[5], codes({0x0000FF})[0]);
}

TEST(ShiftJis, CountsByCharacterAndNeverReadsPastTheEnd) {
    // 0x5C after a lead byte is a trail byte, not a backslash.
    const struct {
        const char* name;
        std::string text;
        int count;
    } rows[] = {
        {"mixed widths", "a\x82\xa0z\x95\x5c", 4},
        {"lead byte last", "ab\x82", 3},
        {"lead byte eats a lead byte", "\x81\x81\x81", 2},
        {"0x80, half-width kana and 0xFD-0xFF are single", "\x80\xa0\xb1\xfd\xfe\xff", 6},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(characterCount(row.text), row.count) << row.name;
    }
}

std::vector<ColourValue> coloursOf(std::size_t n, const ColourPlan& plan) {
    GradationSettings s;
    s.text = std::string(n, 'x');
    std::vector<ColourValue> colours;
    forEachCharacter(s, plan, Cp932Characters{},
                     [&](std::string_view, ColourValue c, int) { colours.push_back(c); });
    return colours;
}

TEST(Progression, EverySegmentEndsOnItsStop) {
    // By the window's rule a difference of 1 over 42 characters stops one short; exact ends
    // must reach it.
    const std::vector<ColourValue> short42 = {rgb(0x000000), rgb(0x000001), rgb(0x000000)};
    std::mt19937 random(7);
    for (const Blend blend : {Blend::Rgb, Blend::Oklab, Blend::Oklch}) {
        for (std::size_t n = 1; n <= 84; ++n) {
            std::vector<ColourValue> stops = short42;
            if (n < 84) {
                stops.resize(2 + n % 5);
                std::generate(stops.begin(), stops.end(), [&] { return random() & 0xFFFFFFu; });
            }
            const std::vector<ColourValue> colours = coloursOf(n, {stops, blend, true});
            EXPECT_EQ(colours.front(), stops.front());
            // Segments of n / k characters, the first n % k of them one longer.
            const std::size_t k = stops.size() - 1;
            std::size_t last = 0;
            for (std::size_t i = 0; i < k && last < n; ++i) {
                last += n / k + (i < n % k ? 1 : 0);
                if (last > 1) {
                    EXPECT_EQ(colours[last - 1], stops[i + 1]) << n << " characters, stop " << i;
                }
            }
        }
    }
}

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
    const PerceptualBlend whiteToRed(rgb(0xFFFFFF), rgb(0xFF0000), Blend::Oklch, rounding);
    for (int p = 1; p < 8; ++p) {
        EXPECT_NEAR(hueOf(whiteToRed.at(p, 8)), hueOf(rgb(0xFF0000)), 0.09) << p << "/8";
    }
}

}  // namespace
}  // namespace huewright
