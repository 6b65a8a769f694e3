#include "ui/extended_dialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>

#include "controls/qt_colour.h"
#include "model/layout.h"
#include "model/main_window_model.h"
#include "ui/control_drawing.h"
#include "ui/control_layout.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/image_view.h"
#include "ui/platform.h"

namespace huewright {

namespace {

using E = ExtendedControl;

}  // namespace

ExtendedDialog::ExtendedDialog(MainWindowModel& model, Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      platform_(platform) {
    setFont(windowFont(12));
    buildWindow(this, this, extendedDialogLayout(), [this] { platform_.beep(); });
    auto* strip = findControl<ImageView>(this, E::Strip);
    strip_ = QImage(strip->size(), QImage::Format_RGB32);
    strip->setImage(&strip_);

    connect(findControl<QLineEdit>(this, E::Stops), &QLineEdit::textEdited, this,
            [this](const QString& text) {
                draft_.setStopsText(text.toStdString());
                drawn_.forget(E::Stops);
                showDraft();
            });
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    for (const E control : kAllExtendedControls) {
        auto* button = findControl<QAbstractButton>(this, control);
        if (button == nullptr || control == E::AddStop || control == E::Ok ||
            control == E::Cancel) {
            continue;
        }
        // A preset, a button of the list, a blend or a switch, which Qt may have toggled.
        connect(button, &QAbstractButton::clicked, this, [this, control] {
            draft_.click(control);
            drawn_.forget(control);
            showDraft();
        });
    }
    connect(findControl<QPushButton>(this, E::AddStop), &QPushButton::clicked, this,
            &ExtendedDialog::addStop);
    connect(findControl<QPushButton>(this, E::Ok), &QPushButton::clicked, this,
            &ExtendedDialog::store);
    connect(findControl<QPushButton>(this, E::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
}

void ExtendedDialog::fill() {
    draft_.open(model_.colourOptions(), model_.windowStops());
    showDraft();
}

void ExtendedDialog::showDraft() {
    drawControls(this, drawn_.changes(extendedDialogState(draft_)));
    const std::vector<ColourValue> colours = draft_.stripColours(strip_.width());
    strip_.fill(palette().color(QPalette::Window));
    for (std::size_t x = 0; x < colours.size(); ++x) {
        const QRgb colour = toQColour(colours[x]).rgb();
        for (int y = 0; y < strip_.height(); ++y) {
            strip_.setPixel(static_cast<int>(x), y, colour);
        }
    }
    findControl<ImageView>(this, E::Strip)->update();
}

void ExtendedDialog::addStop() {
    const std::optional<std::vector<ColourValue>> stops = draft_.stops();
    const ColourValue last = stops && !stops->empty() ? stops->back() : 0;
    if (const std::optional<ColourValue> chosen = platform_.chooseColour(this, last)) {
        draft_.addStop(*chosen);
        drawn_.forget(E::Stops);
        showDraft();
    }
}

void ExtendedDialog::store() {
    try {
        model_.setColourOptions(draft_.values());
        accept();
    } catch (const std::exception& error) {
        // The dialog stays open with the user's edits, to mend the list or cancel.
        platform_.showError(this, windowMessage(error, model_));
    }
}

}  // namespace huewright
