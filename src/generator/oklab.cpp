#include "generator/oklab.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace huewright {

namespace {

double linearFromCode(double code) {
    const double v = code / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

bool isGrey(ColourValue c) {
    return redOf(c) == greenOf(c) && greenOf(c) == blueOf(c);
}

}  // namespace

// The matrices are Ottosson's, from linear sRGB through cone responses (LMS) to OKLab and back.
Oklab toOklab(ColourValue colour) {
    const double r = linearFromCode(redOf(colour));
    const double g = linearFromCode(greenOf(colour));
    const double b = linearFromCode(blueOf(colour));
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

SrgbRounding::SrgbRounding() {
    for (std::size_t k = 0; k < halfways_.size(); ++k) {
        halfways_[k] = linearFromCode(static_cast<double>(k) + 0.5);
    }
}

int SrgbRounding::code(double linear) const {
    // Encoding is monotonic, so the nearest code is the number of half-way points at or below.
    return static_cast<int>(std::upper_bound(halfways_.begin(), halfways_.end(), linear) -
                            halfways_.begin());
}

ColourValue SrgbRounding::nearest(const Oklab& colour) const {
    const double l = colour.l + 0.3963377774 * colour.a + 0.2158037573 * colour.b;
    const double m = colour.l - 0.1055613458 * colour.a - 0.0638541728 * colour.b;
    const double s = colour.l - 0.0894841775 * colour.a - 1.2914855480 * colour.b;
    const double l3 = l * l * l;
    const double m3 = m * m * m;
    const double s3 = s * s * s;
    const int r = code(4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3);
    const int g = code(-1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3);
    const int b = code(-0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3);
    return static_cast<ColourValue>(r | (g << 8) | (b << 16));
}

PerceptualBlend::PerceptualBlend(ColourValue from, ColourValue to, Blend blend,
                                 const SrgbRounding& rounding)
    : from_(from), to_(to), polar_(blend == Blend::Oklch), rounding_(rounding) {
    const Oklab a = toOklab(from);
    const Oklab b = toOklab(to);
    if (!polar_) {
        start_ = a;
        delta_ = {b.l - a.l, b.a - a.a, b.b - a.b};
        return;
    }
    double fromHue = std::atan2(a.b, a.a);
    double toHue = std::atan2(b.b, b.a);
    // A grey has no hue of its own: it takes the other stop's, so the blend keeps to one hue.
    if (isGrey(from)) {
        fromHue = toHue;
    } else if (isGrey(to)) {
        toHue = fromHue;
    }
    double turn = toHue - fromHue;
    if (turn > std::numbers::pi) {
        turn -= 2 * std::numbers::pi;
    } else if (turn < -std::numbers::pi) {
        turn += 2 * std::numbers::pi;
    }
    const double fromChroma = std::hypot(a.a, a.b);
    start_ = {a.l, fromChroma, fromHue};
    delta_ = {b.l - a.l, std::hypot(b.a, b.b) - fromChroma, turn};
}

ColourValue PerceptualBlend::at(std::int64_t p, std::int64_t d) const {
    if (p <= 0) {
        return from_;
    }
    if (p >= d) {
        return to_;
    }
    const double t = static_cast<double>(p) / static_cast<double>(d);
    Oklab c{start_.l + delta_.l * t, start_.a + delta_.a * t, start_.b + delta_.b * t};
    if (polar_) {
        c = {c.l, c.a * std::cos(c.b), c.a * std::sin(c.b)};
    }
    return rounding_.nearest(c) | (from_ & 0xFF000000u);
}

}  // namespace huewright
