#include "cli/colour_argument.h"

#include <charconv>

namespace huewright {

std::optional<ColourValue> parseColourCode(std::string_view code) {
    if (code.starts_with('#')) {
        code.remove_prefix(1);
    }
    if (code.size() != 6) {
        return std::nullopt;
    }
    ColourValue colour = 0;
    for (std::size_t channel = 0; channel < 3; ++channel) {
        const char* first = code.data() + 2 * channel;
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(first, first + 2, value, 16);
        if (ec != std::errc{} || end != first + 2) {
            return std::nullopt;
        }
        colour |= value << (8 * channel);
    }
    return colour;
}

}  // namespace huewright
