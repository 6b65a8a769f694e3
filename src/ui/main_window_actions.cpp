// The main window's actions: the colours and their codes, the clipboard, help, quitting and the
// settings files.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "model/main_window_state.h"
#include "model/words.h"
#include "ui/colour_code_dialog.h"
#include "ui/control_layout.h"
#include "ui/extended_dialog.h"
#include "ui/main_window.h"
#include "ui/markup_edit.h"
#include "ui/platform.h"
#include "ui/settings_dialog.h"
#include "ui/translations.h"
#include "ui/value_widgets.h"
#include "ui/version_dialog.h"

namespace huewright {

namespace {

// The gradation settings files' two dialogs differ only in their title and purpose.
FileDialogOptions settingsFileDialog(const char* title, bool save) {
    return {shown(title),
            QStringLiteral("Lumo.DAT"),
            QStringLiteral("DAT"),
            {{shown(words::kSettingsFiles), QStringLiteral("*.DAT")},
             {shown(words::kAllFiles), QStringLiteral("*")}},
            save};
}

std::filesystem::path localPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

}  // namespace

void MainWindow::connectActions() {
    colourCodeDialog_ = new ColourCodeDialog(model_, platform_, this);
    settingsDialog_ = new SettingsDialog(model_, platform_, *colourCodeDialog_, this);
    extendedDialog_ = new ExtendedDialog(model_, platform_, this);
    versionDialog_ = new VersionDialog([this] { showHelp(); }, this);
    for (const Button button : kAllButtons) {
        if (const std::optional<ColourSlot> slot = colourSlotOf(button)) {
            connect(buttons_[button], &QPushButton::clicked, this,
                    [this, slot = *slot] { chooseColour(slot); });
        }
    }
    connect(buttons_[Button::Swap], &QPushButton::clicked, this,
            [this] { act([&] { model_.swapColours(); }); });
    for (const WindowPart part : kAllWindowParts) {
        if (const std::optional<ColourSlot> slot = colourSlotOf(part)) {
            connect(findControl<ColourPanel>(this, part), &ColourPanel::codeAsked, this,
                    [this, slot = *slot] { showColourCode(slot); });
        }
    }
    connect(buttons_[Button::CopyMarkup], &QPushButton::clicked, this, &MainWindow::copyMarkup);
    connect(buttons_[Button::CopyPreview], &QPushButton::clicked, this, &MainWindow::copyPreview);
    connect(buttons_[Button::Quit], &QPushButton::clicked, this, &QWidget::close);
    const auto item = [this](MenuItem name) { return findControl<QAction>(this, name); };
    connect(item(MenuItem::Exit), &QAction::triggered, this, &QWidget::close);
    connect(item(MenuItem::HelpTopics), &QAction::triggered, this, &MainWindow::showHelp);
    connect(item(MenuItem::About), &QAction::triggered, this, &MainWindow::showVersion);
    connect(item(MenuItem::Language), &QAction::triggered, this, &MainWindow::switchLanguage);
    connect(item(MenuItem::Extended), &QAction::triggered, this, &MainWindow::editColourOptions);
    connect(item(MenuItem::Save), &QAction::triggered, this, &MainWindow::saveSettingsFile);
    connect(item(MenuItem::Open), &QAction::triggered, this, &MainWindow::openSettingsFile);
    connect(item(MenuItem::StartupSettings), &QAction::triggered, this,
            &MainWindow::editStartupSettings);
}

void MainWindow::chooseColour(ColourSlot slot) {
    const std::optional<ColourValue> chosen = platform_.chooseColour(this, model_.colour(slot));
    act([&] { model_.colourChosen(slot, chosen); });
}

void MainWindow::showColourCode(ColourSlot slot) {
    const ColourValue colour = colourCodeDialog_->edit(model_.colour(slot));
    act([&] {
        model_.setColour(slot, colour);
        model_.regenerate();
    });
}

void MainWindow::copyMarkup() {
    // The box's text as it stands, the user's edits included.
    markupEdit_->selectWhole();
    platform_.copyText(markupEdit_->markup());
}

void MainWindow::copyPreview() {
    platform_.copyImage(previewImage());
}

void MainWindow::showHelp() {
    platform_.showHelp(this, helpFile_);
}

void MainWindow::showVersion() {
    platform_.runModal(*versionDialog_);
}

void MainWindow::editStartupSettings() {
    settingsDialog_->fill();
    platform_.runModal(*settingsDialog_);
    // However the dialog closed, the tag options it may have stored take effect at once.
    act([&] { model_.regenerate(); });
}

void MainWindow::editColourOptions() {
    extendedDialog_->fill();
    platform_.runModal(*extendedDialog_);
    // Options it stored have made the markup again.
    act([] {});
}

void MainWindow::saveSettingsFile() {
    if (const std::optional<QString> file =
            platform_.chooseFile(this, qtName(nameOf(Window::SaveDialog)),
                                 settingsFileDialog(words::kSaveSettingsTitle, true))) {
        act([&] { model_.saveGradationFile(localPath(*file)); });
    }
}

void MainWindow::openSettingsFile() {
    const std::optional<QString> file =
        platform_.chooseFile(this, qtName(nameOf(Window::OpenDialog)),
                             settingsFileDialog(words::kOpenSettingsTitle, false));
    act([&] {
        if (file) {
            model_.openFile(localPath(*file));
        } else {
            model_.loadGradationFile(std::nullopt);
        }
    });
}

}  // namespace huewright
