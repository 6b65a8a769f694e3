#include "text/cp932_codec.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>

#include "text/cp932_bytes.h"

namespace huewright {
namespace {

constexpr unsigned char kFirstSecondByte = 0x40;
constexpr unsigned char kLastSecondByte = 0xFC;
constexpr std::size_t kSecondBytes = kLastSecondByte - kFirstSecondByte + 1;

// A character that glibc writes otherwise than buildWrittenForms' rule would.
struct Cp932Exception {
    char16_t codePoint;
    std::uint16_t bytes;  // as in WrittenForms
};

// kDoubleByte and kExceptions, made from glibc by scripts/generate-cp932-table.
#include "text/cp932_table.inc"

// Lead bytes 0x81-0x9F take rows 0-30 of kDoubleByte, 0xE0-0xFC the rows after them.
constexpr std::size_t kLowLeadRows = 0x9F - 0x81 + 1;

constexpr std::size_t rowOf(unsigned char lead) {
    return lead < 0xE0 ? lead - 0x81u : lead - 0xE0u + kLowLeadRows;
}

constexpr unsigned char leadOf(std::size_t row) {
    return static_cast<unsigned char>(row < kLowLeadRows ? 0x81 + row : 0xE0 + row - kLowLeadRows);
}

// The character of a byte that is no lead byte: ASCII, with 0x5C a backslash and 0x7E a tilde,
// and half-width katakana at 0xA1-0xDF.
std::optional<char32_t> singleByteCharacter(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xA1 && byte <= 0xDF) {
        return char32_t{0xFF61} + (byte - 0xA1u);
    }
    return std::nullopt;
}

// The bytes of each character of the Basic Multilingual Plane from U+0080 on (code page 932
// holds none beyond it): a single byte below 0x100, else a lead byte and a second byte; 0 when
// the character is not held.
using WrittenForms = std::array<std::uint16_t, 0x10000>;

// On the heap: a thread's stack may be smaller than the table.
std::unique_ptr<WrittenForms> buildWrittenForms() {
    auto table = std::make_unique<WrittenForms>();
    WrittenForms& forms = *table;
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (const auto character = singleByteCharacter(static_cast<unsigned char>(byte))) {
            forms[*character] = static_cast<std::uint16_t>(byte);
        }
    }
    // A character that several pairs read as is written as the first of them. Rows 0xED and
    // 0xEE, NEC's copies of IBM's extensions, are read but written only when no other row holds
    // the character: glibc, like Windows, writes IBM's own rows 0xFA-0xFC.
    for (const bool necCopies : {false, true}) {
        for (std::size_t row = 0; row < std::size(kDoubleByte); ++row) {
            const unsigned char lead = leadOf(row);
            if ((lead == 0xED || lead == 0xEE) != necCopies) {
                continue;
            }
            for (std::size_t column = 0; column < kSecondBytes; ++column) {
                const char16_t character = kDoubleByte[row][column];
                if (character != 0 && forms[character] == 0) {
                    forms[character] = static_cast<std::uint16_t>(std::size_t{lead} << 8 |
                                                                  (kFirstSecondByte + column));
                }
            }
        }
    }
    for (const Cp932Exception& exception : kExceptions) {
        forms[exception.codePoint] = exception.bytes;
    }
    return table;
}

}  // namespace

Cp932Character decodeCp932(std::string_view bytes, std::size_t offset) noexcept {
    const auto byte = static_cast<unsigned char>(bytes[offset]);
    if (!isLeadByte(byte)) {
        const auto character = singleByteCharacter(byte);
        return character ? Cp932Character{*character, 1} : Cp932Character{};
    }
    if (offset + 1 == bytes.size()) {
        return {};
    }
    const auto second = static_cast<unsigned char>(bytes[offset + 1]);
    if (second < kFirstSecondByte || second > kLastSecondByte) {
        return {};
    }
    const char16_t character = kDoubleByte[rowOf(byte)][second - kFirstSecondByte];
    return character != 0 ? Cp932Character{character, 2} : Cp932Character{};
}

std::uint16_t cp932BytesOf(char32_t codePoint) noexcept {
    if (codePoint < 0x80) {
        return static_cast<std::uint16_t>(codePoint);
    }
    if (codePoint > 0xFFFF) {
        return 0;
    }
    static const std::unique_ptr<const WrittenForms> forms = buildWrittenForms();
    return (*forms)[codePoint];
}

bool appendCp932(std::string& out, char32_t codePoint) {
    const std::uint16_t bytes = cp932BytesOf(codePoint);
    if (bytes == 0 && codePoint != 0) {
        return false;
    }
    if (bytes > 0xFF) {
        out += static_cast<char>(bytes >> 8);
    }
    out += static_cast<char>(bytes & 0xFF);
    return true;
}

}  // namespace huewright
