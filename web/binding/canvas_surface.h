#pragma once

#include "generator/preview.h"

namespace huewright {

/// The preview strip on the page: the painter's requests go to the 2D contexts of the page's
/// canvases (Module.huewrightPreview), each scaled to its own pixels per strip pixel, and text is
/// measured in the first, which is 407 × 47.
class CanvasSurface final : public DrawingSurface {
  public:
    void fillRectangle(int left, int top, int right, int bottom, ColourValue colour) override;
    /// The face as typed, then a Japanese Gothic face where the typed one is missing.
    void setFont(const PreviewFont& font) override;
    void setTextColour(ColourValue colour) override;
    TextExtent measure(std::string_view text) override;
    void drawTransparent(int x, int y, std::string_view text) override;

  private:
    PreviewFont font_;
};

}  // namespace huewright
