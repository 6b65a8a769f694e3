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

}  // namespace huewright
