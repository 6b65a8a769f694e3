#include "ui/entry_focus.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "ui/entry_validator.h"

namespace huewright {

EntryFocus::EntryFocus(EntryControl control, QLineEdit* editor)
    : QObject(editor), control_(control), editor_(editor) {
    editor_->installEventFilter(this);
}

bool EntryFocus::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_ || event->type() != QEvent::FocusIn || resending_) {
        return QObject::eventFilter(watched, event);
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Qt selects the whole text for a focus by the keyboard; the editor gets the focus without
    // that reason, and the rules choose.
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    resending_ = true;
    QCoreApplication::sendEvent(editor_, &plain);
    resending_ = false;
    if (selectsAllOnFocus(control_, focusCause(reason))) {
        editor_->selectAll();
    }
    return true;
}

}  // namespace huewright
