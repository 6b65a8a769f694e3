#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include "generator/preview.h"

namespace huewright {

/// The preview bitmap: a 407 × 47 image that the preview painter fills, measures and draws on.
class QtDrawingSurface final : public DrawingSurface {
  public:
    /// `pixelsPerInch` turns point sizes into pixel heights, as the screen does.
    explicit QtDrawingSurface(int pixelsPerInch);

    const QImage& image() const { return image_; }
    /// The font text is drawn in now.
    const QFont& font() const { return font_; }

    void fillRectangle(int left, int top, int right, int bottom, ColourValue colour) override;
    void setFont(const PreviewFont& font) override;
    void setTextColour(ColourValue colour) override;
    TextExtent measure(std::string_view text) override;
    void drawTransparent(int x, int y, std::string_view text) override;

  private:
    int pixelsPerInch_;
    QImage image_;
    QFont font_;
    QFontMetrics metrics_;
    QColor colour_;
};

/// A colour value (red in the low byte) as a QColor.
QColor toQColour(ColourValue colour);

}  // namespace huewright
