#pragma once

#include <optional>
#include <string_view>

#include "generator/colour.h"

namespace huewright {

/// The colour value a command-line colour code spells: "#RRGGBB" or "RRGGBB", hexadecimal digits
/// in either letter case, red first (so red lands in the low byte). Empty for anything else.
std::optional<ColourValue> parseColourCode(std::string_view code);

}  // namespace huewright
