#include "controls/gradient_label.h"

#include <QAccessible>
#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <utility>

#include "controls/gradient_steps.h"
#include "controls/qt_colour.h"

namespace huewright {

namespace {

QString decodeLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

GradientLabel::GradientLabel(QWidget* parent)
    : QWidget(parent),
      caption_("GradationText!"),
      background_(0xFFFFFF),
      startColour_(0xFF0000),
      endColour_(0xFF00FF),
      transparent_(false),
      autoSize_(false),
      decoder_(decodeLatin1) {}

void GradientLabel::setCaption(std::string caption) {
    caption_ = std::move(caption);
    fitToCaption();
    repaintNow();
    // A screen reader reads the caption as the label's name.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void GradientLabel::setStartColour(ColourValue colour) {
    startColour_ = colour;
    repaintNow();
}

void GradientLabel::setEndColour(ColourValue colour) {
    endColour_ = colour;
    repaintNow();
}

void GradientLabel::setBackgroundColour(ColourValue colour) {
    background_ = colour;
    repaintNow();
}

void GradientLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    repaintNow();
}

void GradientLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToCaption();
    repaintNow();
}

void GradientLabel::setDecoder(CaptionDecoder decoder) {
    decoder_ = std::move(decoder);
    fitToCaption();
    repaintNow();
}

void GradientLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    // This fill also lays the box of background colour under each character: every box lies
    // inside the label, which is already the caption's size when auto-size is on.
    if (!transparent_) {
        painter.fillRect(rect(), toQColour(background_));
    }
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    for (const GradientCharacter& character :
         gradientCharacters(caption_, startColour_, endColour_)) {
        const QString text = decoder_(character.bytes);
        painter.setPen(toQColour(character.colour));
        painter.drawText(x, metrics.ascent(), text);
        // Characters are measured one by one, not as part of the whole caption.
        x += metrics.horizontalAdvance(text);
    }
}

void GradientLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        fitToCaption();
    }
    QWidget::changeEvent(event);
}

void GradientLabel::resizeEvent(QResizeEvent* event) {
    // With auto-size on, the caption decides the size: a size set from outside does not hold.
    fitToCaption();
    QWidget::resizeEvent(event);
}

void GradientLabel::fitToCaption() {
    if (!autoSize_ || caption_.empty()) {
        return;
    }
    // The caption's extent as painted, character by character: with whole-pixel advances, as
    // the label's arithmetic assumes, that is the whole caption's extent, but a font's
    // fractional advances, each rounded, can add up to a pixel or two more.
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (const GradientCharacter& character : gradientCharacters(caption_, 0, 0)) {
        width += metrics.horizontalAdvance(decoder_(character.bytes));
    }
    const QSize extent(width, metrics.height());
    if (size() != extent) {
        resize(extent);
    }
}

void GradientLabel::repaintNow() {
    // repaint() itself does nothing while the label is hidden.
    if (parentWidget() != nullptr) {
        repaint();
    }
}

}  // namespace huewright
