#include "ui/value_widgets.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPalette>

#include "controls/qt_colour.h"

namespace huewright {

ColourPanel::ColourPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
}

void ColourPanel::setColour(ColourValue colour, const QString& code) {
    QPalette shown = palette();
    shown.setColor(QPalette::Window, toQColour(colour));
    setPalette(shown);
    if (colour == colour_ && code == code_) {
        return;
    }
    colour_ = colour;
    code_ = code;
    QAccessibleValueChangeEvent event(this, code_);
    QAccessible::updateAccessibility(&event);
}

void ColourPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClicked();
}

LengthLabel::LengthLabel(QWidget* parent) : QLabel(parent) {}

void LengthLabel::setLength(std::size_t length) {
    setText(QStringLiteral("(%1)").arg(length));
    adjustSize();
    if (length == length_) {
        return;
    }
    length_ = length;
    QAccessibleValueChangeEvent event(this, static_cast<qulonglong>(length_));
    QAccessible::updateAccessibility(&event);
}

}  // namespace huewright
