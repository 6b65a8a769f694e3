#include "ui/qt_drawing_surface.h"

#include <QPainter>

#include <cmath>

#include "controls/qt_colour.h"
#include "ui/qt_text.h"

namespace huewright {

QtDrawingSurface::QtDrawingSurface(int pixelsPerInch, qreal devicePixelRatio)
    : pixelsPerInch_(pixelsPerInch),
      image_(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32),
      metrics_(font_) {
    image_.fill(Qt::white);
    if (devicePixelRatio != 1.0) {
        screenImage_ = QImage(static_cast<int>(std::ceil(kPreviewWidth * devicePixelRatio)),
                              static_cast<int>(std::ceil(kPreviewHeight * devicePixelRatio)),
                              QImage::Format_RGB32);
        screenImage_.setDevicePixelRatio(devicePixelRatio);
        screenImage_.fill(Qt::white);
    }
}

template <typename Draw>
void QtDrawingSurface::paint(const Draw& draw) {
    for (QImage* target : {&image_, &screenImage_}) {
        if (!target->isNull()) {
            // Both take the same coordinates; the screen's image scales them to its pixels.
            QPainter painter(target);
            draw(painter);
        }
    }
}

void QtDrawingSurface::fillRectangle(int left, int top, int right, int bottom, ColourValue colour) {
    paint([&](QPainter& painter) {
        painter.fillRect(left, top, right - left, bottom - top, toQColour(colour));
    });
}

void QtDrawingSurface::setFont(const PreviewFont& font) {
    font_ = QFont(fromCp932(font.face));
    // A point size becomes a pixel height by the screen's pixels per inch, rounded.
    font_.setPixelSize(static_cast<int>(std::lround(font.points * pixelsPerInch_ / 72.0)));
    font_.setBold(font.bold);
    font_.setItalic(font.italic);
    font_.setUnderline(font.underline);
    font_.setStrikeOut(font.strikeOut);
    metrics_ = QFontMetrics(font_);
}

void QtDrawingSurface::setTextColour(ColourValue colour) {
    colour_ = toQColour(colour);
}

TextExtent QtDrawingSurface::measure(std::string_view text) {
    return {metrics_.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
            metrics_.height()};
}

void QtDrawingSurface::drawTransparent(int x, int y, std::string_view text) {
    const QString characters = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    paint([&](QPainter& painter) {
        painter.setFont(font_);
        painter.setPen(colour_);
        // Text is placed by the top-left corner of its cell; Qt draws from the baseline.
        painter.drawText(x, y + metrics_.ascent(), characters);
    });
}

}  // namespace huewright
