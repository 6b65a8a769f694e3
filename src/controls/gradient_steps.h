#pragma once

#include <string_view>
#include <vector>

#include "generator/colour.h"

namespace huewright {

/// One character of a label caption and the colour it is drawn in.
struct GradientCharacter {
    std::string_view bytes;  ///< one code page 932 character: one byte, or two after a lead byte
    ColourValue colour;
};

/// The characters of code page 932 `caption`, in order, each with its colour: `start` moved, per
/// channel, one whole-number step towards `end` per character. A step is the channel's difference
/// divided by (character count - 1), truncated once, so the last character may stop short of
/// `end`. Bits 24-31 of `start` are carried into every colour. The views point into `caption`.
std::vector<GradientCharacter> gradientCharacters(std::string_view caption, ColourValue start,
                                                  ColourValue end);

}  // namespace huewright
