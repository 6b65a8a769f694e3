#include "generator/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace huewright {
namespace {

TEST(ShiftJis, CountsByCharacterAndNeverReadsPastTheEnd) {
    // 0x5C after a lead byte is a trail byte, not a backslash.
    const struct {
        const char* name;
        std::string text;
        int count;
    } rows[] = {
        {"mixed widths", "a\x82\xa0z\x95\x5c", 4},
        {"lead byte last", "ab\x82", 3},
        {"lead byte eats a lead byte", "\x81\x81\x81", 2},
        {"0x80, half-width kana and 0xFD-0xFF are single", "\x80\xa0\xb1\xfd\xfe\xff", 6},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(characterCount(row.text), row.count) << row.name;
    }
}

}  // namespace
}  // namespace huewright
