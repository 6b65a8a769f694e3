#pragma once

#include <QString>
#include <QValidator>

#include <functional>

class QLineEdit;

namespace huewright {

/// Keeps what the user enters into a one-line edit within one line of code page 932: of what an
/// edit (typing, pasting, dropping, an input method) inserts, only the first line goes in, and
/// control characters and the characters code page 932 cannot hold are dropped, with one beep
/// for an edit that loses anything; an edit that keeps nothing leaves the text as it was. Text set
/// from code is never touched, and a character it brought that code page 932 cannot hold may stay
/// while the user edits around it.
class Cp932Validator : public QValidator {
  public:
    /// Becomes the validator of `editor` (for an editable combo box, its line edit), which owns
    /// it; `beep` sounds once for each edit that loses characters.
    Cp932Validator(std::function<void()> beep, QLineEdit* editor);

    State validate(QString& input, int& position) const override;

  private:
    QLineEdit* editor_;
    std::function<void()> beep_;
    /// The editor's text before the change under validation.
    QString before_;
};

}  // namespace huewright
