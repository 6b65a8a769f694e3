#include "generator/extended.h"

#include <bit>
#include <cassert>
#include <utility>

namespace huewright {

namespace {

__extension__ using Wide = unsigned __int128;

int bitLength(Wide v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    if (high != 0) {
        return 128 - std::countl_zero(high);
    }
    return 64 - std::countl_zero(static_cast<std::uint64_t>(v));
}

std::uint64_t magnitudeOf(std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

std::int64_t withSign(bool negative, Wide magnitude) {
    const auto m = static_cast<std::int64_t>(magnitude);
    return negative ? -m : m;
}

}  // namespace

Extended Extended::rounded(bool negative, Wide magnitude, int exponent, bool sticky) {
    if (magnitude == 0) {
        return {};
    }
    const int length = bitLength(magnitude);
    if (length <= 64) {
        assert(!sticky);
        const int shift = 64 - length;
        return {negative, static_cast<std::uint64_t>(magnitude << shift), exponent - shift};
    }
    const int shift = length - 64;
    Wide kept = magnitude >> shift;
    const Wide dropped = magnitude & ((Wide{1} << shift) - 1);
    const Wide half = Wide{1} << (shift - 1);
    const bool roundUp = dropped > half || (dropped == half && (sticky || (kept & 1) != 0));
    int resultExponent = exponent + shift;
    if (roundUp) {
        ++kept;
        if (kept >> 64 != 0) {
            kept >>= 1;
            ++resultExponent;
        }
    }
    return {negative, static_cast<std::uint64_t>(kept), resultExponent};
}

Extended Extended::fromInteger(std::int64_t value) {
    return rounded(value < 0, magnitudeOf(value), 0, false);
}

Extended Extended::quotient(std::int64_t numerator, std::int64_t denominator) {
    assert(denominator != 0);
    const std::uint64_t a = magnitudeOf(numerator);
    const std::uint64_t b = magnitudeOf(denominator);
    assert(a < (std::uint64_t{1} << 62) && b < (std::uint64_t{1} << 62));
    if (a == 0) {
        return {};
    }
    // Scale the numerator so the quotient has more than 65 bits: enough for the rounding bit,
    // with the remainder standing in for everything below it.
    const int scale = 66 + bitLength(b) - bitLength(a);
    const Wide scaled = Wide{a} << scale;
    const Wide q = scaled / b;
    const bool inexact = scaled % b != 0;
    return rounded((numerator < 0) != (denominator < 0), q, -scale, inexact);
}

Extended Extended::times(std::int64_t factor) const {
    const Wide product = Wide{significand_} * magnitudeOf(factor);
    return rounded(negative_ != (factor < 0), product, exponent_, false);
}

Extended operator-(const Extended& minuend, const Extended& subtrahend) {
    if (subtrahend.significand_ == 0) {
        return minuend;
    }
    Extended y{!subtrahend.negative_, subtrahend.significand_, subtrahend.exponent_};
    if (minuend.significand_ == 0) {
        return y;
    }
    Extended x = minuend;
    if (x.exponent_ < y.exponent_) {
        std::swap(x, y);
    }
    // Two bits of headroom above the significand, 62 guard bits below it; whatever falls below
    // the guard bits is folded into the lowest bit, which keeps the rounding exact.
    constexpr int kGuard = 62;
    const Wide wideX = Wide{x.significand_} << kGuard;
    const int distance = x.exponent_ - y.exponent_;
    Wide wideY = 0;
    if (distance < 64 + kGuard) {
        const Wide full = Wide{y.significand_} << kGuard;
        wideY = full >> distance;
        if (distance > 0 && (full & ((Wide{1} << distance) - 1)) != 0) {
            wideY |= 1;
        }
    } else {
        wideY = 1;
    }
    const int exponent = x.exponent_ - kGuard;
    if (x.negative_ == y.negative_) {
        return Extended::rounded(x.negative_, wideX + wideY, exponent, false);
    }
    if (wideX >= wideY) {
        return Extended::rounded(x.negative_, wideX - wideY, exponent, false);
    }
    return Extended::rounded(y.negative_, wideY - wideX, exponent, false);
}

std::int64_t Extended::truncated() const {
    if (significand_ == 0 || exponent_ <= -64) {
        return 0;
    }
    assert(exponent_ < 0);
    return withSign(negative_, Wide{significand_} >> -exponent_);
}

std::int64_t Extended::roundedHalfEven() const {
    if (significand_ == 0 || exponent_ < -64) {
        return 0;
    }
    assert(exponent_ < -1);
    const int shift = -exponent_;
    const Wide whole = Wide{significand_} >> shift;
    const Wide fraction = Wide{significand_} & ((Wide{1} << shift) - 1);
    const Wide half = Wide{1} << (shift - 1);
    const bool up = fraction > half || (fraction == half && (whole & 1) != 0);
    return withSign(negative_, whole + (up ? 1 : 0));
}

}  // namespace huewright
