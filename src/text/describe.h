#pragma once

#include <string>
#include <string_view>

namespace huewright {

/// "U+00E9": the code point as Unicode writes it, in at least four upper-case hexadecimal digits.
std::string unicodeNotation(char32_t codePoint);

/// "U+00E9 "é"": the code point's unicodeNotation and, unless the character is invisible on its own
/// (a control, format or private-use character), the character itself in double quotes.
std::string describeCodePoint(char32_t codePoint);

/// The bytes as "0x81 0x20": upper-case hexadecimal, separated by blanks.
std::string describeBytes(std::string_view bytes);

}  // namespace huewright
