#pragma once

#include <QString>

#include <map>
#include <memory>

#include "ui/platform.h"

namespace huewright {

class HelpWindow;

/// The desktop's Platform: Qt's colour, file and message dialogs, the system clipboard, the
/// program's help window, and the system beep. The only place that runs a dialog modally.
class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    void beep() override;
    std::optional<ColourValue> chooseColour(QWidget* parent, ColourValue initial) override;
    std::optional<QString> chooseFile(QWidget* parent, const QString& id,
                                      const FileDialogOptions& options) override;
    void runModal(QDialog& dialog) override;
    void showError(QWidget* parent, const QString& message) override;
    void copyText(const QString& text) override;
    void copyImage(const QImage& image) override;
    void showHelp(QWidget* parent, const QString& helpFile) override;

  private:
    /// What one file dialog offers the next time it opens: the last confirmed full name (empty
    /// until the first confirmation) and file type.
    struct FileDialogMemory {
        QString fileName;
        int type = 0;
    };

    std::map<QString, FileDialogMemory> fileDialogs_;
    std::unique_ptr<HelpWindow> help_;
};

}  // namespace huewright
