#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace huewright {

/// A Windows colour value: red in bits 0-7, green in 8-15, blue in 16-23; bits 24-31 are carried
/// along but never take part in colour arithmetic.
using ColourValue = std::uint32_t;

constexpr int redOf(ColourValue c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(ColourValue c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(ColourValue c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

namespace detail {

using HexPair = std::array<char, 2>;

constexpr std::array<HexPair, 256> hexPairs(const char* digits) {
    std::array<HexPair, 256> table{};
    for (std::size_t v = 0; v < table.size(); ++v) {
        table[v] = {digits[v >> 4], digits[v & 0xF]};
    }
    return table;
}

inline constexpr auto kUpperHex = hexPairs("0123456789ABCDEF");
inline constexpr auto kLowerHex = hexPairs("0123456789abcdef");

}  // namespace detail

/// Writes the six-digit code of `c` at `out` as appendColourCode does; returns its end.
inline char* writeColourCode(char* out, ColourValue c, bool upperCase) {
    const auto& pairs = upperCase ? detail::kUpperHex : detail::kLowerHex;
    for (const int channel : {redOf(c), greenOf(c), blueOf(c)}) {
        std::memcpy(out, pairs[static_cast<std::size_t>(channel)].data(), 2);
        out += 2;
    }
    return out;
}

/// Appends the six-digit code of `c` (red, green, blue; bits 24-31 ignored), digits A-F in upper
/// case when `upperCase`, else in lower case. No "#" is written.
void appendColourCode(std::string& out, ColourValue c, bool upperCase);

}  // namespace huewright
