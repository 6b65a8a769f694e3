#include "generator/preview.h"

#include <algorithm>
#include <array>

#include "text/cp932.h"

namespace huewright {

int htmlSizeToPoints(int htmlSize) {
    static constexpr std::array<int, 7> kPoints = {8, 10, 12, 14, 18, 24, 36};
    // Sizes come from 1..7 spin edits; anything else is held to the nearest end of the table.
    return kPoints[static_cast<std::size_t>(std::clamp(htmlSize, 1, 7) - 1)];
}

PreviewPainter::PreviewPainter(DrawingSurface& surface, const GradationSettings& settings,
                               const PreviewFont& font, TextEncoding characters)
    : surface_(surface), font_(font), sizePattern_(settings.sizePattern), characters_(characters) {
    surface_.fillRectangle(0, 0, kPreviewWidth, kPreviewHeight, settings.backgroundColour);
    surface_.setFont(font_);
}

void PreviewPainter::onCharacter(std::string_view character, ColourValue colour, int size) {
    // A character starting past the right edge cannot be seen; the markup still holds it.
    if (x_ >= kPreviewWidth) {
        return;
    }
    surface_.setTextColour(colour);
    if (sizePattern_) {
        const int points = htmlSizeToPoints(size);
        if (points != font_.points) {
            font_.points = points;
            surface_.setFont(font_);
        }
    }
    const std::string utf8 =
        characters_ == TextEncoding::Cp932 ? cp932ToUtf8Lenient(character) : std::string(character);
    const TextExtent extent = surface_.measure(utf8);
    surface_.drawTransparent(x_, kPreviewHeight - extent.height - 1, utf8);
    x_ += extent.width;
}

}  // namespace huewright
