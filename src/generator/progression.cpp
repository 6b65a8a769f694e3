#include "generator/progression.h"

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

ColourValue SegmentColours::secondSegmentBase(ColourValue middle, ColourValue end,
                                              std::int64_t count) {
    if (count == 1) {
        return end;
    }
    ColourValue base = middle & 0xFF000000u;
    for (const int shift : {0, 8, 16}) {
        const int m = static_cast<int>((middle >> shift) & 0xFFu);
        const int e = static_cast<int>((end >> shift) & 0xFFu);
        const auto r = static_cast<int>(Extended::quotient(std::abs(m - e), count).truncated());
        base |= static_cast<ColourValue>(m >= e ? m - r : m + r) << shift;
    }
    return base;
}

SizeSteps::SizeSteps(SizePatternKind kind, int maximum, int minimum, std::int64_t n)
    : kind_(kind), maximum_(maximum), minimum_(minimum), n_(n), valleyFlat_(n - 1 < 2) {
    if (n >= 2) {
        fallingStep_ = Extended::quotient(maximum - minimum, n - 1);
    }
    if (!valleyFlat_) {
        valleyStep_ = Extended::quotient(maximum - minimum, (n - 1) / 2);
    }
}

}  // namespace huewright
