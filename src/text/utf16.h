#pragma once

#include <string>
#include <string_view>

namespace huewright {

/// The order of the two bytes of each UTF-16 code unit.
enum class Utf16ByteOrder { LittleEndian, BigEndian };

/// UTF-16 decoded as far as it is well-formed.
struct Utf16Decoded {
    std::string utf8;      ///< the characters before the first fault, as UTF-8
    bool complete = true;  ///< false when a fault stopped decoding
};

/// `bytes`, UTF-16 code units in `order` without a byte-order mark (a U+FEFF among them stays a
/// character), as UTF-8. Decoding stops before an unpaired surrogate, and before a unit or a
/// surrogate pair cut short by the end.
Utf16Decoded utf16ToUtf8(std::string_view bytes, Utf16ByteOrder order);

/// `utf8` as UTF-16 code units in `order`, without a byte-order mark. Throws ConversionError for
/// malformed UTF-8.
std::string utf8ToUtf16(std::string_view utf8, Utf16ByteOrder order);

}  // namespace huewright
