#pragma once

#include <QString>

#include <map>

#include "ui/platform.h"

namespace huewright {

/// The desktop's Platform: Qt's colour, file and message dialogs, the system clipboard, the
/// desktop's file opener for help, and the system beep. The only place that runs a dialog modally.
class QtPlatform : public Platform {
  public:
    void beep() override;
    std::optional<ColourValue> chooseColour(QWidget* parent, ColourValue initial) override;
    std::optional<QString> chooseFile(QWidget* parent, const QString& id,
                                      const FileDialogSpec& spec) override;
    void showError(QWidget* parent, const QString& message) override;
    void copyText(const QString& text) override;
    void copyImage(const QImage& image) override;
    void showHelp(QWidget* parent, const QString& helpFile) override;

  private:
    /// What one file dialog offers the next time it opens: the last confirmed full name and
    /// file type, empty until the first confirmation.
    struct FileDialogMemory {
        QString fileName;
        QString nameFilter;
    };

    std::map<QString, FileDialogMemory> fileDialogs_;
};

/// The help file of the program at `executablePath`: the path with its extension replaced by
/// ".hlp", or with ".hlp" appended when the file name has no ".". The extension starts at the
/// last "." after the last "/", "\" and ":".
QString helpFileName(const QString& executablePath);

}  // namespace huewright
