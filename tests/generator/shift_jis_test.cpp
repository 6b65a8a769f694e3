#include "generator/shift_jis.h"

#include <gtest/gtest.h>

namespace huewright {
namespace {

TEST(ShiftJis, CountsByCharacterAndNeverReadsPastTheEnd) {
    struct Row {
        const char* name;
        std::string text;
        int count;
    };
    // "あ" is 82 A0; 0x5C after a lead byte is a trail byte, not a backslash.
    const Row rows[] = {
        {"mixed widths",
         "a\x82\xa0"
         "b\x95\x5c"
         "c",
         5},
        {"half-width katakana are single", "\xb1\xb2", 2},
        {"lead byte last", "ab\x82", 3},
        {"lead byte alone", "\xe0", 1},
        {"lone trail bytes", "\x40\xa0\xfd", 3},
        {"lead byte eats a lead byte", "\x81\x81\x81", 2},
        {"0xFD-0xFF are single", "\xfd\xfe\xff", 3},
        {"0x80 and 0xA0 are single", "\x80\xa0", 2},
        {"empty", "", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(characterCount(row.text), row.count) << row.name;
    }
}

}  // namespace
}  // namespace huewright
