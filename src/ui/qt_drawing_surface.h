#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include "generator/preview.h"

namespace huewright {

/// The preview bitmap: a 407 × 47 image that the preview painter fills, measures and draws on.
/// On a screen with more device pixels per pixel it draws the same again at the screen's
/// resolution, for display.
class QtDrawingSurface final : public DrawingSurface {
  public:
    /// `pixelsPerInch` turns point sizes into pixel heights, as the screen does;
    /// `devicePixelRatio` is the screen's device pixels per pixel.
    QtDrawingSurface(int pixelsPerInch, qreal devicePixelRatio);

    /// The bitmap, 407 × 47 pixels.
    const QImage& image() const { return image_; }
    /// The bitmap as the screen shows it: the same drawing at the screen's resolution.
    const QImage& screenImage() const { return screenImage_.isNull() ? image_ : screenImage_; }
    /// The font text is drawn in now.
    const QFont& font() const { return font_; }

    void fillRectangle(int left, int top, int right, int bottom, ColourValue colour) override;
    void setFont(const PreviewFont& font) override;
    void setTextColour(ColourValue colour) override;
    TextExtent measure(std::string_view text) override;
    void drawTransparent(int x, int y, std::string_view text) override;

  private:
    /// Paints `draw` into the bitmap and, if there is one, the screen's image.
    template <typename Draw>
    void paint(const Draw& draw);

    int pixelsPerInch_;
    QImage image_;
    QImage screenImage_;  ///< null where the screen has one device pixel per pixel
    QFont font_;
    QFontMetrics metrics_;
    QColor colour_;
};

}  // namespace huewright
