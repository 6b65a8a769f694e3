#pragma once

#include <array>
#include <cstdint>

#include "generator/colour.h"
#include "generator/extended.h"

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

    /// The first colour of every segment after the first, which runs from stop `from` to stop
    /// `to` in `count` characters: `from` moved one step of `count` towards `to`, so that the
    /// stop that ended the segment before is not repeated; `to` itself for a segment of one
    /// character.
    static ColourValue laterSegmentStart(ColourValue from, ColourValue to, std::int64_t count);

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

}  // namespace huewright
