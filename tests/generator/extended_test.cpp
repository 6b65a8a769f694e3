#include "generator/extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace huewright {
namespace {

// Results that hold on every platform, worked out by hand.
TEST(Extended, RoundsQuotientsToSixtyFourBits) {
    // 1/3 = 0.0101...: the 64-bit significand is 0xAAAA...AAAB after rounding up.
    const Extended third = Extended::quotient(1, 3);
    EXPECT_EQ(third.significand(), 0xAAAAAAAAAAAAAAABu);
    EXPECT_EQ(third.exponent(), -65);
    EXPECT_FALSE(third.negative());
    EXPECT_TRUE(Extended::quotient(-1, 3).negative());
    EXPECT_EQ(Extended::quotient(0, 7).significand(), 0u);
}

TEST(Extended, ProductOfQuotientMayFallJustShortOfTheWhole) {
    // (1 / 41) × 41 comes out just below 1 in this format, (1 / 49) × 49 exactly 1; in 53-bit
    // double arithmetic the second falls short instead.
    EXPECT_EQ(Extended::quotient(1, 41).times(41).truncated(), 0);
    EXPECT_EQ(Extended::quotient(1, 49).times(49).truncated(), 1);
    EXPECT_EQ(static_cast<int>((1.0 / 49.0) * 49.0), 0);
}

TEST(Extended, QuickPathsAgreeWithTheSeparateOperations) {
    // Products that land on, just below and exactly half-way past whole numbers.
    for (std::int64_t d = 1; d <= 300; ++d) {
        for (const std::int64_t a : {1, 2, 3, 6, 127, 255}) {
            const Extended q = Extended::quotient(a, d);
            const Extended negative = Extended::quotient(-a, d);
            for (std::int64_t j = -1; j <= d + 1; ++j) {
                EXPECT_EQ(q.truncatedTimes(j), q.times(j).truncated()) << a << "/" << d << "*" << j;
                EXPECT_EQ(q.roundedDifference(7, j),
                          (Extended::fromInteger(7) - q.times(j)).roundedHalfEven())
                    << a << "/" << d << "*" << j;
                EXPECT_EQ(negative.roundedDifference(3, j),
                          (Extended::fromInteger(3) - negative.times(j)).roundedHalfEven());
            }
        }
    }
}

TEST(Extended, TruncatesTowardZeroAndRoundsHalfToEven) {
    struct Row {
        const char* name;
        std::int64_t numerator, denominator;
        std::int64_t truncated, rounded;
    };
    const Row rows[] = {
        {"4.5", 9, 2, 4, 4},     {"5.5", 11, 2, 5, 6},
        {"-4.5", -9, 2, -4, -4}, {"-5.5", -11, 2, -5, -6},
        {"2.25", 9, 4, 2, 2},    {"2.75", 11, 4, 2, 3},
        {"0.5", 1, 2, 0, 0},     {"1.5", 3, 2, 1, 2},
        {"-0.25", -1, 4, 0, 0},  {"6.999...", 6999, 1000, 6, 7},
    };
    for (const Row& row : rows) {
        const Extended value = Extended::quotient(row.numerator, row.denominator);
        EXPECT_EQ(value.truncated(), row.truncated) << row.name;
        EXPECT_EQ(value.roundedHalfEven(), row.rounded) << row.name;
    }
}

TEST(Extended, SubtractsWithOneRounding) {
    // 6 - (3/2) × 1 = 4.5, which rounds to the even 4; 7 - 2 × (-1) = 9.
    EXPECT_EQ((Extended::fromInteger(6) - Extended::quotient(3, 2).times(1)).roundedHalfEven(), 4);
    EXPECT_EQ((Extended::fromInteger(7) - Extended::quotient(4, 2).times(-1)).roundedHalfEven(), 9);
    EXPECT_EQ((Extended::fromInteger(3) - Extended::fromInteger(3)).significand(), 0u);
    // Near 2^61 the last bit is 1/8: 1/16 below is a tie that goes to the even 2^61, 3/32 below
    // is past the tie and goes down one bit.
    const Extended top = Extended::fromInteger(std::int64_t{1} << 61);
    const Extended tie = top - Extended::quotient(1, 16);
    EXPECT_EQ(tie.significand(), 0x8000000000000000u);
    EXPECT_EQ(tie.exponent(), -2);
    const Extended pastTie = top - Extended::quotient(3, 32);
    EXPECT_EQ(pastTie.significand(), 0xFFFFFFFFFFFFFFFFu);
    EXPECT_EQ(pastTie.exponent(), -3);
}

#if (defined(__x86_64__) || defined(__i386__)) && !defined(_MSC_VER)

static_assert(std::numeric_limits<long double>::digits == 64, "x87 long double expected");

// The hardware's 80-bit value as sign, significand and exponent, to compare bit for bit.
bool sameBits(const Extended& ours, long double hardware) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &hardware, sizeof bytes);
    std::uint64_t significand;
    std::memcpy(&significand, bytes, sizeof significand);
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    if (significand == 0) {
        return ours.significand() == 0;
    }
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = (signAndExponent & 0x7FFF) - 16383 - 63;
    return ours.negative() == negative && ours.significand() == significand &&
           ours.exponent() == exponent;
}

// Every colour step: channel difference a in 0..255, segment length m up to 1001, every step j.
TEST(ExtendedAgainstHardware, EveryColourStep) {
    std::int64_t mismatches = 0;
    for (std::int64_t a = 0; a <= 255; ++a) {
        for (std::int64_t divisor = 1; divisor <= 1000; ++divisor) {
            const Extended q = Extended::quotient(a, divisor);
            const long double hq = static_cast<long double>(a) / static_cast<long double>(divisor);
            mismatches += !sameBits(q, hq);
            for (std::int64_t j = 1; j <= divisor; ++j) {
                const Extended r = q.times(j);
                const long double hr = hq * static_cast<long double>(j);
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
            const long double hq =
                static_cast<long double>(difference) / static_cast<long double>(n - 1);
            mismatches += !sameBits(q, hq);
            for (std::int64_t g = 1; g < n; ++g) {
                const long double hp = hq * static_cast<long double>(g);
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
            const long double hq =
                static_cast<long double>(difference) / static_cast<long double>(h);
            for (std::int64_t t = -1; t <= h + 1; ++t) {
                const Extended p = q.times(t);
                const long double hp = hq * static_cast<long double>(t);
                mismatches += !sameBits(p, hp);
                for (std::int64_t maximum = 1; maximum <= 7; ++maximum) {
                    if (maximum - difference < 1 || maximum - difference > 7) {
                        continue;
                    }
                    const Extended v = Extended::fromInteger(maximum) - p;
                    const long double hv = static_cast<long double>(maximum) - hp;
                    mismatches += !sameBits(v, hv);
                    const auto hardwareSize = static_cast<std::int64_t>(std::rintl(hv));
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
