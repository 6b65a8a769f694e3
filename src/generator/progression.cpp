#include "generator/progression.h"

#include <cstdlib>

namespace huewright {

SegmentColours::SegmentColours(ColorValue base, ColorValue target, std::int64_t count)
    : top_(base & 0xFF000000u) {
    const std::array<int, 3> shifts = {0, 8, 16};
    for (std::size_t c = 0; c < shifts.size(); ++c) {
        const int b = static_cast<int>((base >> shifts[c]) & 0xFFu);
        const int t = static_cast<int>((target >> shifts[c]) & 0xFFu);
        const Extended step =
            count >= 2 ? Extended::quotient(std::abs(b - t), count - 1) : Extended{};
        channels_[c] = {shifts[c], b >= t, b, step};
    }
}

ColorValue SegmentColours::colourAfter(std::int64_t j) const {
    ColorValue colour = top_;
    for (const Channel& channel : channels_) {
        int value = channel.base;
        if (j != 0 && channel.step.significand() != 0) {
            const auto r = static_cast<int>(channel.step.times(j).truncated());
            value = channel.falling ? value - r : value + r;
        }
        colour |= static_cast<ColorValue>(value) << channel.shift;
    }
    return colour;
}

ColorValue SegmentColours::secondSegmentBase(ColorValue middle, ColorValue end,
                                             std::int64_t count) {
    if (count == 1) {
        return end;
    }
    ColorValue base = middle & 0xFF000000u;
    for (const int shift : {0, 8, 16}) {
        const int m = static_cast<int>((middle >> shift) & 0xFFu);
        const int e = static_cast<int>((end >> shift) & 0xFFu);
        const auto r = static_cast<int>(Extended::quotient(std::abs(m - e), count).truncated());
        base |= static_cast<ColorValue>(m >= e ? m - r : m + r) << shift;
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

int SizeSteps::next(std::int64_t g, int current) {
    switch (kind_) {
        case SizePatternKind::Falling:
            return maximum_ - static_cast<int>(fallingStep_.times(g).truncated());
        case SizePatternKind::Valley: {
            if (valleyFlat_) {
                return maximum_;
            }
            const Extended v = Extended::fromInteger(maximum_) - valleyStep_.times(t_);
            // g + 1 against n / 2, compared exactly by doubling both sides.
            if (2 * (g + 1) < n_) {
                ++t_;
            } else if (2 * (g + 1) > n_) {
                --t_;
            }
            return static_cast<int>(v.roundedHalfEven());
        }
        case SizePatternKind::Alternating:
            return g % 2 == 0 ? maximum_ : minimum_;
        case SizePatternKind::None:
            break;
    }
    return current;
}

}  // namespace huewright
