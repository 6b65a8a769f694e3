#pragma once

#include <array>
#include <cstdint>

#include "generator/colour.h"

namespace huewright {

/// How the colour moves from one stop to the next.
enum class Blend {
    Rgb,    ///< each channel on its own in exact steps, the window's rule
    Oklab,  ///< along a straight line in Björn Ottosson's OKLab
    Oklch,  ///< in OKLab's polar form: lightness, chroma, and the hue along the shorter arc
};

/// A colour in OKLab: perceived lightness `l` (0 black, 1 white) and the opponent axes `a`, `b`.
struct Oklab {
    double l = 0;
    double a = 0;
    double b = 0;
};

/// `colour` (sRGB, bits 24-31 ignored) in OKLab.
Oklab toOklab(ColourValue colour);

/// Rounds linear-light channel values to the nearest 8-bit sRGB value, by comparing them with the
/// linear values half-way between neighbouring codes; no power function runs per channel.
class SrgbRounding {
  public:
    SrgbRounding();

    /// The 8-bit code nearest to `linear` after sRGB encoding; values outside 0..1 clamp.
    int code(double linear) const;

    /// The sRGB colour nearest to `colour`, each channel clamped to the sRGB range.
    ColourValue nearest(const Oklab& colour) const;

  private:
    std::array<double, 255> halfways_;  // linear value half-way between code k and k + 1
};

/// The colours between two stops in OKLab or OKLCh (not Blend::Rgb): at(p, d) is the colour
/// p / d of the way from `from` to `to`. The stops themselves come back exactly as given.
class PerceptualBlend {
  public:
    PerceptualBlend(ColourValue from, ColourValue to, Blend blend, const SrgbRounding& rounding);

    /// The colour p / d of the way (0 ≤ p; p ≥ d gives `to`, p = 0 gives `from`).
    ColourValue at(std::int64_t p, std::int64_t d) const;

  private:
    ColourValue from_;
    ColourValue to_;
    bool polar_;
    Oklab start_;  // polar: l, chroma, hue in radians
    Oklab delta_;  // polar: the hue difference taken along the shorter arc
    const SrgbRounding& rounding_;
};

}  // namespace huewright
