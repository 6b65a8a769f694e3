// The main window's actions: the colours and their codes, the clipboard, help, quitting and the
// settings files.
#include <QAction>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "ui/colour_code_dialog.h"
#include "ui/main_window.h"
#include "ui/markup_edit.h"
#include "ui/platform.h"
#include "ui/settings_dialog.h"

namespace huewright {

namespace {

// The gradation settings files' two dialogs differ only in their title and purpose.
FileDialogSpec settingsFileDialog(const QString& title, bool save) {
    return {title,
            QStringLiteral("Lumo.DAT"),
            QStringLiteral("DAT"),
            {{QStringLiteral("グラデーション設定 (*.DAT)"), QStringLiteral("*.DAT")},
             {QStringLiteral("すべてのファイル (*.*)"), QStringLiteral("*")}},
            save};
}

std::filesystem::path localPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

constexpr std::array<ColourSlot, 3> kPanelSlots = {ColourSlot::Start, ColourSlot::Middle,
                                                   ColourSlot::End};

}  // namespace

void MainWindow::connectActions() {
    colourCodeDialog_ = new ColourCodeDialog(platform_, this);
    settingsDialog_ = new SettingsDialog(model_, platform_, *colourCodeDialog_, this);
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    const auto item = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    const std::pair<const char*, ColourSlot> colourButtons[] = {{"scb", ColourSlot::Start},
                                                                {"tcb", ColourSlot::Middle},
                                                                {"ecb", ColourSlot::End},
                                                                {"bcb", ColourSlot::Background}};
    for (const auto& [name, slot] : colourButtons) {
        connect(button(name), &QPushButton::clicked, this,
                [this, slot = slot] { chooseColour(slot); });
    }
    connect(button("Button1"), &QPushButton::clicked, this,
            [this] { act([&] { model_.swapColours(); }); });
    for (QFrame* panel : colourPanels_) {
        panel->installEventFilter(this);
    }
    connect(button("Button2"), &QPushButton::clicked, this, &MainWindow::copyMarkup);
    connect(button("bmpb"), &QPushButton::clicked, this, &MainWindow::copyPreview);
    connect(button("Button3"), &QPushButton::clicked, this, &QWidget::close);
    connect(item("Exit1"), &QAction::triggered, this, &QWidget::close);
    connect(item("SearchforHelpOn1"), &QAction::triggered, this, &MainWindow::showHelp);
    connect(item("save"), &QAction::triggered, this, &MainWindow::saveSettingsFile);
    connect(item("Open"), &QAction::triggered, this, &MainWindow::openSettingsFile);
    connect(item("K2"), &QAction::triggered, this, &MainWindow::editStartupSettings);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (std::size_t i = 0; i < colourPanels_.size(); ++i) {
            if (watched == colourPanels_[i]) {
                showColourCode(kPanelSlots[i]);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::chooseColour(ColourSlot slot) {
    const std::optional<ColourValue> chosen = platform_.chooseColour(this, model_.colour(slot));
    act([&] { model_.colourChosen(slot, chosen); });
}

void MainWindow::showColourCode(ColourSlot slot) {
    colourCodeDialog_->setCode(QString::fromStdString(model_.colourCode(slot)));
    platform_.runModal(*colourCodeDialog_);
    act([&] { model_.takeColourCode(slot, colourCodeDialog_->code().toStdString()); });
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

void MainWindow::editStartupSettings() {
    settingsDialog_->fill();
    platform_.runModal(*settingsDialog_);
    // However the dialog closed, the tag options it may have stored take effect at once.
    act([&] { model_.regenerate(); });
}

void MainWindow::saveSettingsFile() {
    static const FileDialogSpec kSpec =
        settingsFileDialog(QStringLiteral("グラデーション設定保存"), true);
    if (const std::optional<QString> file =
            platform_.chooseFile(this, QStringLiteral("SD1"), kSpec)) {
        act([&] { model_.saveGradationFile(localPath(*file)); });
    }
}

void MainWindow::openSettingsFile() {
    static const FileDialogSpec kSpec =
        settingsFileDialog(QStringLiteral("グラデーション設定読込"), false);
    const std::optional<QString> file = platform_.chooseFile(this, QStringLiteral("OD1"), kSpec);
    act([&] { model_.loadGradationFile(file ? std::optional(localPath(*file)) : std::nullopt); });
}

}  // namespace huewright
