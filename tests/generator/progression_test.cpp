#include "generator/progression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace huewright {
namespace {

struct Handed {
    std::vector<ColourValue> colours;
    std::vector<int> sizes;
};

// What forEachCharacter hands on for `s`, coloured by `plan` or else by the settings' own stops.
Handed run(const GradationSettings& s, std::optional<ColourPlan> plan = std::nullopt) {
    const SettingsStops own(s);
    Handed h;
    forEachCharacter(s, plan.value_or(ColourPlan{own.stops()}), Cp932Characters{},
                     [&](std::string_view, ColourValue colour, int size) {
                         h.colours.push_back(colour);
                         h.sizes.push_back(size);
                     });
    return h;
}

// The gradient's colours are pinned by the markup's own start and the golden files (two and three
// stops in the window's arithmetic), and every split of a text among the stops by
// EverySegmentEndsOnItsStop; alternate mode hands the stops out in turn. Which stops the
// settings give, two or three, the output's byte-identity test shows.
TEST(Progression, AlternateModeGivesTheStopsInTurn) {
    const std::vector<ColourValue> stops = {0x123456, 0xABCDEF, 0x000001};
    EXPECT_EQ(run({.text = "abcde", .mode = GradationMode::Alternate}, {{stops}}).colours,
              (std::vector{stops[0], stops[1], stops[2], stops[0], stops[1]}));
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
        {"valley ties to even", K::Valley, 6, 3, 5, {6, 4, 3, 4, 6}},
        {"alternating 5", K::Alternating, 7, 3, 5, {7, 3, 7, 3, 7}},
        {"none keeps the maximum", K::None, 5, 2, 4, {5, 5, 5, 5}},
        {"equal limits", K::Valley, 4, 4, 5, {4, 4, 4, 4, 4}},
    };
    for (const auto& row : rows) {
        for (const bool three : {false, true}) {
            const GradationSettings s{.text = std::string(static_cast<std::size_t>(row.n), 'x'),
                                      .threeColours = three,
                                      .sizePattern = true,
                                      .patternKind = row.kind,
                                      .patternMax = row.maximum,
                                      .patternMin = row.minimum};
            // Two characters in three-colour mode are two one-character segments: no step runs.
            const std::vector<int> expected =
                three && row.n == 2 ? std::vector<int>{row.maximum, row.maximum} : row.expected;
            EXPECT_EQ(run(s).sizes, expected) << row.name << (three ? " (three colours)" : "");
        }
    }
}

TEST(Progression, EverySegmentEndsOnItsStop) {
    // Segments of 42 characters: by the window's rule (1/41) × 41, in extended precision, falls
    // just below 1, so a difference of 1 stops one short (53-bit arithmetic would reach it); exact
    // ends must reach it. The top byte rides along unchanged.
    const std::vector<ColourValue> short42 = {0x12000000, 0x12010000, 0x12000000};
    EXPECT_EQ(run({.text = std::string(84, 'x')}, {{short42, Blend::Rgb, false}}).colours[41],
              0x12000000u);
    std::mt19937 random(7);
    for (const Blend blend : {Blend::Rgb, Blend::Oklab, Blend::Oklch}) {
        for (std::size_t n = 1; n <= 84; ++n) {
            std::vector<ColourValue> stops = short42;
            if (n < 84) {
                stops.resize(2 + n % 5);
                std::generate(stops.begin(), stops.end(), [&] { return random() & 0xFFFFFFu; });
            }
            const std::vector<ColourValue> colours =
                run({.text = std::string(n, 'x')}, {{stops, blend, true}}).colours;
            EXPECT_EQ(colours.front(), stops.front());
            // Segments of n / k characters, the first n % k of them one longer; from four stops
            // on, a text too short for that still ends on the last stop.
            const std::size_t k = stops.size() - 1;
            if (stops.size() >= 4 && n < k) {
                EXPECT_EQ(colours.back(), stops.back()) << n << " characters";
                continue;
            }
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

}  // namespace
}  // namespace huewright
