#include "ui/settings_dialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QScreen>

#include "model/main_window_model.h"
#include "ui/colour_code_dialog.h"
#include "ui/control_drawing.h"
#include "ui/control_layout.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/value_widgets.h"

namespace huewright {

SettingsDialog::SettingsDialog(MainWindowModel& model, Platform& platform,
                               ColourCodeDialog& colourCode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      platform_(platform),
      colourCode_(colourCode) {
    setFont(windowFont(12));
    buildWindow(this, this, settingsDialogLayout(), [this] { platform_.beep(); });

    using S = SettingsControl;
    for (const S control : kAllSettingsControls) {
        QObject* object = findControl<QObject>(this, control);
        if (auto* panel = qobject_cast<ColourPanel*>(object)) {
            connect(panel, &ColourPanel::codeAsked, this,
                    [this, slot = *colourSlotOf(control)] { showColourCode(slot); });
        } else if (const std::optional<ColourSlot> slot = colourSlotOf(control)) {
            connect(qobject_cast<QPushButton*>(object), &QPushButton::clicked, this,
                    [this, slot = *slot] { chooseColour(slot); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(object);
                   button != nullptr && button->isCheckable()) {
            // A switch or a tag-form item, which Qt has already toggled or checked.
            connect(button, &QAbstractButton::clicked, this, [this, control] {
                draft_.click(control);
                drawn_.forget(control);
                showDraft();
            });
        }
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    connect(findControl<QPushButton>(this, S::Store), &QPushButton::clicked, this,
            &SettingsDialog::store);
    connect(findControl<QPushButton>(this, S::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(findControl<QPushButton>(this, S::TakeCurrentColours), &QPushButton::clicked, this,
            &SettingsDialog::takeCurrentColours);
}

void SettingsDialog::fill() {
    draft_.open(model_.startupSettings());
    showDraft();
}

void SettingsDialog::showDraft() {
    drawControls(this, drawn_.changes(settingsDialogState(draft_, model_)));
}

void SettingsDialog::chooseColour(ColourSlot slot) {
    if (const std::optional<ColourValue> chosen =
            platform_.chooseColour(this, draft_.colour(slot))) {
        draft_.setColour(slot, *chosen);
        showDraft();
    }
}

void SettingsDialog::showColourCode(ColourSlot slot) {
    // The dialog's own colour, shown and read by the options in force.
    draft_.setColour(slot, colourCode_.edit(draft_.colour(slot)));
    showDraft();
}

void SettingsDialog::takeCurrentColours() {
    draft_.takeCurrentColours(model_);
    showDraft();
}

void SettingsDialog::store() {
    try {
        model_.storeStartupSettings(draft_.values());
        accept();
    } catch (const std::exception& error) {
        // The dialog stays open with the user's edits, to try again or cancel.
        platform_.showError(this, windowMessage(error, model_));
    }
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace huewright
