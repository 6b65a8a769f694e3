#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "model/controls.h"
#include "model/entry_rules.h"

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
    /// The spin edit `field`, taking typing, keys and steps as the entry rules give them for it.
    /// `beep` sounds for every refused key or character.
    SpinEdit(SpinField field, std::function<void()> beep, QWidget* parent = nullptr);

    QString text() const;
    /// Shows `text`; emits nothing but the announcement to screen readers.
    void setText(const QString& text);
    /// The integer the text spells, or the range's minimum when it spells none.
    int value() const;
    /// The range a screen reader is told.
    SpinRange range() const { return spinEntry(field_).range; }
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

    SpinField field_;
    std::function<void()> beep_;
    QLineEdit* editor_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace huewright
