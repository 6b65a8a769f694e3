#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "generator/shift_jis.h"

namespace huewright {

/// Code page 932 characters, the window's: one byte, or a lead byte and the byte after it.
struct Cp932Characters {
    std::int64_t count(std::string_view text) const { return characterCount(text); }
    std::size_t lengthAt(std::string_view text, std::size_t pos) const {
        return characterLengthAt(text, pos);
    }
};

/// The end, in bytes, of the character that starts at byte `start` of UTF-8 `text`
/// (start < text.size()).
using CharacterEnd = std::size_t (*)(std::string_view text, std::size_t start);

/// UTF-8 characters as a CharacterEnd finds them.
struct Utf8Characters {
    CharacterEnd end;

    std::int64_t count(std::string_view text) const {
        std::int64_t n = 0;
        for (std::size_t pos = 0; pos < text.size(); pos = end(text, pos)) {
            ++n;
        }
        return n;
    }
    std::size_t lengthAt(std::string_view text, std::size_t pos) const {
        return end(text, pos) - pos;
    }
};

}  // namespace huewright
