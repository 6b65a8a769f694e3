#include "ui/cp932_validator.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

#include "text/cp932.h"

namespace huewright {
namespace {

/// What a one-line box keeps of `text`: its first line, without control characters and the
/// characters code page 932 cannot hold.
QString holdable(const QString& text) {
    QString kept;
    for (const char32_t codePoint : text.toUcs4()) {
        if (codePoint == U'\r' || codePoint == U'\n') {
            break;
        }
        if (codePoint >= 0x20 && codePoint != 0x7F && cp932CanHold(codePoint)) {
            kept.append(QString::fromUcs4(&codePoint, 1));
        }
    }
    return kept;
}

}  // namespace

Cp932Validator::Cp932Validator(std::function<void()> beep, QLineEdit* editor)
    : QValidator(editor), editor_(editor), beep_(std::move(beep)), before_(editor->text()) {
    editor_->setValidator(this);
    connect(editor_, &QLineEdit::textChanged, this,
            [this](const QString& text) { before_ = text; });
}

QValidator::State Cp932Validator::validate(QString& input, int& position) const {
    // The editor counts as modified only while a change of the user's is being validated:
    // setting the text from code clears the flag and a refused change restores it.
    if (!editor_->isModified()) {
        return Acceptable;
    }
    // Whatever the edit did, it put `input`'s middle, between what it shares with the text
    // before at either end, in place of the old middle; only that middle is new. Checking it
    // alone keeps a keystroke cheap in a long text.
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
    const QString kept = holdable(inserted);
    if (kept.size() == inserted.size()) {
        return Acceptable;
    }
    beep_();
    input = input.left(head) + kept + input.right(tail);
    if (input == before_) {
        return Invalid;
    }
    position = static_cast<int>(head + kept.size());
    return Acceptable;
}

}  // namespace huewright
