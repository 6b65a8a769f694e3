#pragma once

#include <QColor>

#include "generator/colour.h"

namespace huewright {

/// A colour value (red in the low byte, the top byte ignored) as a QColor.
inline QColor toQColour(ColourValue colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

}  // namespace huewright
