#include "ui/cp932_validator.h"

#include <QLineEdit>

#include <utility>

#include "text/cp932.h"

namespace huewright {
namespace {

/// How often each character of `text` that code page 932 cannot hold occurs in it.
std::map<char32_t, int> unholdableCounts(const QString& text) {
    std::map<char32_t, int> counts;
    for (const char32_t codePoint : text.toUcs4()) {
        if (!cp932CanHold(codePoint)) {
            ++counts[codePoint];
        }
    }
    return counts;
}

}  // namespace

Cp932Validator::Cp932Validator(std::function<void()> beep, QLineEdit* editor)
    : QValidator(editor),
      editor_(editor),
      beep_(std::move(beep)),
      present_(unholdableCounts(editor->text())) {
    editor_->setValidator(this);
    connect(editor_, &QLineEdit::textChanged, this,
            [this](const QString& text) { present_ = unholdableCounts(text); });
}

QValidator::State Cp932Validator::validate(QString& input, int& /*position*/) const {
    // The editor counts as modified only while a change of the user's is being validated:
    // setting the text from code clears the flag and a refused change restores it.
    if (!editor_->isModified()) {
        return Acceptable;
    }
    for (const auto& [codePoint, count] : unholdableCounts(input)) {
        const auto kept = present_.find(codePoint);
        if (kept == present_.end() || kept->second < count) {
            beep_();
            return Invalid;
        }
    }
    return Acceptable;
}

}  // namespace huewright
