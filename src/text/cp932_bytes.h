#pragma once

#include <cstddef>
#include <string_view>

namespace huewright {

/// True for a code page 932 lead byte (0x81-0x9F, 0xE0-0xFC): it and the byte after it form one
/// character.
constexpr bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// Length in bytes of the character starting at `pos` of `text` (pos < text.size()): 2 for a lead
/// byte followed by another byte, else 1. A lead byte at the very end is a character of one byte.
constexpr std::size_t characterLengthAt(std::string_view text, std::size_t pos) {
    return isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

}  // namespace huewright
