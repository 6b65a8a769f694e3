#include "ui/qt_platform.h"

#include "ui/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>

#include <algorithm>
#include <array>

namespace huewright {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::beep() {
    QApplication::beep();
}

std::optional<ColourValue> QtPlatform::chooseColour(QWidget* parent, ColourValue initial) {
    // The sixteen custom colours are QColorDialog's own, shared by every dialog it opens; the
    // dialog changes them at once, so a cancel puts them back.
    std::array<QColor, 16> custom;
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        custom.at(static_cast<std::size_t>(i)) = QColorDialog::customColor(i);
    }
    QColorDialog dialog(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent);
    if (dialog.exec() != QDialog::Accepted) {
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            QColorDialog::setCustomColor(i, custom.at(static_cast<std::size_t>(i)));
        }
        return std::nullopt;
    }
    const QColor chosen = dialog.selectedColor();
    return static_cast<ColourValue>(chosen.red()) | static_cast<ColourValue>(chosen.green()) << 8 |
           static_cast<ColourValue>(chosen.blue()) << 16;
}

std::optional<QString> QtPlatform::chooseFile(QWidget* parent, const QString& id,
                                              const FileDialogOptions& options) {
    // A fresh dialog each time, preset from what the last confirmation left, so that browsing
    // in a dialog the user then cancels is not offered again.
    FileDialogMemory& memory = fileDialogs_[id];
    QFileDialog dialog(parent, options.title);
    dialog.setAcceptMode(options.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultSuffix);
    // Each type's label shows its own pattern; the real patterns follow in a last pair of
    // brackets that the list hides, so that "*.*" may match names without a dot as well.
    QStringList filters;
    for (const FileType& type : options.types) {
        filters.append(type.label + QStringLiteral(" (") + type.patterns + QLatin1Char(')'));
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(memory.type));
    dialog.selectFile(memory.fileName.isEmpty() ? options.initialName : memory.fileName);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString fileName = dialog.selectedFiles().value(0);
    // The dialog reports the chosen type by the label it shows.
    const auto chosen =
        std::find_if(options.types.begin(), options.types.end(),
                     [&](const FileType& t) { return t.label == dialog.selectedNameFilter(); });
    memory = {fileName, chosen != options.types.end()
                            ? static_cast<int>(chosen - options.types.begin())
                            : memory.type};
    return fileName;
}

void QtPlatform::runModal(QDialog& dialog) {
    dialog.exec();
}

void QtPlatform::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::copyImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtPlatform::showHelp(QWidget* /*parent*/, const QString& helpFile) {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
    }
    // The program may have switched its language, and with it the document, since the last time.
    if (help_->file() != helpFile) {
        help_->load(helpFile);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

}  // namespace huewright
