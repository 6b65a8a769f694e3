#include "controls/gtlabel.h"

#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <utility>

#include "controls/gradient_steps.h"

namespace huewright {

namespace {

QColor toQColor(ColorValue c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QString decodeLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

TGTextLabel::TGTextLabel(QWidget* parent)
    : QWidget(parent),
      caption_("GradationText!"),
      color_(0xFFFFFF),
      startColor_(0xFF0000),
      endColor_(0xFF00FF),
      transparent_(false),
      autoSize_(false),
      decoder_(decodeLatin1) {}

void TGTextLabel::setCaption(std::string caption) {
    caption_ = std::move(caption);
    fitToCaption();
    repaintNow();
}

void TGTextLabel::setStartColor(ColorValue colour) {
    startColor_ = colour;
    repaintNow();
}

void TGTextLabel::setEndColor(ColorValue colour) {
    endColor_ = colour;
    repaintNow();
}

void TGTextLabel::setColor(ColorValue colour) {
    color_ = colour;
    repaintNow();
}

void TGTextLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    repaintNow();
}

void TGTextLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToCaption();
    repaintNow();
}

void TGTextLabel::setDecoder(CaptionDecoder decoder) {
    decoder_ = std::move(decoder);
    fitToCaption();
    repaintNow();
}

void TGTextLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    // This fill also lays the box of background colour under each character: every box lies
    // inside the label, which is already the caption's size when auto-size is on.
    if (!transparent_) {
        painter.fillRect(rect(), toQColor(color_));
    }
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    for (const GradientCharacter& character :
         gradientCharacters(caption_, startColor_, endColor_)) {
        const QString text = decoder_(character.bytes);
        painter.setPen(toQColor(character.colour));
        painter.drawText(x, metrics.ascent(), text);
        // Characters are measured one by one, not as part of the whole caption.
        x += metrics.horizontalAdvance(text);
    }
}

void TGTextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        fitToCaption();
    }
    QWidget::changeEvent(event);
}

void TGTextLabel::resizeEvent(QResizeEvent* event) {
    // With auto-size on, the caption decides the size: a size set from outside does not hold.
    fitToCaption();
    QWidget::resizeEvent(event);
}

void TGTextLabel::fitToCaption() {
    if (!autoSize_ || caption_.empty()) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const QSize extent(metrics.horizontalAdvance(decoder_(caption_)), metrics.height());
    if (size() != extent) {
        resize(extent);
    }
}

void TGTextLabel::repaintNow() {
    // repaint() itself does nothing while the label is hidden.
    if (parentWidget() != nullptr) {
        repaint();
    }
}

}  // namespace huewright
