#include "generator/colour_code.h"

#include <charconv>

namespace huewright {

std::string colourToCode(ColourValue colour, bool hash, bool upperCase) {
    std::string code = hash ? "#" : "";
    appendColourCode(code, colour, upperCase);
    return code;
}

std::string cssColour(ColourValue colour) {
    return colourToCode(colour, true, false);
}

ColourValue codeToColour(std::string_view code, ColourValue fallback) {
    if (code.starts_with('#')) {
        code.remove_prefix(1);
    }
    // The pairs by position, blue first, so that the digits read in the colour value's order.
    const auto pair = [&](std::size_t start) {
        return start < code.size() ? code.substr(start, 2) : std::string_view();
    };
    std::string digits;
    for (const std::size_t start : {std::size_t{4}, std::size_t{2}, std::size_t{0}}) {
        digits.append(pair(start));
    }
    // from_chars would stop at the first non-digit; every character read must be a digit.
    ColourValue value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, 16);
    return digits.empty() || error != std::errc() || stop != end ? fallback : value;
}

}  // namespace huewright
