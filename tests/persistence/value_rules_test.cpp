#include "persistence/value_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace huewright {
namespace {

constexpr std::optional<std::int32_t> kRefused = std::nullopt;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// A switch is on for any number but 0 and refused with it.
TEST(ValueRules, IntegersAndSwitchesAcceptedAndRefused) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> expected;
    } rows[] = {
        // Decimal, within the signed 32-bit range, after optional blanks and one sign.
        {"0", 0},
        {"-1", -1},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"2147483648", kRefused},
        {"-2147483648", kMin},
        {"-2147483649", kRefused},
        {"00000000000000000000000012", 12},
        {" 12", 12},
        {"12 ", kRefused},
        {"", kRefused},
        {"+", kRefused},
        {"1.5", kRefused},
        {"\x82\x50", kRefused},  // full-width 1
        // "$" and up to eight hexadecimal digits, 80000000 and above negative.
        {"$7fffffff", 2147483647},
        {"$80000000", kMin},
        {"$000000000FF", 255},
        {"$100000000", kRefused},
        {"$", kRefused},
        {"$ 5", kRefused},
        {"$fg", kRefused},
        {" $10", 16},
        {"-$5", kRefused},
        // "0x" or "0X" at the very start of a longer text stands for "$".
        {"0XFF", 255},
        {"0xFFFFFFFF", -1},
        {" 0xFF", kRefused},
        {"00xFF", kRefused},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << '"' << row.text << '"');
        EXPECT_EQ(parseSettingInteger(row.text), row.expected);
        EXPECT_EQ(parseSettingSwitch(row.text),
                  row.expected ? std::optional<bool>(*row.expected != 0) : std::nullopt);
    }
}

}  // namespace
}  // namespace huewright
