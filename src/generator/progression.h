#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "generator/characters.h"
#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/oklab.h"
#include "generator/segment_colours.h"
#include "generator/size_steps.h"

namespace huewright {

/// The most colour stops a run can have.
inline constexpr std::size_t kMostStops = 16;

/// The colours of a run: the stops in order and how the colour moves between them.
struct ColourPlan {
    std::span<const ColourValue> stops;  ///< 2..kMostStops colours
    Blend blend = Blend::Rgb;
    bool exactEnds = false;  ///< Blend::Rgb: each segment's last character takes its target
};

/// Hands every character of `s.text`, as `characters` splits it, on to
/// `visit(character, colour, size)` in order, with the colour `plan` gives it and, while the size
/// pattern is on, its size (otherwise PatternMax). An empty text hands on nothing.
///
/// Gradient mode splits the text into one segment fewer than there are stops, the earlier
/// segments taking the extra characters. The first segment runs from the first stop to the
/// second; every later segment starts one step past its first stop, so a stop that ends one
/// segment is not repeated. With three stops a single character is the first segment alone;
/// from four stops on, a text too short for a character per segment takes the stops spread
/// evenly over its characters, from the first stop to the last. Alternate mode gives the
/// characters the stops in turn.
template <typename Characters, typename Visit>
void forEachCharacter(const GradationSettings& s, const ColourPlan& plan,
                      const Characters& characters, Visit&& visit) {
    const std::string_view text = s.text;
    if (text.empty()) {
        return;
    }
    const std::int64_t n = characters.count(text);
    SizeSteps sizes(s.patternKind, s.patternMax, s.patternMin, n);
    int size = sizes.first();
    std::int64_t position = 1;  // of the character just handed on, over the whole text

    // One segment of `count` characters; `colourAfter(j)` gives character j + 1's colour.
    auto runSegment = [&](std::string_view segment, std::int64_t count, auto&& colourAfter) {
        ColourValue colour = colourAfter(0);
        std::size_t pos = 0;
        for (std::int64_t j = 1; pos < segment.size(); ++j) {
            const std::size_t length = characters.lengthAt(segment, pos);
            visit(segment.substr(pos, length), colour, size);
            pos += length;
            // After the only character of a segment nothing moves on: no colour, size or position.
            if (count >= 2) {
                colour = colourAfter(j);
                if (s.sizePattern) {
                    size = sizes.next(position, size);
                }
                ++position;
            }
        }
    };

    const std::span<const ColourValue> stops = plan.stops;
    if (s.mode == GradationMode::Alternate) {
        runSegment(text, n, [&](std::int64_t j) {
            return stops[static_cast<std::size_t>(j % static_cast<std::int64_t>(stops.size()))];
        });
        return;
    }

    const auto segments = static_cast<std::int64_t>(stops.size() - 1);
    if (stops.size() >= 4 && n < segments) {
        // Too few characters for a segment each: the stops are spread over the characters, the
        // first taking the first stop and the last the last.
        const auto last = static_cast<std::int64_t>(stops.size() - 1);
        runSegment(text, n, [&](std::int64_t j) {
            // The colour after the last character is asked for too, and not used.
            const std::int64_t k = std::min(j, n - 1);
            const std::int64_t stop = n == 1 ? 0 : (k * last + (n - 1) / 2) / (n - 1);
            return stops[static_cast<std::size_t>(stop)];
        });
        return;
    }
    const bool exactEnds = plan.exactEnds;
    std::optional<SrgbRounding> rounding;
    if (plan.blend != Blend::Rgb) {
        rounding.emplace();
    }
    std::size_t begin = 0;
    for (std::int64_t i = 0; i < segments; ++i) {
        const std::int64_t count = n / segments + (i < n % segments ? 1 : 0);
        if (count == 0) {
            break;
        }
        std::size_t end = text.size();
        if (i + 1 < segments) {
            end = begin;
            for (std::int64_t k = 0; k < count; ++k) {
                end += characters.lengthAt(text, end);
            }
        }
        const std::string_view segment = text.substr(begin, end - begin);
        const ColourValue from = stops[static_cast<std::size_t>(i)];
        const ColourValue to = stops[static_cast<std::size_t>(i + 1)];
        if (rounding) {
            const PerceptualBlend blend(from, to, plan.blend, *rounding);
            // A later segment's characters sit at 1/count .. count/count of its way.
            const std::int64_t past = i == 0 ? 0 : 1;
            const std::int64_t steps = count - 1 + past;
            runSegment(segment, count, [&](std::int64_t j) { return blend.at(j + past, steps); });
        } else {
            const ColourValue base =
                i == 0 ? from : SegmentColours::laterSegmentStart(from, to, count);
            const SegmentColours colours(base, to, count);
            const ColourValue target = (to & 0xFFFFFFu) | (base & 0xFF000000u);
            runSegment(segment, count, [&](std::int64_t j) {
                return exactEnds && j == count - 1 && count >= 2 ? target : colours.colourAfter(j);
            });
        }
        begin = end;
    }
}

/// The settings' own colours as stops: start, the middle colour in three-colour mode, end.
class SettingsStops {
  public:
    explicit SettingsStops(const GradationSettings& s)
        : colours_{s.startColour, s.threeColours ? s.middleColour : s.endColour, s.endColour},
          count_(s.threeColours ? 3 : 2) {}

    std::span<const ColourValue> stops() const { return {colours_.data(), count_}; }

  private:
    std::array<ColourValue, 3> colours_;
    std::size_t count_;
};

}  // namespace huewright
