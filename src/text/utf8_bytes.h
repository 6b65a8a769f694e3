#pragma once

#include <cstddef>
#include <string_view>

namespace huewright {

/// What breaks UTF-8's rules at a character's start.
enum class Utf8Fault {
    None,
    StrayContinuation,  ///< a continuation byte where a character starts
    ImpossibleByte,     ///< 0xF8-0xFF, which never occur
    Truncated,          ///< fewer continuation bytes than the lead byte promises
    Overlong,           ///< a longer sequence than the value needs
    Surrogate,          ///< U+D800..U+DFFF, which only UTF-16 uses
    BeyondUnicode,      ///< a value above U+10FFFF
};

/// One character read from UTF-8: its code point and length in bytes, or its fault and the
/// bytes the fault is about (the lead byte alone, the truncated start, or the whole sequence).
struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0;
    Utf8Fault fault = Utf8Fault::None;
};

/// Reads the character that starts at byte `offset` of `text` (offset < text.size()), by every
/// rule of UTF-8; allocates nothing, for the writers' loops.
constexpr Utf8Sequence utf8SequenceAt(std::string_view text, std::size_t offset) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(offset);
    if (lead < 0x80) {
        return {lead, 1, Utf8Fault::None};
    }
    if (lead < 0xC0) {
        return {0, 1, Utf8Fault::StrayContinuation};
    }
    if (lead >= 0xF8) {
        return {0, 1, Utf8Fault::ImpossibleByte};
    }
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t value = lead & (0xFFu >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (offset + i >= text.size() || (byteAt(offset + i) & 0xC0) != 0x80) {
            return {0, i, Utf8Fault::Truncated};
        }
        value = (value << 6) | (byteAt(offset + i) & 0x3Fu);
    }
    if (value < kSmallest[length]) {
        return {value, length, Utf8Fault::Overlong};
    }
    if (value >= 0xD800 && value <= 0xDFFF) {
        return {value, length, Utf8Fault::Surrogate};
    }
    if (value > 0x10FFFF) {
        return {value, length, Utf8Fault::BeyondUnicode};
    }
    return {value, length, Utf8Fault::None};
}

/// Bytes the UTF-8 form of `codePoint`, a Unicode scalar value, takes.
constexpr std::size_t utf8Length(char32_t codePoint) {
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

/// Writes the UTF-8 form of `codePoint`, a Unicode scalar value, at `out`, where there is room
/// for it, and returns the end of what it wrote.
constexpr char* putUtf8(char* out, char32_t codePoint) {
    const auto c = static_cast<unsigned>(codePoint);
    const auto put = [&](unsigned byte) { *out++ = static_cast<char>(byte); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace huewright
