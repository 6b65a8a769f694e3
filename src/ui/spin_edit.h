#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "model/controls.h"

class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace huewright {

/// A numeric field with up and down buttons at its right edge. It keeps no value of its own: it
/// reports the user's typing, steps and the loss of focus, and shows the text it is given. Its
/// range is only told to screen readers.
class SpinEdit : public QWidget {
    Q_OBJECT

  public:
    /// With `typingEnabled` false the user cannot change the text at all; otherwise digits, signs
    /// and decimal separators are accepted, up to `maxLength` characters. `beep` sounds for every
    /// refused key or character.
    SpinEdit(bool typingEnabled, int maxLength, std::function<void()> beep,
             QWidget* parent = nullptr);

    QString text() const;
    /// Shows `text`; emits nothing but the announcement to screen readers.
    void setText(const QString& text);
    /// The integer the text spells, or the range's minimum when it spells none.
    int value() const;
    /// The range a screen reader is told; 0..0 until set.
    SpinRange range() const { return range_; }
    void setRange(SpinRange range) { range_ = range; }
    /// Asks for `value` as steps from the value shown, as a screen reader sets it.
    void requestValue(int value);
    QLineEdit* editor() { return editor_; }

  signals:
    /// The user's typing, cutting or pasting changed the text to `text`.
    void textTyped(const QString& text);
    /// An up (+1) or down (-1) button click or its auto-repeat, or the Up or Down key.
    void stepRequested(int delta);
    /// The field lost the keyboard focus (not to a pop-up menu of its own).
    void focusLost();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    /// Whether the field's key handling ends here: steps, and refusals with or without a beep.
    bool consumeKey(const QKeyEvent& event);
    /// Tells screen readers that the value changed.
    void announceValue();

    bool typingEnabled_;
    std::function<void()> beep_;
    QLineEdit* editor_;
    QToolButton* up_;
    QToolButton* down_;
    SpinRange range_{0, 0};
};

}  // namespace huewright
