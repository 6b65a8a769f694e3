#pragma once

#include <string>
#include <string_view>

#include "text/conversion_error.h"

namespace huewright {

/// `utf8` as code page 932 bytes (Windows semantics: 0x5C is a backslash, 0x7E a tilde, NEC and
/// IBM extensions included). Throws ConversionError for malformed UTF-8 and for a character that
/// code page 932 cannot hold; nothing is ever replaced.
std::string utf8ToCp932(std::string_view utf8);

/// Whether code page 932 holds `codePoint`, so that utf8ToCp932 would accept it. U+00A5 (yen)
/// and U+203E (overline) are refused: their only bytes read back as a backslash and a tilde.
bool cp932CanHold(char32_t codePoint) noexcept;

/// `bytes` in code page 932 as UTF-8. Throws ConversionError naming the first bytes that do not
/// decode and where they stand.
std::string cp932ToUtf8(std::string_view bytes);

/// `bytes` in code page 932 as UTF-8 for display: every byte that does not decode shows as U+FFFD,
/// and decoding goes on with the byte after it.
std::string cp932ToUtf8Lenient(std::string_view bytes);

}  // namespace huewright
