#include "persistence/value_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace huewright {
namespace {

constexpr std::optional<std::int32_t> kRefused = std::nullopt;

TEST(ValueRules, IntegersAcceptedAndRefused) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> expected;
    } rows[] = {
        {"0", 0},
        {"255", 255},
        {"-1", -1},
        {"+5", 5},
        {"-0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", kRefused},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483649", kRefused},
        {"99999999999999999999", kRefused},
        {"00000000000000000000000012", 12},
        {" 12", 12},
        {"12 ", kRefused},
        {"12x", kRefused},
        {"", kRefused},
        {"yes", kRefused},
        {"+", kRefused},
        {"-", kRefused},
        {"+-5", kRefused},
        {"1.5", kRefused},
        {"\x82\x50", kRefused},  // full-width "1"
        {"$ff", 255},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", std::numeric_limits<std::int32_t>::min()},
        {"$FFFFFFFF", -1},
        {"$000000000FF", 255},
        {"$100000000", kRefused},
        {"$", kRefused},
        {"$-5", kRefused},
        {"$ 5", kRefused},
        {"$fg", kRefused},
        {" $10", 16},
        {"-$5", kRefused},
        {"+$5", kRefused},
        {"0xFF", 255},
        {"0XFF", 255},
        {"0xFFFFFFFF", -1},
        {"0x100000000", kRefused},
        {"0x", kRefused},
        {"0X", kRefused},
        {"0x-5", kRefused},
        {" 0xFF", kRefused},
        {"-0x5", kRefused},
        {"00xFF", kRefused},
        {"FF", kRefused},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseSettingInteger(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(ValueRules, SwitchesAreOnForAnyNonZeroNumber) {
    const struct {
        std::string_view text;
        std::optional<bool> expected;
    } rows[] = {
        {"1", true},           {"0", false},         {"2", true},
        {"$10", true},         {"-1", true},         {"00", false},
        {"yes", std::nullopt}, {"on", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseSettingSwitch(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(ValueRules, WrittenFormsReadBackTheSameValue) {
    const struct {
        std::int32_t value;
        std::string_view text;
    } rows[] = {
        {0, "0"},
        {16711935, "16711935"},
        {-1, "-1"},
        {std::numeric_limits<std::int32_t>::max(), "2147483647"},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(formatSettingInteger(row.value), row.text);
        EXPECT_EQ(parseSettingInteger(row.text), row.value);
    }
    EXPECT_EQ(formatSettingSwitch(true), "1");
    EXPECT_EQ(formatSettingSwitch(false), "0");
}

}  // namespace
}  // namespace huewright
