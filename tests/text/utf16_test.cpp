#include "text/utf16.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "text/conversion_error.h"

namespace huewright {
namespace {

using namespace std::string_literals;

TEST(Utf16, ConvertsBothWaysInEitherByteOrder) {
    const struct {
        const char* name;
        std::string utf8;
        std::string littleEndian;
    } rows[] = {
        {"empty", "", ""},
        {"ascii and nul", "a\0"s, "a\0\0\0"s},
        {"kana", "あ", "\x42\x30"},
        {"a mark inside stays a character", "\uFEFFx", "\xFF\xFEx\0"s},
        {"noncharacter", "\uFFFF", "\xFF\xFF"},
        {"surrogate pair", "\U0001F600", "\x3D\xD8\x00\xDE"s},
        {"last scalar value", "\U0010FFFF", "\xFF\xDB\xFF\xDF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string bigEndian = row.littleEndian;
        for (std::size_t i = 0; i + 1 < bigEndian.size(); i += 2) {
            std::swap(bigEndian[i], bigEndian[i + 1]);
        }
        EXPECT_EQ(utf8ToUtf16(row.utf8, Utf16ByteOrder::LittleEndian), row.littleEndian);
        EXPECT_EQ(utf8ToUtf16(row.utf8, Utf16ByteOrder::BigEndian), bigEndian);
        const Utf16Decoded little = utf16ToUtf8(row.littleEndian, Utf16ByteOrder::LittleEndian);
        const Utf16Decoded big = utf16ToUtf8(bigEndian, Utf16ByteOrder::BigEndian);
        EXPECT_EQ(little.utf8, row.utf8);
        EXPECT_EQ(big.utf8, row.utf8);
        EXPECT_TRUE(little.complete && big.complete);
    }
}

// A lone surrogate keeps its code point in UTF-8's three-byte form, so that the text around it
// reads and the same units come back; half a unit at the end is left out.
TEST(Utf16, KeepsLoneSurrogatesAndLeavesOutAHalfUnit) {
    const struct {
        const char* name;
        std::string littleEndian;
        std::string decoded;
        std::optional<LoneSurrogate> lone;
        bool complete = true;
    } rows[] = {
        {"odd final byte", "a\0b"s, "a", std::nullopt, false},
        {"high surrogate at the end", "a\0\x3D\xD8"s, "a\xED\xA0\xBD", LoneSurrogate{0xD83D, 2}},
        {"high surrogate cut short", "a\0\x3D\xD8\x00"s, "a\xED\xA0\xBD", LoneSurrogate{0xD83D, 2},
         false},
        {"high surrogate before a letter", "a\0\x3D\xD8z\0"s, "a\xED\xA0\xBDz",
         LoneSurrogate{0xD83D, 2}},
        {"lone low surrogate", "a\0\x00\xDEz\0"s, "a\xED\xB8\x80z", LoneSurrogate{0xDE00, 2}},
        {"two high surrogates, the second paired", "\x3D\xD8\x3D\xD8\x00\xDE"s,
         "\xED\xA0\xBD\U0001F600", LoneSurrogate{0xD83D, 1}},
        {"counted in characters, not bytes", "B\x30\x3D\xD8\x00\xDE\xFF\xDF"s,
         "\u3042\U0001F600\xED\xBF\xBF", LoneSurrogate{0xDFFF, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Utf16Decoded decoded = utf16ToUtf8(row.littleEndian, Utf16ByteOrder::LittleEndian);
        EXPECT_EQ(decoded.utf8, row.decoded);
        EXPECT_EQ(decoded.complete, row.complete);
        const std::optional<LoneSurrogate> lone = firstLoneSurrogate(decoded.utf8);
        EXPECT_EQ(lone.has_value(), row.lone.has_value());
        if (lone && row.lone) {
            EXPECT_EQ(lone->unit, row.lone->unit);
            EXPECT_EQ(lone->character, row.lone->character);
        }
        const std::size_t whole = row.littleEndian.size() & ~std::size_t{1};
        EXPECT_EQ(utf8ToUtf16KeepingLoneSurrogates(decoded.utf8, Utf16ByteOrder::LittleEndian),
                  row.littleEndian.substr(0, whole));
    }
}

TEST(Utf16, RefusesMalformedUtf8) {
    EXPECT_THAT([] { utf8ToUtf16("a\xED\xA0\x80", Utf16ByteOrder::LittleEndian); },
                testing::ThrowsMessage<ConversionError>(
                    "invalid UTF-8 at character 2, byte 2 (counting from 1): surrogate U+D800 "
                    "encoded as 0xED 0xA0 0x80"));
}

}  // namespace
}  // namespace huewright
