#include "generator/segment_colours.h"

#include <cstdlib>

namespace huewright {

SegmentColours::SegmentColours(ColourValue base, ColourValue target, std::int64_t count)
    : base_(base) {
    for (const int shift : {0, 8, 16}) {
        const int b = static_cast<int>((base >> shift) & 0xFFu);
        const int t = static_cast<int>((target >> shift) & 0xFFu);
        if (count >= 2 && b != t) {
            channels_[moving_++] = {shift, b > t, Extended::quotient(std::abs(b - t), count - 1)};
        }
    }
}

ColourValue SegmentColours::laterSegmentStart(ColourValue from, ColourValue to,
                                              std::int64_t count) {
    if (count == 1) {
        return to;
    }
    ColourValue start = from & 0xFF000000u;
    for (const int shift : {0, 8, 16}) {
        const int f = static_cast<int>((from >> shift) & 0xFFu);
        const int t = static_cast<int>((to >> shift) & 0xFFu);
        const auto r = static_cast<int>(Extended::quotient(std::abs(f - t), count).truncated());
        start |= static_cast<ColourValue>(f >= t ? f - r : f + r) << shift;
    }
    return start;
}

}  // namespace huewright
