#pragma once

#include <QString>
#include <QValidator>

#include <functional>
#include <map>

class QLineEdit;

namespace huewright {

/// Keeps what the user enters into a line edit within code page 932: an edit (typing, pasting,
/// dropping, an input method) that would add a character code page 932 cannot hold is refused
/// whole with a beep, and the text stays as it was. Text set from code is never refused, and a
/// character it brought that code page 932 cannot hold may stay while the user edits around it.
class Cp932Validator : public QValidator {
  public:
    /// Becomes the validator of `editor` (for an editable combo box, its line edit), which owns
    /// it; `beep` sounds for each refused edit.
    Cp932Validator(std::function<void()> beep, QLineEdit* editor);

    State validate(QString& input, int& position) const override;

  private:
    QLineEdit* editor_;
    std::function<void()> beep_;
    /// The characters code page 932 cannot hold in the editor's text before the change under
    /// validation, with how often each occurs.
    std::map<char32_t, int> present_;
};

}  // namespace huewright
