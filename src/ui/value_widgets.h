#pragma once

#include <QFrame>
#include <QLabel>
#include <QString>

#include "generator/colour.h"

namespace huewright {

/// A small lowered frame filled with a colour. A screen reader hears it as a graphic named by
/// its accessible name, whose value is the colour's code. It takes the focus, so that a keyboard
/// user can reach what a double click on it does.
class ColourPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ColourPanel(QWidget* parent = nullptr);

    /// Fills the panel with `colour`, spelled `code` as the colour-code dialog shows it; a
    /// change is announced to screen readers.
    void setColour(ColourValue colour, const QString& code);
    ColourValue colour() const { return colour_; }
    const QString& code() const { return code_; }

  signals:
    /// The user asks for the colour's code: a double click with any button, or Enter or Space,
    /// since the keyboard has no double click.
    void codeAsked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ColourValue colour_ = 0;
    QString code_;
};

/// The markup's length in bytes, shown in brackets, "(140)". A screen reader hears it as a label
/// named by its accessible name, whose value is the length.
class LengthLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LengthLabel(QWidget* parent = nullptr);

    /// Shows `length` and sizes the label to it; a change is announced to screen readers.
    void setLength(std::size_t length);
    std::size_t length() const { return length_; }

  private:
    std::size_t length_ = 0;
};

}  // namespace huewright
