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

}  // namespace huewright
