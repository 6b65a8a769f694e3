#include "ui/control_drawing.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/control_layout.h"
#include "ui/image_view.h"
#include "ui/markup_edit.h"
#include "ui/radio_group.h"
#include "ui/spin_edit.h"
#include "ui/value_widgets.h"

namespace huewright {
namespace {

void showText(QLineEdit* edit, const QString& text) {
    // Rewriting an unchanged text would move the cursor under the user's hands.
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

void drawControl(QObject* object, const ControlState& state) {
    const QString text = QString::fromStdString(state.text.value_or(""));
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setChecked(state.checked.value_or(false));
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && state.enabled) {
        widget->setEnabled(*state.enabled);
    }
    if (auto* markup = qobject_cast<MarkupEdit*>(object)) {
        markup->setMarkup(text);
    } else if (auto* length = qobject_cast<LengthLabel*>(object)) {
        length->setLength(static_cast<std::size_t>(state.value.value_or(0)));
    } else if (auto* panel = qobject_cast<ColourPanel*>(object)) {
        panel->setColour(state.colour.value_or(0),
                         QString::fromStdString(state.description.value_or("")));
    } else if (auto* image = qobject_cast<ImageView*>(object)) {
        image->setAccessibleDescription(QString::fromStdString(state.description.value_or("")));
        image->update();
    } else if (auto* spin = qobject_cast<SpinEdit*>(object)) {
        if (spin->text() != text) {
            spin->setText(text);
        }
    } else if (auto* box = qobject_cast<QComboBox*>(object)) {
        showText(box->lineEdit(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        showText(edit, text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object); button && state.checked) {
        if (qobject_cast<QRadioButton*>(button) != nullptr) {
            RadioGroup::of(button)->setChecked(button, *state.checked);
        } else {
            const QSignalBlocker blocker(button);
            button->setChecked(*state.checked);
        }
    }
}

}  // namespace

void drawControls(const QObject* root, const std::vector<ShownControl>& changes) {
    for (const ShownControl& shown : changes) {
        drawControl(findControl<QObject>(root, shown.control), shown.state);
    }
}

}  // namespace huewright
