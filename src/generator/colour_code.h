#pragma once

#include <string>
#include <string_view>

#include "generator/colour.h"

namespace huewright {

/// The code the colour-code dialog shows for `colour`: "#" when `hash`, then six hexadecimal
/// digits red, green, blue (bits 24-31 ignored), in lower case unless `upperCase`.
std::string colourToCode(ColourValue colour, bool hash, bool upperCase);

/// `colour` as CSS and an HTML colour input write it: "#rrggbb", in lower case.
std::string cssColour(ColourValue colour);

/// The colour a typed code spells. A leading "#" is skipped when there is one; of the rest, the
/// first six characters are read as red, green and blue pairs, anything after them is ignored,
/// and a shorter text gives fewer digits and so a smaller number ("F" is 0x00000F, "FFF" is
/// 0x000FFF). An empty text, or a blank, sign or other non-digit among the characters read,
/// gives `fallback`.
ColourValue codeToColour(std::string_view code, ColourValue fallback);

}  // namespace huewright
