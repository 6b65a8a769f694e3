#include "ui/colour_code_dialog.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "model/entry_rules.h"
#include "model/main_window_model.h"
#include "ui/control_layout.h"
#include "ui/entry_validator.h"
#include "ui/fonts.h"
#include "ui/platform.h"

namespace huewright {

ColourCodeDialog::ColourCodeDialog(const MainWindowModel& model, Platform& platform,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      platform_(platform) {
    setFont(windowFont(12));
    buildWindow(this, this, colourCodeDialogLayout(), [this] { platform_.beep(); });
    edit_ = findControl<QLineEdit>(this, ColourCodeControl::Code);
    auto* copy = findControl<QPushButton>(this, ColourCodeControl::Copy);
    auto* ok = findControl<QPushButton>(this, ColourCodeControl::Ok);
    // Neither button answers Enter: the dialog has no default button.
    for (QPushButton* button : {copy, ok}) {
        button->setAutoDefault(false);
    }
    connect(copy, &QPushButton::clicked, this, [this] {
        edit_->selectAll();
        platform_.copyText(edit_->text());
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

ColourValue ColourCodeDialog::edit(ColourValue colour) {
    edit_->setText(QString::fromStdString(model_.colourCode(colour)));
    edit_->setFocus();
    platform_.runModal(*this);
    return MainWindowModel::colourFromCode(edit_->text().toStdString(), colour);
}

void ColourCodeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window.
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace huewright
