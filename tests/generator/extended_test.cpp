#include "generator/extended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace huewright {
namespace {

#if (defined(__x86_64__) || defined(__i386__)) && !defined(_MSC_VER)

// Against the x87 itself, on every input the progressions can give; truncatedTimes and
// roundedDifference, quick paths included, are held to the hardware's separate operations. On
// every platform the progression tests and golden files pin results worked out apart from it,
// (1 / 41) × 41 falling just below 1 among them.

using Hardware = long double;
static_assert(std::numeric_limits<Hardware>::digits == 64, "x87 long double expected");

// Whether `ours` has the sign, significand and exponent of the hardware's 80-bit value.
bool sameBits(const Extended& ours, Hardware hardware) {
    unsigned char bytes[sizeof(Hardware)];
    std::memcpy(bytes, &hardware, sizeof bytes);
    std::uint64_t significand;
    std::memcpy(&significand, bytes, sizeof significand);
    if (significand == 0) {
        return ours.significand() == 0;
    }
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    return ours.negative() == ((signAndExponent & 0x8000) != 0) &&
           ours.significand() == significand &&
           ours.exponent() == (signAndExponent & 0x7FFF) - 16383 - 63;
}

// Every quotient a / m, every product of it by j = 1..m and its truncation: the colour steps,
// with a channel difference a of 0..255 over a segment of up to 1001 characters, and the falling
// sizes, (max - min) / (n - 1) × g, with a difference of two sizes 1..7 (the only way the pair
// enters before the exact integer subtraction) over up to 5000 characters.
TEST(ExtendedAgainstHardware, EveryColourStepAndFallingSize) {
    std::int64_t mismatches = 0;
    for (std::int64_t a = -6; a <= 255; ++a) {
        const std::int64_t longest = a <= 6 ? 4999 : 1000;
        for (std::int64_t divisor = 1; divisor <= longest; ++divisor) {
            const Extended q = Extended::quotient(a, divisor);
            const Hardware hq = Hardware(a) / Hardware(divisor);
            mismatches += !sameBits(q, hq);
            for (std::int64_t j = 1; j <= divisor; ++j) {
                const Extended r = q.times(j);
                const Hardware hr = hq * Hardware(j);
                mismatches += !sameBits(r, hr);
                mismatches += r.truncated() != static_cast<std::int64_t>(hr);
                mismatches += q.truncatedTimes(j) != static_cast<std::int64_t>(hr);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// The valley size: Round(max - (max - min) / h × t) for every pair of sizes 1..7, n up to 5000
// and every step counter value t the pattern can reach (-1 to h + 1).
TEST(ExtendedAgainstHardware, EveryValleySize) {
    std::int64_t mismatches = 0;
    for (std::int64_t n = 3; n <= 5000; ++n) {
        const std::int64_t h = (n - 1) / 2;
        for (std::int64_t difference = -6; difference <= 6; ++difference) {
            const Extended q = Extended::quotient(difference, h);
            const Hardware hq = Hardware(difference) / Hardware(h);
            for (std::int64_t t = -1; t <= h + 1; ++t) {
                const Extended p = q.times(t);
                const Hardware hp = hq * Hardware(t);
                mismatches += !sameBits(p, hp);
                for (std::int64_t maximum = std::max<std::int64_t>(1, 1 + difference);
                     maximum <= std::min<std::int64_t>(7, 7 + difference); ++maximum) {
                    const Extended v = Extended::fromInteger(maximum) - p;
                    const Hardware hv = Hardware(maximum) - hp;
                    const auto hardwareSize = static_cast<std::int64_t>(std::rintl(hv));
                    mismatches += !sameBits(v, hv);
                    mismatches += v.roundedHalfEven() != hardwareSize;
                    mismatches += q.roundedDifference(maximum, t) != hardwareSize;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

#endif

}  // namespace
}  // namespace huewright
