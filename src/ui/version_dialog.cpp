#include "ui/version_dialog.h"

#include <QAction>
#include <QPushButton>

#include <string>
#include <utility>

#include "controls/gradient_label.h"
#include "ui/control_layout.h"
#include "ui/fonts.h"
#include "version.h"

namespace huewright {

VersionDialog::VersionDialog(std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setFont(windowFont(12));
    // Modal to the main window only, so that the help it opens takes input.
    setWindowModality(Qt::WindowModal);
    buildWindow(this, this, versionDialogLayout(), [] {});
    findControl<GradientLabel>(this, VersionControl::Version)
        ->setCaption("Version " + std::string(kVersion));
    connect(findControl<QPushButton>(this, VersionControl::Ok), &QPushButton::clicked, this,
            &QDialog::accept);
    auto* help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, std::move(showHelp));
}

void VersionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    findControl<QPushButton>(this, VersionControl::Ok)->setFocus();
}

}  // namespace huewright
