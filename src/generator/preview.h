#pragma once

#include <string>
#include <string_view>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/output.h"

namespace huewright {

/// The preview strip's size in pixels.
inline constexpr int kPreviewWidth = 407;
inline constexpr int kPreviewHeight = 47;

/// Point size of the preview font for an HTML font size 1..7: 8, 10, 12, 14, 18, 24, 36.
int htmlSizeToPoints(int htmlSize);

/// The font the preview draws in: face (code page 932 bytes), size in points and style.
struct PreviewFont {
    std::string face{kWindowFaceName};
    int points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const PreviewFont&, const PreviewFont&) = default;
};

/// Width and height of a string's text cell in pixels.
struct TextExtent {
    int width;
    int height;
};

/// What the preview asks of the platform: a bitmap it fills, measures and draws text on.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;
    /// Fills the rectangle from (left, top) up to, not including, (right, bottom).
    virtual void fillRectangle(int left, int top, int right, int bottom, ColourValue colour) = 0;
    /// Sets face, size and style of the font text is measured and drawn in.
    virtual void setFont(const PreviewFont& font) = 0;
    /// Sets the colour text is drawn in.
    virtual void setTextColour(ColourValue colour) = 0;
    /// The extent of `text` (UTF-8) in the current font.
    virtual TextExtent measure(std::string_view text) = 0;
    /// Draws `text` (UTF-8) with its cell's top-left corner at (x, y), the background left
    /// showing.
    virtual void drawTransparent(int x, int y, std::string_view text) = 0;
};

/// Draws one run of the generator into the preview: the background first, then each character,
/// in the order the markup receives them, bottom-aligned one pixel above the bottom edge.
class PreviewPainter final : public CharacterObserver {
  public:
    /// Clears `surface` with the run's background and sets the base font; the run's characters
    /// come in `characters`.
    PreviewPainter(DrawingSurface& surface, const GradationSettings& settings,
                   const PreviewFont& font, TextEncoding characters = TextEncoding::Cp932);

    void onCharacter(std::string_view character, ColourValue colour, int size) override;

  private:
    DrawingSurface& surface_;
    PreviewFont font_;
    bool sizePattern_;
    TextEncoding characters_;
    int x_ = 0;
};

}  // namespace huewright
