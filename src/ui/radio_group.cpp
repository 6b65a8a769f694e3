#include "ui/radio_group.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>
#include <vector>

#include "model/radio_keys.h"

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
    ArrowKey key{};
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            key = ArrowKey::Up;
            break;
        case Qt::Key_Down:
            key = ArrowKey::Down;
            break;
        case Qt::Key_Left:
            key = ArrowKey::Left;
            break;
        case Qt::Key_Right:
            key = ArrowKey::Right;
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    std::vector<bool> enabled;
    for (const QAbstractButton* button : buttons_) {
        enabled.push_back(button->isEnabled());
    }
    const auto from =
        static_cast<std::size_t>(buttons_.indexOf(static_cast<QAbstractButton*>(watched)));
    if (const std::optional<std::size_t> to = radioArrowTarget(enabled, from, key)) {
        QAbstractButton* next = buttons_[static_cast<qsizetype>(*to)];
        next->setFocus(Qt::TabFocusReason);
        next->click();
    }
    return true;
}

}  // namespace huewright
