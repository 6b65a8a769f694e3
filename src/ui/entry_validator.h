#pragma once

#include <QString>
#include <QValidator>

#include <functional>

#include "model/entry_rules.h"

class QLineEdit;

namespace huewright {

/// Hands every change of the user's to a box (typing, pasting, dropping, an input method) to
/// the entry rules for its control and lets through what they keep, beeping when they say so. Text
/// set from code is never touched, and a character it brought that code page 932 cannot hold may
/// stay while the user edits around it.
class EntryValidator : public QValidator {
  public:
    /// Becomes the validator of `editor` (for an editable combo box or a spin edit, its line
    /// edit), which owns it; `beep` sounds when the rules refuse something. `characters`, when
    /// given, says which characters the box takes at the time; code page 932's otherwise.
    EntryValidator(EntryControl control, std::function<void()> beep, QLineEdit* editor,
                   std::function<EntryCharacters()> characters = {});

    State validate(QString& input, int& position) const override;

  private:
    EntryControl control_;
    QLineEdit* editor_;
    std::function<void()> beep_;
    std::function<EntryCharacters()> characters_;
    /// The editor's text before the change under validation.
    QString before_;
};

/// How the entry rules see a focus that arrived for `reason`.
FocusCause focusCause(Qt::FocusReason reason);

/// The locale's decimal separator, which a spin edit that takes typing accepts besides ".".
char32_t localeDecimalSeparator();

}  // namespace huewright
