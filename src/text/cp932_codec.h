#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace huewright {

/// One character read from code page 932 bytes.
struct Cp932Character {
    char32_t codePoint = 0;
    std::size_t length = 0;  ///< bytes it takes, 1 or 2; 0 when the bytes there are no character
};

/// The character at byte `offset` of `bytes` (offset < bytes.size()) as glibc's iconv "CP932"
/// reads it: a single byte, or a lead byte and the byte after it. None (length 0) for 0x80, 0xA0
/// and 0xFD-0xFF, for a lead byte at the end, and for a pair that holds no character.
Cp932Character decodeCp932(std::string_view bytes, std::size_t offset) noexcept;

/// The code page 932 bytes of `codePoint` as glibc's iconv "CP932" writes them: one byte (below
/// 0x100), or a lead byte and a second byte (lead << 8 | second); 0 when glibc refuses the
/// character or writes nothing for it (a Unicode tag character), and for U+00A5 and U+203E,
/// which glibc writes as 0x5C and 0x7E: those read back as a backslash and a tilde. U+0000 is
/// the byte 0 itself.
std::uint16_t cp932BytesOf(char32_t codePoint) noexcept;

/// Appends the code page 932 bytes of `codePoint` (cp932BytesOf) and returns true; returns false,
/// with `out` unchanged, for a character that has none.
bool appendCp932(std::string& out, char32_t codePoint);

}  // namespace huewright
