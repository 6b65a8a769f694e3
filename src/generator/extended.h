#pragma once

#include <cstdint>

namespace huewright {

/// A number in the x87 double-extended format (64-bit significand, unbounded exponent here),
/// computed with integer arithmetic so that every platform rounds exactly as that format does:
/// each operation is rounded to nearest, ties to even. Only the operations the colour and size
/// progressions need are offered. Operands are small: |integers| < 2^62.
class Extended {
  public:
    /// Zero.
    constexpr Extended() = default;

    /// The integer `value`, exactly.
    static Extended fromInteger(std::int64_t value);

    /// `numerator / denominator`, rounded; `denominator` is not 0.
    static Extended quotient(std::int64_t numerator, std::int64_t denominator);

    /// This value times the integer `factor`, rounded.
    Extended times(std::int64_t factor) const;

    /// `minuend - subtrahend`, rounded.
    friend Extended operator-(const Extended& minuend, const Extended& subtrahend);

    /// Trunc(this × factor) with the product rounded first, as `times(factor).truncated()`
    /// but quicker: only a product just below a whole number can be rounded up onto it.
    std::int64_t truncatedTimes(std::int64_t factor) const;

    /// Round(minuend - this × factor): product rounded, difference rounded, then the nearest
    /// integer with ties to even, as the three separate operations give it, but quicker.
    std::int64_t roundedDifference(std::int64_t minuend, std::int64_t factor) const;

    /// The integer part, cut toward zero. The value's magnitude is below 2^63.
    std::int64_t truncated() const;

    /// The nearest integer, a tie going to the even neighbour. The magnitude is below 2^62.
    std::int64_t roundedHalfEven() const;

    bool negative() const { return negative_; }
    /// The 64-bit significand, its top bit set unless the value is zero.
    std::uint64_t significand() const { return significand_; }
    /// The value is ±significand × 2^exponent.
    int exponent() const { return exponent_; }

  private:
    __extension__ using Wide = unsigned __int128;

    Extended(bool negative, std::uint64_t significand, int exponent)
        : negative_(negative), significand_(significand), exponent_(exponent) {}

    /// ±(magnitude + a nonzero remainder below its last bit when `sticky`) × 2^exponent, rounded
    /// to 64 bits. With `sticky`, the magnitude must have more than 64 bits.
    static Extended rounded(bool negative, Wide magnitude, int exponent, bool sticky);

    bool negative_ = false;
    std::uint64_t significand_ = 0;
    int exponent_ = 0;
};

inline std::int64_t Extended::truncatedTimes(std::int64_t factor) const {
    // Below 2^12 half a last bit is under 2^-52, so a product whose fraction lies further than
    // 2^-50 below the next whole number keeps its integer part through the rounding.
    constexpr int kNear = 50;
    const int fractionBits = -exponent_;
    if (!negative_ && factor >= 0 && fractionBits > kNear && fractionBits < 116) {
        const Wide product = Wide{significand_} * static_cast<std::uint64_t>(factor);
        const Wide whole = product >> fractionBits;
        const Wide nearMask = (Wide{1} << kNear) - 1;
        const bool nearNextWhole = ((product >> (fractionBits - kNear)) & nearMask) == nearMask;
        if (whole < (Wide{1} << 12) && !nearNextWhole) {
            return static_cast<std::int64_t>(whole);
        }
    }
    return times(factor).truncated();
}

inline std::int64_t Extended::roundedDifference(std::int64_t minuend, std::int64_t factor) const {
    // The two roundings move a value below 2^12 by less than 2^-51 together, so unless the
    // product lies within 2^-50 of a half, the nearest integer of the exact result is the answer.
    constexpr int kNear = 50;
    const int fractionBits = -exponent_;
    if (!negative_ && factor >= 0 && minuend >= 0 && minuend < (1 << 11) && fractionBits > kNear &&
        fractionBits < 116) {
        const Wide product = Wide{significand_} * static_cast<std::uint64_t>(factor);
        const Wide whole = product >> fractionBits;
        const Wide fraction = product & ((Wide{1} << fractionBits) - 1);
        const Wide half = Wide{1} << (fractionBits - 1);
        const Wide near = Wide{1} << (fractionBits - kNear);
        const Wide distance = fraction > half ? fraction - half : half - fraction;
        if (whole < (Wide{1} << 11) && distance > near) {
            return minuend - static_cast<std::int64_t>(whole) - (fraction > half ? 1 : 0);
        }
    }
    return (fromInteger(minuend) - times(factor)).roundedHalfEven();
}

}  // namespace huewright
