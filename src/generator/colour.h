#pragma once

#include <cstdint>
#include <string>

namespace huewright {

/// A Windows colour value: red in bits 0-7, green in 8-15, blue in 16-23; bits 24-31 are carried
/// along but never take part in colour arithmetic.
using ColorValue = std::uint32_t;

constexpr int redOf(ColorValue c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(ColorValue c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(ColorValue c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

/// Appends the six-digit code of `c` (red, green, blue; bits 24-31 ignored), digits A-F in upper
/// case when `upperCase`, else in lower case. No "#" is written.
void appendColourCode(std::string& out, ColorValue c, bool upperCase);

}  // namespace huewright
