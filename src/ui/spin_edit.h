#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QToolButton;

namespace huewright {

/// A numeric field with up and down buttons at its right edge. It knows no range and no value:
/// it reports the user's typing, steps and the loss of focus, and shows the text it is given.
class SpinEdit : public QWidget {
    Q_OBJECT

  public:
    /// With `typingEnabled` false the user cannot change the text at all; otherwise digits, signs
    /// and decimal separators are accepted, up to `maxLength` characters. `beep` sounds for every
    /// refused key or character.
    SpinEdit(bool typingEnabled, int maxLength, std::function<void()> beep,
             QWidget* parent = nullptr);

    QString text() const;
    /// Shows `text`; emits nothing.
    void setText(const QString& text);
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

    bool typingEnabled_;
    std::function<void()> beep_;
    QLineEdit* editor_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace huewright
