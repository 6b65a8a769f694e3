#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace huewright {
namespace {

struct Pair {
    const char* name;
    std::string_view utf8;
    std::string_view cp932;
};

TEST(Cp932Test, RoundTrips) {
    const Pair rows[] = {
        {"empty", "", ""},
        {"ascii with backslash and tilde", "a\\b~c\x7F", "a\\b~c\x7F"},
        {"nul", std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
        {"hiragana", "\xE3\x81\x82", "\x82\xA0"},
        {"nec circled one", "\xE2\x91\xA0", "\x87\x40"},
        {"ibm extension taka", "\xE9\xAB\x99", "\xFB\xFC"},
        {"half-width katakana", "\xEF\xBD\xB1\xEF\xBE\x9F", "\xB1\xDF"},
        {"full-width tilde", "\xEF\xBD\x9E", "\x81\x60"},
        {"window face name",
         "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
         "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
        {"private use", "\xEE\x80\x80", "\xF0\x40"},
    };
    for (const Pair& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(utf8ToCp932(row.utf8), row.cp932);
        EXPECT_EQ(cp932ToUtf8(row.cp932), row.utf8);
        EXPECT_EQ(cp932ToUtf8Lenient(row.cp932), row.utf8);
    }
}

// Half-width katakana take three times their bytes in UTF-8, more than the first guess allows.
TEST(Cp932Test, LongTextsConvertWhole) {
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 1000; ++i) {
        cp932 += "\xB1";
        utf8 += "\xEF\xBD\xB1";
    }
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(cp932ToUtf8Lenient(cp932 + "\x80"), utf8 + "\xEF\xBF\xBD");
    EXPECT_EQ(utf8ToCp932(utf8), cp932);
}

// Characters whose JIS form code page 932 holds under another Unicode name; they come back under
// the Windows name.
TEST(Cp932Test, JisFormsTakeTheWindowsBytes) {
    const Pair rows[] = {
        {"wave dash", "\xE3\x80\x9C", "\x81\x60"},
        {"minus sign", "\xE2\x88\x92", "\x81\x7C"},
        {"em dash", "\xE2\x80\x94", "\x81\x5C"},
    };
    for (const Pair& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(utf8ToCp932(row.utf8), row.cp932);
    }
}

// Decoding and encoding again gives back the same text for every byte and byte pair that decodes,
// so that whatever the window shows can be typed back.
TEST(Cp932Test, EveryDecodableCharacterEncodesAgain) {
    int decodable = 0;
    for (int lead = 0; lead <= 0xFF; ++lead) {
        for (int trail = -1; trail <= 0xFF; ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (trail >= 0) {
                bytes += static_cast<char>(trail);
            }
            std::string utf8;
            try {
                utf8 = cp932ToUtf8(bytes);
            } catch (const ConversionError&) {
                continue;
            }
            ++decodable;
            ASSERT_NO_THROW(EXPECT_EQ(cp932ToUtf8(utf8ToCp932(utf8)), utf8))
                << "bytes " << lead << " " << trail;
        }
    }
    EXPECT_GT(decodable, 10000);
}

struct Refusal {
    const char* name;
    std::string_view utf8;  // the input, whichever encoding the conversion reads
    const char* message;
};

// Each row's input is refused by `convert` with exactly the row's message.
template <std::size_t N, typename Convert>
void expectRefusals(const Refusal (&rows)[N], Convert convert) {
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            convert(row.utf8);
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST(Cp932Test, RefusesWhatCodePage932CannotHold) {
    const Refusal rows[] = {
        {"e acute", "caf\xC3\xA9",
         "U+00E9 \"\xC3\xA9\" (character 4, counting Unicode characters from 1) is not in code "
         "page "
         "932"},
        {"emoji after a double-byte character", "\xE3\x81\x82\xF0\x9F\x98\x80",
         "U+1F600 \"\xF0\x9F\x98\x80\" (character 2, counting Unicode characters from 1) is not in "
         "code page 932"},
        {"yen sign", "\xC2\xA5",
         "U+00A5 \"\xC2\xA5\" (character 1, counting Unicode characters from 1) is not in code "
         "page "
         "932"},
        {"overline", "a\xE2\x80\xBE",
         "U+203E \"\xE2\x80\xBE\" (character 2, counting Unicode characters from 1) is not in code "
         "page 932"},
        {"tag letter", "a\xF3\xA0\x81\x81",
         "U+E0041 (character 2, counting Unicode characters from 1) is not in code page 932"},
        {"c1 control", "\xC2\x85",
         "U+0085 (character 1, counting Unicode characters from 1) is not in code page 932"},
    };
    expectRefusals(rows, [](std::string_view input) { return utf8ToCp932(input); });
}

TEST(Cp932Test, RefusesMalformedUtf8) {
    const Refusal rows[] = {
        {"lone continuation byte", "a\x80",
         "invalid UTF-8 at character 2, byte 2 (counting from 1): unexpected continuation byte "
         "0x80"},
        {"truncated at the end", "\xE3\x81\x82\xE3\x81",
         "invalid UTF-8 at character 2, byte 4 (counting from 1): truncated sequence 0xE3 0x81"},
        {"truncated before ascii", "\xE3\x81z",
         "invalid UTF-8 at character 1, byte 1 (counting from 1): truncated sequence 0xE3 0x81"},
        {"overlong slash", "\xC0\xAF",
         "invalid UTF-8 at character 1, byte 1 (counting from 1): overlong encoding 0xC0 0xAF of "
         "U+002F \"/\""},
        {"overlong three bytes", "ab\xE0\x80\x80",
         "invalid UTF-8 at character 3, byte 3 (counting from 1): overlong encoding 0xE0 0x80 0x80 "
         "of U+0000"},
        {"surrogate", "\xED\xA0\x80",
         "invalid UTF-8 at character 1, byte 1 (counting from 1): surrogate U+D800 encoded as 0xED "
         "0xA0 0x80"},
        {"beyond unicode", "\xF4\x90\x80\x80",
         "invalid UTF-8 at character 1, byte 1 (counting from 1): value beyond U+10FFFF encoded as "
         "0xF4 0x90 0x80 0x80"},
        {"byte ff", "\xFF",
         "invalid UTF-8 at character 1, byte 1 (counting from 1): byte 0xFF never occurs in UTF-8"},
    };
    expectRefusals(rows, [](std::string_view input) { return utf8ToCp932(input); });
}

TEST(Cp932Test, CanHold) {
    const struct {
        const char* name;
        char32_t codePoint;
        bool held;
    } rows[] = {
        {"backslash", U'\\', true},
        {"tilde", U'~', true},
        {"hiragana a", U'\u3042', true},
        {"circled one", U'\u2460', true},
        {"taka", U'\u9AD9', true},
        {"half-width a", U'\uFF71', true},
        {"e acute", U'\u00E9', false},
        {"emoji", U'\U0001F600', false},
        {"yen sign", U'\u00A5', false},
        {"tag letter", U'\U000E0041', false},
        {"surrogate", char32_t{0xD800}, false},
        {"beyond unicode", char32_t{0x110000}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cp932CanHold(row.codePoint), row.held);
    }
}

TEST(Cp932Test, StrictDecodingNamesTheBytes) {
    const Refusal rows[] = {
        {"undefined single byte", "ab\x80",
         "0x80 at byte 3 (counting bytes from 1) is not a code page 932 character"},
        {"byte fd", "\xFD",
         "0xFD at byte 1 (counting bytes from 1) is not a code page 932 character"},
        {"lead byte with a bad second byte", "\x81\x20",
         "0x81 0x20 at byte 1 (counting bytes from 1) is not a code page 932 character"},
        {"lone lead byte at the end", "\x82\xA0\x81",
         "0x81 at byte 3 (counting bytes from 1) is a lead byte without its second byte"},
    };
    expectRefusals(rows, [](std::string_view input) { return cp932ToUtf8(input); });
}

TEST(Cp932Test, LenientDecodingShowsEachBadByte) {
    const Pair rows[] = {
        {"lone lead byte at the end", "a\xEF\xBF\xBD", "a\x81"},
        {"lead byte with a bad second byte", "\xEF\xBF\xBD b",
         "\x81\x20"
         "b"},
        {"two undefined bytes around a character", "\xEF\xBF\xBD\xE3\x81\x82\xEF\xBF\xBD",
         "\x80\x82\xA0\xFF"},
    };
    for (const Pair& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cp932ToUtf8Lenient(row.cp932), row.utf8);
    }
}

}  // namespace
}  // namespace huewright
