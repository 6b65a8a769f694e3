#include "ui/settings_dialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "model/main_window_model.h"
#include "ui/colour_code_dialog.h"
#include "ui/control_layout.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/radio_group.h"
#include "ui/value_widgets.h"

namespace huewright {

namespace {

// The five switches of the dialog and their check boxes.
constexpr std::array<bool StartupSettings::*, 5> kSwitches = {
    &StartupSettings::useSize, &StartupSettings::useFace, &StartupSettings::lineBreak,
    &StartupSettings::upperCaseTags, &StartupSettings::hashInColourCodes};
constexpr std::array<SettingsControl, 5> kSwitchBoxes = {
    SettingsControl::UseSize, SettingsControl::UseFace, SettingsControl::LineBreak,
    SettingsControl::UpperCaseTags, SettingsControl::HashInColourCodes};

constexpr std::array<ColourSlot, 4> kSlots = {ColourSlot::Start, ColourSlot::Middle,
                                              ColourSlot::End, ColourSlot::Background};
constexpr std::array<ColourValue StartupSettings::*, 4> kColourFields = {
    &StartupSettings::startColour, &StartupSettings::middleColour, &StartupSettings::endColour,
    &StartupSettings::backgroundColour};

std::size_t index(ColourSlot slot) {
    return static_cast<std::size_t>(slot);
}

}  // namespace

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
    const std::array<S, 4> panels = {S::StartPanel, S::MiddlePanel, S::EndPanel,
                                     S::BackgroundPanel};
    const std::array<S, 4> buttons = {S::StartButton, S::MiddleButton, S::EndButton,
                                      S::BackgroundButton};
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        panels_[i] = findControl<ColourPanel>(this, panels[i]);
        connect(panels_[i], &ColourPanel::codeAsked, this,
                [this, slot = kSlots[i]] { showColourCode(slot); });
        connect(findControl<QPushButton>(this, buttons[i]), &QPushButton::clicked, this,
                [this, slot = kSlots[i]] { chooseColour(slot); });
    }
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        switches_[i] = findControl<QAbstractButton>(this, kSwitchBoxes[i]);
        connect(switches_[i], &QAbstractButton::toggled, this,
                [this, flag = kSwitches[i]](bool on) { draft_.values().*flag = on; });
    }
    const std::array<std::array<S, 2>, 2> itemNames = {
        {{S::BoldTag, S::StrongTag}, {S::ItalicTag, S::EmphasisTag}}};
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const auto f = static_cast<std::size_t>(form);
        for (std::size_t item = 0; item < 2; ++item) {
            tagItems_[f][item] = findControl<QAbstractButton>(this, itemNames[f][item]);
            connect(tagItems_[f][item], &QAbstractButton::clicked, this, [this, form, item] {
                draft_.select(form, static_cast<int>(item));
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

ColourValue SettingsDialog::colour(ColourSlot slot) const {
    return draft_.values().*kColourFields[index(slot)];
}

void SettingsDialog::setColour(ColourSlot slot, ColourValue colour) {
    draft_.values().*kColourFields[index(slot)] = colour;
}

void SettingsDialog::showDraft() {
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        const ColourValue shown = colour(kSlots[i]);
        panels_[i]->setColour(shown, QString::fromStdString(model_.colourCode(shown)));
    }
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const QSignalBlocker blocker(switches_[i]);
        switches_[i]->setChecked(draft_.values().*kSwitches[i]);
    }
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const std::optional<int> selected = draft_.selectedItem(form);
        for (std::size_t item = 0; item < 2; ++item) {
            QAbstractButton* button = tagItems_[static_cast<std::size_t>(form)][item];
            RadioGroup::of(button)->setChecked(button, selected == static_cast<int>(item));
        }
    }
}

void SettingsDialog::chooseColour(ColourSlot slot) {
    if (const std::optional<ColourValue> chosen = platform_.chooseColour(this, colour(slot))) {
        setColour(slot, *chosen);
        showDraft();
    }
}

void SettingsDialog::showColourCode(ColourSlot slot) {
    // The dialog's own colour, shown and read by the options in force.
    setColour(slot, colourCode_.edit(colour(slot)));
    showDraft();
}

void SettingsDialog::takeCurrentColours() {
    for (const ColourSlot slot : kSlots) {
        setColour(slot, model_.colour(slot));
    }
    showDraft();
}

void SettingsDialog::store() {
    try {
        model_.storeStartupSettings(draft_.values());
        accept();
    } catch (const std::exception& error) {
        // The dialog stays open with the user's edits, to try again or cancel.
        platform_.showError(this, windowMessage(error) + QStringLiteral("."));
    }
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace huewright
