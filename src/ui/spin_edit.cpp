#include "ui/spin_edit.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>
#include <optional>
#include <utility>

#include "model/entry_rules.h"
#include "ui/control_layout.h"
#include "ui/entry_validator.h"

namespace huewright {
namespace {

constexpr int kButtonWidth = 15;

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

QToolButton* makeStepButton(Qt::ArrowType arrow, SpinStep step, const SpinEntry& entry,
                            QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(qtName(nameOf(step)));
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(entry.repeatDelayMs);
    button->setAutoRepeatInterval(entry.repeatIntervalMs);
    return button;
}

}  // namespace

SpinEdit::SpinEdit(SpinField field, std::function<void()> beep, QWidget* parent)
    : QWidget(parent),
      field_(field),
      beep_(std::move(beep)),
      editor_(new QLineEdit(this)),
      up_(makeStepButton(Qt::UpArrow, SpinStep::Up, spinEntry(field), this)),
      down_(makeStepButton(Qt::DownArrow, SpinStep::Down, spinEntry(field), this)) {
    editor_->setMaxLength(spinEntry(field).maxLength);
    if (spinEntry(field).typing) {
        new EntryValidator(field, beep_, editor_);
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
    return isInteger ? typed : range().minimum;
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
    std::optional<EntryKey> key;
    switch (event.key()) {
        case Qt::Key_Up:
            key = EntryKey::Up;
            break;
        case Qt::Key_Down:
            key = EntryKey::Down;
            break;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            key = EntryKey::Erase;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = EntryKey::Enter;
            break;
        default:
            break;
    }
    if (key) {
        const KeyAnswer answer = pressKey(field_, *key);
        if (answer.beep) {
            beep_();
        }
        if (answer.step != 0) {
            emit stepRequested(answer.step);
        }
        return answer.taken;
    }
    if (!typesCharacter(event)) {
        return false;
    }
    // A typed character that the rules refuse never reaches the field; one they take goes in
    // as the field itself puts it.
    const QString text = editor_->text();
    const int start =
        editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
    const int length = editor_->hasSelectedText() ? editor_->selectionLength() : 0;
    const QByteArray before = text.left(start).toUtf8();
    const QByteArray selected = text.mid(start, length).toUtf8();
    const QByteArray after = text.mid(start + length).toUtf8();
    const EntryOutcome outcome =
        insertText(field_, EntryAction::Type,
                   {before.toStdString(), selected.toStdString(), after.toStdString()},
                   event.text().toStdString(), localeDecimalSeparator());
    if (outcome.beep) {
        beep_();
    }
    return outcome.beep;
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
