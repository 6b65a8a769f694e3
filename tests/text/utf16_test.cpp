#include "text/utf16.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

// Decoding keeps what came before a fault, as a settings file keeps its readable part.
TEST(Utf16, StopsBeforeTheFirstFault) {
    const std::pair<const char*, std::string> rows[] = {
        {"odd final byte", "a\0b"s},
        {"high surrogate at the end", "a\0\x3D\xD8"s},
        {"high surrogate cut short", "a\0\x3D\xD8\x00"s},
        {"high surrogate before a letter", "a\0\x3D\xD8z\0"s},
        {"lone low surrogate", "a\0\x00\xDEz\0"s},
    };
    for (const auto& [name, littleEndian] : rows) {
        SCOPED_TRACE(name);
        const Utf16Decoded decoded = utf16ToUtf8(littleEndian, Utf16ByteOrder::LittleEndian);
        EXPECT_EQ(decoded.utf8, "a");
        EXPECT_FALSE(decoded.complete);
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
