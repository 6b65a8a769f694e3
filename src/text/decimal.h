#pragma once

#include <charconv>
#include <concepts>
#include <string>

namespace huewright {

/// Appends `value` in decimal: a "-" when negative, no leading zeros or separators, whatever the
/// locale says.
template <std::integral Integer>
void appendDecimal(std::string& out, Integer value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

/// `value` in decimal, as appendDecimal writes it.
template <std::integral Integer>
std::string decimal(Integer value) {
    std::string out;
    appendDecimal(out, value);
    return out;
}

}  // namespace huewright
