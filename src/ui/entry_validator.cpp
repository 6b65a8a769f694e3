#include "ui/entry_validator.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace huewright {

FocusCause focusCause(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::MouseFocusReason:
            return FocusCause::Mouse;
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            return FocusCause::Keyboard;
        default:
            // The window came back, a pop-up closed, or code moved the focus.
            return FocusCause::Return;
    }
}

char32_t localeDecimalSeparator() {
    const QList<uint> separator = QLocale().decimalPoint().toUcs4();
    return separator.size() == 1 ? separator.front() : U'.';
}

EntryValidator::EntryValidator(EntryControl control, std::function<void()> beep, QLineEdit* editor,
                               std::function<EntryCharacters()> characters)
    : QValidator(editor),
      control_(control),
      editor_(editor),
      beep_(std::move(beep)),
      characters_(std::move(characters)),
      before_(editor->text()) {
    editor_->setValidator(this);
    connect(editor_, &QLineEdit::textChanged, this,
            [this](const QString& text) { before_ = text; });
}

QValidator::State EntryValidator::validate(QString& input, int& position) const {
    // The editor counts as modified only while a change of the user's is being validated:
    // setting the text from code clears the flag and a refused change restores it.
    if (!editor_->isModified()) {
        return Acceptable;
    }
    // Whatever the edit did, it put `input`'s middle, between what it shares with the text
    // before at either end, in place of the old middle; only that middle is new.
    const qsizetype shortest = std::min(input.size(), before_.size());
    qsizetype head = 0;
    while (head < shortest && input[head] == before_[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shortest - head &&
           input[input.size() - 1 - tail] == before_[before_.size() - 1 - tail]) {
        ++tail;
    }
    if (head > 0 && input[head - 1].isHighSurrogate()) {
        --head;
    }
    if (tail > 0 && input[input.size() - tail].isLowSurrogate()) {
        --tail;
    }
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (inserted.isEmpty()) {
        return Acceptable;  // only deleted
    }
    const QByteArray before = before_.left(head).toUtf8();
    const QByteArray replaced = before_.mid(head, before_.size() - head - tail).toUtf8();
    const QByteArray after = before_.right(tail).toUtf8();
    const QByteArray pasted = inserted.toUtf8();
    const EntryOutcome outcome = insertText(
        control_, EntryAction::Paste,
        {before.toStdString(), replaced.toStdString(), after.toStdString()}, pasted.toStdString(),
        localeDecimalSeparator(), characters_ ? characters_() : EntryCharacters::CodePage932);
    if (outcome.beep) {
        beep_();
    }
    if (!outcome.changed) {
        return Invalid;
    }
    input = QString::fromStdString(outcome.text);
    position = static_cast<int>(outcome.cursor);
    return Acceptable;
}

}  // namespace huewright
