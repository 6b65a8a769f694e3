#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "generator/colour.h"
#include "generator/extended.h"
#include "generator/gradation_settings.h"
#include "generator/shift_jis.h"

namespace huewright {

/// Colours the characters of one gradient segment: character j + 1 (j from 0) moves each channel
/// Trunc((a / (m - 1)) × j) from the base towards the target, always computed from the base.
class SegmentColours {
  public:
    /// A segment of `count` characters from `base` towards `target`.
    SegmentColours(ColourValue base, ColourValue target, std::int64_t count);

    /// The colour of the character after the first `j` characters of the segment (0 ≤ j < count).
    ColourValue colourAfter(std::int64_t j) const {
        ColourValue colour = base_;
        // A channel never passes its target, so steps never borrow from or carry into another.
        for (std::size_t c = 0; c < moving_; ++c) {
            const Channel& channel = channels_[c];
            const auto r = static_cast<ColourValue>(channel.step.truncatedTimes(j))
                           << channel.shift;
            colour = channel.falling ? colour - r : colour + r;
        }
        return colour;
    }

    /// The first colour of the second segment of three-colour mode: `middle` moved one step of
    /// `count` towards `end`, or `end` itself for a one-character segment.
    static ColourValue secondSegmentBase(ColourValue middle, ColourValue end, std::int64_t count);

  private:
    struct Channel {
        int shift = 0;         // 0, 8 or 16
        bool falling = false;  // base ≥ target: the channel moves down
        Extended step;         // a / (m - 1)
    };
    ColourValue base_;
    std::array<Channel, 3> channels_;  // the first `moving_` channels have a step
    std::size_t moving_ = 0;
};

/// The size pattern over a whole text of `n` characters; sizes are HTML sizes.
class SizeSteps {
  public:
    SizeSteps(SizePatternKind kind, int maximum, int minimum, std::int64_t n);

    /// The size of the first character.
    int first() const { return maximum_; }

    /// The size of the character after character `g` (1-based, over the whole text), given the
    /// current size; advances the valley step counter.
    int next(std::int64_t g, int current) {
        switch (kind_) {
            case SizePatternKind::Falling:
                return maximum_ - static_cast<int>(fallingStep_.truncatedTimes(g));
            case SizePatternKind::Valley:
                return nextValley(g);
            case SizePatternKind::Alternating:
                return g % 2 == 0 ? maximum_ : minimum_;
            case SizePatternKind::None:
                break;
        }
        return current;
    }

  private:
    int nextValley(std::int64_t g) {
        if (valleyFlat_) {
            return maximum_;
        }
        const auto size = static_cast<int>(valleyStep_.roundedDifference(maximum_, t_));
        // g + 1 against n / 2, compared exactly by doubling both sides.
        if (2 * (g + 1) < n_) {
            ++t_;
        } else if (2 * (g + 1) > n_) {
            --t_;
        }
        return size;
    }

    SizePatternKind kind_;
    int maximum_;
    int minimum_;
    std::int64_t n_;
    Extended fallingStep_;  // (maximum - minimum) / (n - 1)
    Extended valleyStep_;   // (maximum - minimum) / Int((n - 1) / 2)
    bool valleyFlat_;       // n ≤ 2: the valley stays at the maximum
    std::int64_t t_ = 1;    // valley step counter
};

/// Hands every character of `s.text` on to `visit(character, colour, size)` in order, with the
/// colour of its mode and, while the size pattern is on, its size (otherwise PatternMax).
/// An empty text hands on nothing.
template <typename Visit>
void forEachCharacter(const GradationSettings& s, Visit&& visit) {
    const std::string_view text = s.text;
    if (text.empty()) {
        return;
    }
    const std::int64_t n = characterCount(text);
    SizeSteps sizes(s.patternKind, s.patternMax, s.patternMin, n);
    int size = sizes.first();
    std::int64_t g = 1;

    // One segment of `count` characters; `colourAfter(j)` gives character j + 1's colour.
    auto runSegment = [&](std::string_view segment, std::int64_t count, auto&& colourAfter) {
        ColourValue colour = colourAfter(0);
        std::size_t pos = 0;
        for (std::int64_t j = 1; pos < segment.size(); ++j) {
            const std::size_t length = characterLengthAt(segment, pos);
            visit(segment.substr(pos, length), colour, size);
            pos += length;
            // After the only character of a segment nothing moves on: no colour, size or g step.
            if (count >= 2) {
                colour = colourAfter(j);
                if (s.sizePattern) {
                    size = sizes.next(g, size);
                }
                ++g;
            }
        }
    };

    if (s.mode == GradationMode::Alternate) {
        const std::array<ColourValue, 3> colours = {s.startColour, s.middleColour, s.endColour};
        int state = s.threeColours ? 1 : 2;
        runSegment(text, n, [&](std::int64_t j) {
            if (j == 0) {
                return s.startColour;
            }
            const ColourValue next = colours[static_cast<std::size_t>(state)];
            state = state == 0 ? (s.threeColours ? 1 : 2) : (state == 1 ? 2 : 0);
            return next;
        });
        return;
    }

    if (!s.threeColours || n == 1) {
        const SegmentColours colours(s.startColour, s.endColour, n);
        runSegment(text, n, [&](std::int64_t j) { return colours.colourAfter(j); });
        return;
    }

    // Three colours: the first segment takes the odd character; the middle colour ends it and is
    // not repeated at the start of the second.
    const std::int64_t second = n / 2;
    const std::int64_t first = n - second;
    std::size_t split = 0;
    for (std::int64_t i = 0; i < first; ++i) {
        split += characterLengthAt(text, split);
    }
    const SegmentColours one(s.startColour, s.middleColour, first);
    runSegment(text.substr(0, split), first, [&](std::int64_t j) { return one.colourAfter(j); });
    const SegmentColours two(SegmentColours::secondSegmentBase(s.middleColour, s.endColour, second),
                             s.endColour, second);
    runSegment(text.substr(split), second, [&](std::int64_t j) { return two.colourAfter(j); });
}

}  // namespace huewright
