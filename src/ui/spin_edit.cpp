#include "ui/spin_edit.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QResizeEvent>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <utility>

#include "ui/control_layout.h"

namespace huewright {
namespace {

constexpr int kButtonWidth = 15;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

/// Whether a field that takes typing accepts `c`: a digit, "+", "-", "." or the decimal
/// separator of the user's locale.
bool spinEditAccepts(QChar c) {
    if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.') {
        return true;
    }
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 && c == separator.front();
}

/// Refuses a change of the user's that brings in a character the field does not accept, with a
/// beep: the keys are checked before they reach the field, this catches pasting, dropping and
/// input methods. Text set from code is never refused.
class SpinEditValidator : public QValidator {
  public:
    SpinEditValidator(QLineEdit* editor, std::function<void()> beep)
        : QValidator(editor), editor_(editor), beep_(std::move(beep)) {}

    State validate(QString& input, int& /*position*/) const override {
        // The field counts as modified only while a change of the user's is being validated:
        // setting the text from code clears the flag and a refused change restores it.
        if (!editor_->isModified() || std::all_of(input.cbegin(), input.cend(), spinEditAccepts)) {
            return Acceptable;
        }
        beep_();
        return Invalid;
    }

  private:
    QLineEdit* editor_;
    std::function<void()> beep_;
};

/// Whether `event` types text, as a line edit decides it (Ctrl and Ctrl+Shift type nothing).
bool typesCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    return first.isPrint() || first.isHighSurrogate() ||
           first.category() == QChar::Other_PrivateUse;
}

QToolButton* makeStepButton(Qt::ArrowType arrow, SpinStep step, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(qtName(nameOf(step)));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
    return button;
}

}  // namespace

SpinEdit::SpinEdit(bool typingEnabled, int maxLength, std::function<void()> beep, QWidget* parent)
    : QWidget(parent),
      typingEnabled_(typingEnabled),
      beep_(std::move(beep)),
      editor_(new QLineEdit(this)),
      up_(makeStepButton(Qt::UpArrow, SpinStep::Up, this)),
      down_(makeStepButton(Qt::DownArrow, SpinStep::Down, this)) {
    editor_->setMaxLength(maxLength);
    if (typingEnabled_) {
        editor_->setValidator(new SpinEditValidator(editor_, beep_));
    } else {
        // Read-only also keeps pasting, cutting, dropping and the context menu from changing it.
        editor_->setReadOnly(true);
    }
    editor_->installEventFilter(this);
    setFocusProxy(editor_);
    setFocusPolicy(editor_->focusPolicy());

    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        announceValue();
        emit textTyped(text);
    });
    connect(up_, &QToolButton::clicked, this, [this] { emit stepRequested(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
}

QString SpinEdit::text() const {
    return editor_->text();
}

void SpinEdit::setText(const QString& text) {
    // Rewriting the same text would move the cursor of someone typing.
    if (text != editor_->text()) {
        editor_->setText(text);
        announceValue();
    }
}

int SpinEdit::value() const {
    bool isInteger = false;
    const int typed = editor_->text().toInt(&isInteger);
    return isInteger ? typed : range_.minimum;
}

void SpinEdit::requestValue(int value) {
    if (value != this->value()) {
        emit stepRequested(value - this->value());
    }
}

void SpinEdit::announceValue() {
    // The spin edit and its editor, which holds the focus, are one spin button to a reader.
    for (QObject* object : {static_cast<QObject*>(this), static_cast<QObject*>(editor_)}) {
        QAccessibleValueChangeEvent event(object, value());
        QAccessible::updateAccessibility(&event);
    }
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress && consumeKey(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            emit focusLost();
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool SpinEdit::consumeKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
            emit stepRequested(1);
            return true;
        case Qt::Key_Down:
            emit stepRequested(-1);
            return true;
        default:
            break;
    }
    if (!typingEnabled_) {
        const bool refused = event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete ||
                             typesCharacter(event);
        if (refused) {
            beep_();
        }
        return refused;
    }
    const QString typed = event.text();
    const bool refused =
        event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
        (typesCharacter(event) && !std::all_of(typed.cbegin(), typed.cend(), spinEditAccepts));
    if (refused) {
        beep_();
    }
    return refused;
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    const int width = event->size().width();
    const int height = event->size().height();
    const int buttonsLeft = std::max(0, width - kButtonWidth);
    editor_->setGeometry(0, 0, buttonsLeft, height);
    up_->setGeometry(buttonsLeft, 0, kButtonWidth, height / 2);
    down_->setGeometry(buttonsLeft, height / 2, kButtonWidth, height - height / 2);
    QWidget::resizeEvent(event);
}

}  // namespace huewright
