#include "persistence/value_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>

namespace huewright {
namespace {

// A switch reads as the integer it spells, which the fuzz target checks for its seeds; its seeds
// also hold zero, a sign before "$" and "0X" in mixed case.
TEST(ValueRules, IntegersAcceptedAndRefused) {
    const std::pair<std::string_view, std::optional<std::int32_t>> rows[] = {
        // Decimal, within the signed 32-bit range, after optional blanks and one sign.
        {"-1", -1},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt},
        {"00000000000000000000000012", 12},
        {" 12", 12},
        {"12 ", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"1.5", std::nullopt},
        {"\x82\x50", std::nullopt},  // full-width 1
        // "$" and up to eight hexadecimal digits, 80000000 and above negative.
        {"$7fffffff", 2147483647},
        {"$80000000", INT32_MIN},
        {"$000000000FF", 255},
        {"$100000000", std::nullopt},
        {"$", std::nullopt},
        {"$ 5", std::nullopt},
        {"$fg", std::nullopt},
        {" $10", 16},
        // "0x" or "0X" at the very start of a longer text stands for "$".
        {"0xFFFFFFFF", -1},
        {" 0xFF", std::nullopt},
        {"00xFF", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(parseSettingInteger(text), expected) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace huewright
