#include "ui/radio_group.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace huewright {

RadioGroup::RadioGroup(QWidget* parent) : QObject(parent) {
    for (QRadioButton* button :
         parent->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        button->setAutoExclusive(true);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, &RadioGroup::placeTabStop);
        buttons_.append(button);
    }
    placeTabStop();
    // A radio button that takes the focus takes the tab stop from every auto-exclusive button
    // under its parent, nested groups included; each group puts its own back.
    connect(qApp, &QApplication::focusChanged, this, &RadioGroup::placeTabStop);
}

RadioGroup* RadioGroup::of(const QAbstractButton* button) {
    return button->parent()->findChild<RadioGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

void RadioGroup::setChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    // An auto-exclusive button refuses to be unchecked while it is the group's checked one.
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
    placeTabStop();
}

void RadioGroup::placeTabStop() {
    const auto checked = std::ranges::find_if(
        buttons_, [](const QAbstractButton* button) { return button->isChecked(); });
    QAbstractButton* stop = checked != buttons_.end() ? *checked : buttons_.value(0);
    for (QAbstractButton* button : buttons_) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    const auto count = buttons_.size();
    qsizetype index = buttons_.indexOf(static_cast<QAbstractButton*>(watched));
    for (qsizetype tried = 1; tried < count; ++tried) {
        index = (index + step + count) % count;
        QAbstractButton* next = buttons_[index];
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            break;
        }
    }
    return true;
}

}  // namespace huewright
