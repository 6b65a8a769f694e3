#include "binding/canvas_surface.h"

#include <emscripten.h>

#include <cmath>
#include <string>

#include "generator/colour_code.h"
#include "text/cp932.h"

namespace {

// clang-format off
EM_JS(void, fillCanvas, (int left, int top, int width, int height, const char* colour), {
    for (const context of Module.huewrightPreview) {
        context.fillStyle = UTF8ToString(colour);
        context.fillRect(left, top, width, height);
    }
});

// A face name goes into the font shorthand as one CSS string (control characters dropped,
// quotation marks and backslashes escaped); a shorthand the browser cannot read would leave the
// previous font in place, so the Japanese Gothic faces behind it are set on their own first.
EM_JS(void, setCanvasFont, (const char* face, int pixels, bool bold, bool italic,
                            bool underline, bool strikeOut), {
    const fallback = "IPAPGothic, IPAGothic, Noto Sans CJK JP, sans-serif";
    const quote = String.fromCharCode(34);
    const backslash = String.fromCharCode(92);
    let quoted = quote;
    for (const character of UTF8ToString(face)) {
        const code = character.codePointAt(0);
        if (code < 32 || code === 127) {
            continue;
        }
        quoted += (character === quote || character === backslash ? backslash : "") + character;
    }
    quoted += quote;
    const start = (italic ? "italic " : "") + (bold ? "bold " : "") + pixels + "px ";
    for (const context of Module.huewrightPreview) {
        context.font = start + fallback;
        context.font = start + quoted + ", " + fallback;
        context.huewrightLines = {underline, strikeOut, pixels};
    }
});

EM_JS(void, setCanvasTextColour, (const char* colour), {
    for (const context of Module.huewrightPreview) {
        context.fillStyle = UTF8ToString(colour);
    }
});

// The width is the advance rounded to whole pixels; the height is the font's ascent and descent,
// the cell a line of this font takes.
EM_JS(int, measureCanvasText, (const char* text, int* height), {
    const metrics = Module.huewrightPreview[0].measureText(UTF8ToString(text));
    HEAP32[height >> 2] =
        Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    return Math.round(metrics.width);
});

// Text is placed by the top-left corner of its cell; the canvas draws from the baseline. Lines
// under and through the text are drawn by hand: a canvas font has no such style.
EM_JS(void, drawCanvasText, (int x, int y, const char* utf8), {
    const text = UTF8ToString(utf8);
    for (const context of Module.huewrightPreview) {
        const metrics = context.measureText(text);
        const baseline = y + Math.round(metrics.fontBoundingBoxAscent);
        context.fillText(text, x, baseline);
        const lines = context.huewrightLines;
        const thickness = Math.max(1, Math.round(lines.pixels / 16));
        if (lines.underline) {
            context.fillRect(x, baseline + thickness, metrics.width, thickness);
        }
        if (lines.strikeOut) {
            context.fillRect(x, baseline - Math.round(lines.pixels * 0.3), metrics.width,
                             thickness);
        }
    }
});
// clang-format on

// Point sizes become pixel heights at the 96 pixels per inch the window is drawn at.
constexpr int kPixelsPerInch = 96;

}  // namespace

namespace huewright {

void CanvasSurface::fillRectangle(int left, int top, int right, int bottom, ColourValue colour) {
    fillCanvas(left, top, right - left, bottom - top, cssColour(colour).c_str());
}

void CanvasSurface::setFont(const PreviewFont& font) {
    font_ = font;
    const int pixels = static_cast<int>(std::lround(font.points * kPixelsPerInch / 72.0));
    setCanvasFont(cp932ToUtf8Lenient(font.face).c_str(), pixels, font.bold, font.italic,
                  font.underline, font.strikeOut);
}

void CanvasSurface::setTextColour(ColourValue colour) {
    setCanvasTextColour(cssColour(colour).c_str());
}

TextExtent CanvasSurface::measure(std::string_view text) {
    int height = 0;
    const int width = measureCanvasText(std::string(text).c_str(), &height);
    return {width, height};
}

void CanvasSurface::drawTransparent(int x, int y, std::string_view text) {
    drawCanvasText(x, y, std::string(text).c_str());
}

}  // namespace huewright
