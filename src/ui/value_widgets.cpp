#include "ui/value_widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "controls/qt_colour.h"
#include "model/entry_rules.h"

namespace huewright {

ColourPanel::ColourPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit codeAsked();
}

void ColourPanel::keyPressEvent(QKeyEvent* event) {
    // With Ctrl, Alt or Shift the key means something else, a shortcut of the window's perhaps.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                  event->key() == Qt::Key_Space)) {
        event->accept();
        emit codeAsked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        option.backgroundColor = palette().color(QPalette::Window);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
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

LengthLabel::LengthLabel(QWidget* parent) : QLabel(parent) {}

void LengthLabel::setLength(std::size_t length) {
    setText(QString::fromStdString(lengthText(length)));
    adjustSize();
    if (length == length_) {
        return;
    }
    length_ = length;
    QAccessibleValueChangeEvent event(this, static_cast<qulonglong>(length_));
    QAccessible::updateAccessibility(&event);
}

}  // namespace huewright
