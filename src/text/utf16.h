#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace huewright {

/// The order of the two bytes of each UTF-16 code unit.
enum class Utf16ByteOrder { LittleEndian, BigEndian };

/// UTF-16 decoded to its end.
struct Utf16Decoded {
    /// The characters as UTF-8, except that a surrogate without its other half keeps its code
    /// point in the three-byte form, which UTF-8 refuses: nothing is lost, and no reader can take
    /// it for a character.
    std::string utf8;
    bool complete = true;  ///< false when the bytes end in half a code unit, which is left out
};

/// `bytes`, UTF-16 code units in `order` without a byte-order mark (a U+FEFF among them stays a
/// character), as UTF-8 with lone surrogates kept.
Utf16Decoded utf16ToUtf8(std::string_view bytes, Utf16ByteOrder order);

/// `utf8` as UTF-16 code units in `order`, without a byte-order mark. Throws ConversionError for
/// malformed UTF-8.
std::string utf8ToUtf16(std::string_view utf8, Utf16ByteOrder order);

/// A text that utf16ToUtf8 gave back as UTF-16, with every lone surrogate its code unit again.
/// Throws ConversionError for other malformed UTF-8.
std::string utf8ToUtf16KeepingLoneSurrogates(std::string_view decoded, Utf16ByteOrder order);

/// A surrogate code unit without its other half.
struct LoneSurrogate {
    char16_t unit = 0;
    std::size_t character = 0;  ///< the character of its text it stands for, counting from 1
};

/// The first lone surrogate in `decoded`, a text as utf16ToUtf8 gives it; nullopt when none.
std::optional<LoneSurrogate> firstLoneSurrogate(std::string_view decoded);

}  // namespace huewright
