#include "generator/extended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace huewright {
namespace {

// Results that hold on every platform, worked out by hand.
TEST(Extended, RoundsEachOperationToNearestOrEven) {
    // (1 / 41) × 41 comes out just below 1, (1 / 49) × 49 exactly 1; 53-bit doubles do the reverse.
    EXPECT_EQ(Extended::quotient(1, 41).times(41).truncated(), 0);
    EXPECT_EQ(Extended::quotient(1, 49).times(49).truncated(), 1);
    EXPECT_EQ(Extended::quotient(-11, 2).truncated(), -5);
    EXPECT_EQ(Extended::quotient(-11, 2).roundedHalfEven(), -6);
    EXPECT_EQ(Extended::quotient(9, 2).roundedHalfEven(), 4);
    // Near 2^61 the last bit is 1/8: 1/16 below is a tie that goes to the even 2^61, 3/32 below
    // is past the tie and goes down one bit.
    const Extended top = Extended::fromInteger(std::int64_t{1} << 61);
    EXPECT_EQ((top - Extended::quotient(1, 16)).significand(), 0x8000000000000000u);
    EXPECT_EQ((top - Extended::quotient(3, 32)).significand(), 0xFFFFFFFFFFFFFFFFu);
    EXPECT_EQ((top - Extended::quotient(3, 32)).exponent(), -3);
}

TEST(Extended, QuickPathsAgreeWithTheSeparateOperations) {
    // Products that land on, just below and exactly half-way past whole numbers.
    for (std::int64_t d = 1; d <= 300; ++d) {
        for (const std::int64_t a : {1, 2, 3, 6, 127, 255}) {
            const Extended q = Extended::quotient(a, d);
            const Extended negative = Extended::quotient(-a, d);
            for (std::int64_t j = -1; j <= d + 1; ++j) {
                SCOPED_TRACE(testing::Message() << a << "/" << d << "*" << j);
                EXPECT_EQ(q.truncatedTimes(j), q.times(j).truncated());
                EXPECT_EQ(q.roundedDifference(7, j),
                          (Extended::fromInteger(7) - q.times(j)).roundedHalfEven());
                EXPECT_EQ(negative.roundedDifference(3, j),
                          (Extended::fromInteger(3) - negative.times(j)).roundedHalfEven());
            }
        }
    }
}

#if (defined(__x86_64__) || defined(__i386__)) && !defined(_MSC_VER)

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

// Every colour step: channel difference a in 0..255, segment length m up to 1001, every step j.
TEST(ExtendedAgainstHardware, EveryColourStep) {
    std::int64_t mismatches = 0;
    for (std::int64_t a = 0; a <= 255; ++a) {
        for (std::int64_t divisor = 1; divisor <= 1000; ++divisor) {
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

// The falling size: (max - min) / (n - 1) × g for every difference of two sizes 1..7 (the only
// way the pair enters before the exact integer subtraction), n up to 5000 and every g.
TEST(ExtendedAgainstHardware, EveryFallingSize) {
    std::int64_t mismatches = 0;
    for (std::int64_t difference = -6; difference <= 6; ++difference) {
        for (std::int64_t n = 2; n <= 5000; ++n) {
            const Extended q = Extended::quotient(difference, n - 1);
            const Hardware hq = Hardware(difference) / Hardware(n - 1);
            mismatches += !sameBits(q, hq);
            for (std::int64_t g = 1; g < n; ++g) {
                const Hardware hp = hq * Hardware(g);
                mismatches += q.truncatedTimes(g) != static_cast<std::int64_t>(hp);
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
