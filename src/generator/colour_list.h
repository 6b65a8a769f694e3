#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/colour.h"

namespace huewright {

/// The colour value a colour code spells: "#RRGGBB" or "RRGGBB", hexadecimal digits in either
/// letter case, red first (so red lands in the low byte). Empty for anything else.
std::optional<ColourValue> parseColourCode(std::string_view code);

/// What reading a list of colour stops gave: the stops, or why there are none.
struct ColourListRead {
    std::vector<ColourValue> stops;
    std::string problem;  ///< empty when the list was read
};

/// The stops of "C1,C2,...": 2 to kMostStops colour codes separated by commas.
ColourListRead parseColourList(std::string_view list);

/// `stops` as parseColourList reads them back: "#RRGGBB,#RRGGBB", upper case.
std::string colourListText(const std::vector<ColourValue>& stops);

}  // namespace huewright
