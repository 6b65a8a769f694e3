#include "generator/colour_list.h"

#include <algorithm>
#include <charconv>

#include "generator/colour_code.h"
#include "generator/progression.h"
#include "text/decimal.h"

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

ColourListRead parseColourList(std::string_view list) {
    ColourListRead read;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::optional<ColourValue> colour = parseColourCode(list.substr(at, comma - at));
        if (!colour) {
            return {{},
                    "expected 2 to 16 colour codes (#RRGGBB or RRGGBB) separated by commas, not "
                    "\"" +
                        std::string(list) + "\""};
        }
        read.stops.push_back(*colour);
        at = comma + 1;
    }
    if (read.stops.size() < 2 || read.stops.size() > kMostStops) {
        const std::size_t given = read.stops.size();
        return {{},
                decimal(given) + (given == 1 ? " colour code" : " colour codes") +
                    " given; a run takes 2 to 16"};
    }
    return read;
}

std::string colourListText(const std::vector<ColourValue>& stops) {
    std::string text;
    for (const ColourValue stop : stops) {
        text += (text.empty() ? "" : ",") + colourToCode(stop, true, true);
    }
    return text;
}

}  // namespace huewright
