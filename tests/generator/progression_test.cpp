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

GradationSettings withColours(std::string text, bool threeColours = false,
                              GradationMode mode = GradationMode::Gradient) {
    GradationSettings s;
    s.text = std::move(text);
    s.threeColours = threeColours;
    s.mode = mode;
    s.startColour = rgb(0xFF00FF);
    s.middleColour = rgb(0xFFFF00);
    s.endColour = rgb(0x0000FF);
    return s;
}

std::vector<ColourValue> codes(std::initializer_list<std::uint32_t> list) {
    std::vector<ColourValue> out;
    for (const auto c : list) {
        out.push_back(rgb(c));
    }
    return out;
}

TEST(Progression, ColoursOfEachMode) {
    struct Row {
        const char* name;
        GradationSettings settings;
        std::vector<ColourValue> expected;
    };
    const Row rows[] = {
        {"one character", withColours("a", true), codes({0xFF00FF})},
        {"one character alternating", withColours("a", true, GradationMode::Alternate),
         codes({0xFF00FF})},
        {"two colours over abc", withColours("abc"), codes({0xFF00FF, 0x8000FF, 0x0000FF})},
        {"three colours over abcde", withColours("abcde", true),
         codes({0xFF00FF, 0xFF7F80, 0xFFFF00, 0x80807F, 0x0000FF})},
        {"three colours over abcd", withColours("abcd", true),
         codes({0xFF00FF, 0xFFFF00, 0x80807F, 0x0000FF})},
        {"three colours over abc", withColours("abc", true), codes({0xFF00FF, 0xFFFF00, 0x0000FF})},
        {"three colours over ab skip the middle", withColours("ab", true),
         codes({0xFF00FF, 0x0000FF})},
        {"alternating two", withColours("abcde", false, GradationMode::Alternate),
         codes({0xFF00FF, 0x0000FF, 0xFF00FF, 0x0000FF, 0xFF00FF})},
        {"alternating three", withColours("abcde", true, GradationMode::Alternate),
         codes({0xFF00FF, 0xFFFF00, 0x0000FF, 0xFF00FF, 0xFFFF00})},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(run(row.settings).colours, row.expected) << row.name;
    }
}

TEST(Progression, LastCharacterMayStopOneShortOfTheEndColour) {
    // A difference of 1 over 42 characters: (1/41) × 41 falls just below 1. Over 50 characters
    // (1/49) × 49 comes out as exactly 1, where 53-bit arithmetic would stop one short.
    GradationSettings s;
    s.startColour = rgb(0x000000);
    s.endColour = rgb(0x000001);
    s.text = std::string(42, 'x');
    EXPECT_EQ(run(s).colours.back(), rgb(0x000000));
    s.text = std::string(50, 'x');
    EXPECT_EQ(run(s).colours.back(), rgb(0x000001));
}

TEST(Progression, TopByteOfTheBaseIsCarried) {
    GradationSettings s = withColours("abc");
    s.startColour |= 0x12000000;
    for (const ColourValue c : run(s).colours) {
        EXPECT_EQ(c >> 24, 0x12u);
    }
}

TEST(Progression, SizePatterns) {
    struct Row {
        const char* name;
        SizePatternKind kind;
        int maximum, minimum, n;
        std::vector<int> expected;
    };
    using K = SizePatternKind;
    const Row rows[] = {
        {"falling 5", K::Falling, 7, 3, 5, {7, 6, 5, 4, 3}},
        {"falling 4", K::Falling, 7, 3, 4, {7, 6, 5, 3}},
        {"falling 8", K::Falling, 7, 3, 8, {7, 7, 6, 6, 5, 5, 4, 3}},
        {"falling rises when min > max", K::Falling, 3, 7, 5, {3, 4, 5, 6, 7}},
        {"valley 2", K::Valley, 7, 3, 2, {7, 7}},
        {"valley 3", K::Valley, 7, 3, 3, {7, 3, 7}},
        {"valley 4", K::Valley, 7, 3, 4, {7, 3, 3, 7}},
        {"valley 5", K::Valley, 7, 3, 5, {7, 5, 3, 5, 7}},
        {"valley 6", K::Valley, 7, 3, 6, {7, 5, 3, 3, 5, 7}},
        {"valley 7", K::Valley, 7, 3, 7, {7, 6, 4, 3, 4, 6, 7}},
        {"valley 8", K::Valley, 7, 3, 8, {7, 6, 4, 3, 3, 4, 6, 7}},
        {"valley ties to even", K::Valley, 6, 3, 5, {6, 4, 3, 4, 6}},
        {"alternating", K::Alternating, 7, 3, 5, {7, 3, 7, 3, 7}},
        {"none keeps the maximum", K::None, 5, 2, 4, {5, 5, 5, 5}},
        {"equal limits falling", K::Falling, 4, 4, 4, {4, 4, 4, 4}},
        {"equal limits valley", K::Valley, 4, 4, 5, {4, 4, 4, 4, 4}},
    };
    for (const Row& row : rows) {
        for (const bool three : {false, true}) {
            GradationSettings s = withColours(std::string(static_cast<std::size_t>(row.n), 'x'));
            s.threeColours = three;
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

TEST(Progression, TwoCharactersInThreeColoursKeepTheMaximum) {
    for (const auto kind : {SizePatternKind::Falling, SizePatternKind::Alternating}) {
        GradationSettings s = withColours("ab", true);
        s.sizePattern = true;
        s.patternKind = kind;
        EXPECT_EQ(run(s).sizes, (std::vector<int>{7, 7}));
        s.threeColours = false;
        EXPECT_EQ(run(s).sizes, (std::vector<int>{7, 3}));
    }
}

TEST(Progression, DoubleByteCharactersStayWhole) {
    // Six double-byte characters split 3 + 3 in three-colour mode.
    const std::string a = "\x82\xa0";
    GradationSettings s = withColours(a + a + a + a + a + a, true);
    const Handed h = run(s);
    ASSERT_EQ(h.characters.size(), 6u);
    for (const std::string& c : h.characters) {
        EXPECT_EQ(c, a);
    }
    EXPECT_EQ(h.colours[2], rgb(0xFFFF00));  // the first segment ends on the middle colour
    EXPECT_EQ(h.colours[5], rgb(0x0000FF));
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

TEST(Progression, EmptyTextHandsOnNothing) {
    GradationSettings s;
    s.text.clear();
    EXPECT_TRUE(run(s).characters.empty());
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
