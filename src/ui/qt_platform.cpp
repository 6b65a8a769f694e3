#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

namespace huewright {

void QtPlatform::beep() {
    QApplication::beep();
}

std::optional<ColourValue> QtPlatform::chooseColour(QWidget* parent, ColourValue initial) {
    // The sixteen custom colours are QColorDialog's own, shared by every dialog it opens.
    QColorDialog dialog(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QColor chosen = dialog.selectedColor();
    return static_cast<ColourValue>(chosen.red()) | static_cast<ColourValue>(chosen.green()) << 8 |
           static_cast<ColourValue>(chosen.blue()) << 16;
}

std::optional<QString> QtPlatform::chooseFile(QWidget* parent, const QString& id,
                                              const FileDialogSpec& spec) {
    // A fresh dialog each time, preset from what the last confirmation left, so that browsing
    // in a dialog the user then cancels is not offered again.
    FileDialogMemory& memory = fileDialogs_[id];
    QFileDialog dialog(parent, spec.title);
    dialog.setAcceptMode(spec.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    dialog.setNameFilters(spec.filters);
    dialog.selectNameFilter(memory.nameFilter.isEmpty() ? spec.filters.value(0)
                                                        : memory.nameFilter);
    dialog.selectFile(memory.fileName.isEmpty() ? spec.initialName : memory.fileName);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QString fileName = dialog.selectedFiles().value(0);
    memory = {fileName, dialog.selectedNameFilter()};
    return fileName;
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
    // A failure is the opener's to report, as a missing help file is the help engine's.
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}

QString helpFileName(const QString& executablePath) {
    const qsizetype separator =
        std::max({executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'),
                  executablePath.lastIndexOf(u':')});
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    return (dot > separator ? executablePath.left(dot) : executablePath) + QStringLiteral(".hlp");
}

}  // namespace huewright
