#include "text/cp932.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace huewright {
namespace {

using testing::ThrowsMessage;

// Whole texts both ways; the table test proves every character against glibc's iconv, reading and
// writing, NEC's and IBM's rows and the JIS forms written under their Windows names among them.
TEST(Cp932Test, Converts) {
    // Half-width katakana take three times their bytes in UTF-8, more than the first guess allows.
    std::string katakana;
    for (int i = 0; i < 1000; ++i) {
        katakana += "ｱ";
    }
    const struct {
        const char* name;
        std::string utf8;
        std::string cp932;
    } rows[] = {
        {"empty", "", ""},
        {"ascii with backslash and tilde", "a\\b~c\x7F", "a\\b~c\x7F"},
        {"nul", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"second bytes 0x5C", "表ソ", "\x95\x5C\x83\x5C"},
        {"a long run of half-width katakana", katakana, std::string(1000, '\xB1')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(utf8ToCp932(row.utf8), row.cp932);
        EXPECT_EQ(cp932ToUtf8(row.cp932), row.utf8);
    }
}

std::string notHeld(const std::string& character, int at) {
    return character + " (character " + std::to_string(at) +
           ", counting Unicode characters from 1) is not in code page 932";
}

std::string notUtf8(int character, int byte, const std::string& problem) {
    return "invalid UTF-8 at character " + std::to_string(character) + ", byte " +
           std::to_string(byte) + " (counting from 1): " + problem;
}

TEST(Cp932Test, RefusesWhatItCannotConvert) {
    const auto encode = utf8ToCp932;
    const auto decode = cp932ToUtf8;
    const struct {
        const char* name;
        std::string (*convert)(std::string_view);
        std::string_view input;
        std::string message;
        // What lenient decoding shows instead, with U+FFFD for each byte that does not decode.
        std::string_view lenient = {};
    } rows[] = {
        {"emoji after a double-byte character", encode, "あ😀", notHeld("U+1F600 \"😀\"", 2)},
        {"invisible tag letter", encode, "a\U000E0041", notHeld("U+E0041", 2)},
        {"lone continuation byte", encode, "a\x80",
         notUtf8(2, 2, "unexpected continuation byte 0x80")},
        {"truncated at the end", encode, "あ\xE3\x81",
         notUtf8(2, 4, "truncated sequence 0xE3 0x81")},
        {"truncated before ascii", encode, "\xE3\x81z",
         notUtf8(1, 1, "truncated sequence 0xE3 0x81")},
        {"overlong slash", encode, "\xC0\xAF",
         notUtf8(1, 1, "overlong encoding 0xC0 0xAF of U+002F \"/\"")},
        {"surrogate", encode, "\xED\xA0\x80",
         notUtf8(1, 1, "surrogate U+D800 encoded as 0xED 0xA0 0x80")},
        {"beyond unicode", encode, "\xF4\x90\x80\x80",
         notUtf8(1, 1, "value beyond U+10FFFF encoded as 0xF4 0x90 0x80 0x80")},
        {"byte ff", encode, "\xFF", notUtf8(1, 1, "byte 0xFF never occurs in UTF-8")},
        {"not UTF-8 after a character it cannot hold", encode, "😀a\xFF",
         notUtf8(3, 6, "byte 0xFF never occurs in UTF-8")},
        {"undefined single bytes", decode, "ab\x80\x82\xA0\xFF",
         "0x80 at byte 3 (counting bytes from 1) is not a code page 932 character",
         "ab\uFFFDあ\uFFFD"},
        {"lead byte with a bad second byte", decode, "\x81\x20",
         "0x81 0x20 at byte 1 (counting bytes from 1) is not a code page 932 character", "\uFFFD "},
        {"lone lead byte at the end", decode, "\x82\xA0\x81",
         "0x81 at byte 3 (counting bytes from 1) is a lead byte without its second byte",
         "あ\uFFFD"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_THAT([&] { row.convert(row.input); }, ThrowsMessage<ConversionError>(row.message));
        if (row.convert == decode) {
            EXPECT_EQ(cp932ToUtf8Lenient(row.input), row.lenient);
        }
    }
}

}  // namespace
}  // namespace huewright
