#include "ui/colour_code_dialog.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <array>

#include "ui/control_layout.h"
#include "ui/fonts.h"
#include "ui/platform.h"

namespace huewright {

namespace {

constexpr QSize kClientSize(104, 51);

const ControlLayout kLayout[] = {
    {"Edit1", ControlKind::LineEdit, "", "", "カラーコードを設定します", {24, 8, 57, 20}, 0},
    {"copy_b",
     ControlKind::Button,
     "",
     "COPY",
     "カラーコードをクリップボードにコピーします",
     {8, 32, 41, 17},
     1},
    {"ok_b", ControlKind::Button, "", "OK", "", {56, 32, 41, 17}, 2},
};

}  // namespace

std::span<const ControlLayout> colourCodeDialogLayout() {
    return kLayout;
}

ColourCodeDialog::ColourCodeDialog(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform) {
    setObjectName(QStringLiteral("colorform"));
    setWindowTitle(QStringLiteral("ColorNo"));
    setFont(windowFont(12));
    setFixedSize(kClientSize);
    buildControls(this, kLayout, [this] { platform_.beep(); });
    edit_ = findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit_->installEventFilter(this);
    auto* copy = findChild<QPushButton*>(QStringLiteral("copy_b"));
    auto* ok = findChild<QPushButton*>(QStringLiteral("ok_b"));
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

QString ColourCodeDialog::code() const {
    return edit_->text();
}

void ColourCodeDialog::setCode(const QString& code) {
    edit_->setText(code);
    edit_->setFocus();
}

void ColourCodeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window.
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

bool ColourCodeDialog::eventFilter(QObject* watched, QEvent* event) {
    // The whole code is selected whenever the box gets the focus other than by a click.
    if (watched == edit_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        edit_->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace huewright
