#include "generator/shift_jis.h"

#include <gtest/gtest.h>

namespace huewright {
namespace {

TEST(ShiftJis, CountsAndCopiesByCharacter) {
    // "あい" is 82 A0 82 A2; 0x5C after a lead byte is a trail byte, not a backslash.
    const std::string text =
        "a\x82\xa0"
        "b\x95\x5c"
        "c";
    EXPECT_EQ(CharCount(text), 5);
    EXPECT_EQ(CharCopy(text, 1, 1), "a");
    EXPECT_EQ(CharCopy(text, 2, 1), "\x82\xa0");
    EXPECT_EQ(CharCopy(text, 2, 3),
              "\x82\xa0"
              "b\x95\x5c");
    EXPECT_EQ(CharCopy(text, 4, 10),
              "\x95\x5c"
              "c");
    EXPECT_EQ(CharCopy(text, 6, 1), "");
    EXPECT_EQ(CharCount("\xb1\xb2"), 2);  // half-width katakana are single bytes
}

TEST(ShiftJis, MalformedTextNeverReadsPastTheEnd) {
    struct Row {
        const char* name;
        std::string text;
        int count;
        std::string last;  // CharCopy of the last character
    };
    const Row rows[] = {
        {"lead byte last", "ab\x82", 3, "\x82"},
        {"lead byte alone", "\xe0", 1, "\xe0"},
        {"lone trail bytes", "\x40\xa0\xfd", 3, "\xfd"},
        {"lead byte eats a lead byte", "\x81\x81\x81", 2, "\x81"},
        {"0xFD-0xFF are single", "\xfd\xfe\xff", 3, "\xff"},
        {"0x80 and 0xA0 are single", "\x80\xa0", 2, "\xa0"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CharCount(row.text), row.count) << row.name;
        EXPECT_EQ(CharCopy(row.text, row.count, 1), row.last) << row.name;
        EXPECT_EQ(CharCopy(row.text, 1, row.count + 5), row.text) << row.name;
    }
}

}  // namespace
}  // namespace huewright
