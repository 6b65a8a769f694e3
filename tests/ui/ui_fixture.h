#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "model/main_window_model.h"
#include "support/memory_file_system.h"
#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/platform.h"

// What the widget tests share: a fake platform, the main window over fakes, and typing as an
// input method types.

namespace huewright {

/// A Platform that answers dialogs from scripted queues and records every call. A dialog run
/// with its queue empty answers as if cancelled.
class FakePlatform : public Platform {
  public:
    /// Answers of the colour dialog, first first; nullopt is a cancel.
    std::deque<std::optional<ColourValue>> colourAnswers;
    /// Answers of the file dialogs, whatever their id, first first; nullopt is a cancel.
    std::deque<std::optional<QString>> fileAnswers;
    /// What a modal dialog does while it is "open"; it is shown nothing and closes at once.
    std::function<void(QDialog&)> modalScript;

    int beeps = 0;
    std::vector<ColourValue> colourOffers;  ///< the colour each colour dialog opened with
    std::vector<std::pair<QString, FileDialogOptions>>
        fileRuns;  ///< each file dialog's id and options
    QStringList errors;
    QStringList helpFiles;
    QStringList copiedTexts;
    std::vector<QImage> copiedImages;

    void beep() override { ++beeps; }

    std::optional<ColourValue> chooseColour(QWidget* /*parent*/, ColourValue initial) override {
        colourOffers.push_back(initial);
        return next(colourAnswers);
    }

    std::optional<QString> chooseFile(QWidget* /*parent*/, const QString& id,
                                      const FileDialogOptions& options) override {
        fileRuns.emplace_back(id, options);
        return next(fileAnswers);
    }

    void runModal(QDialog& dialog) override {
        if (modalScript) {
            modalScript(dialog);
        }
    }

    void showError(QWidget* /*parent*/, const QString& message) override { errors.append(message); }

    void copyText(const QString& text) override { copiedTexts.append(text); }

    void copyImage(const QImage& image) override { copiedImages.push_back(image.copy()); }

    void showHelp(QWidget* /*parent*/, const QString& helpFile) override {
        helpFiles.append(helpFile);
    }

  private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        std::optional<T> answer;
        if (!answers.empty()) {
            answer.swap(answers.front());
            answers.pop_front();
        }
        return answer;
    }
};

namespace test {

/// The main window over settings files held in memory and a fake platform, started in /work.
struct WindowScene {
    MemoryFileSystem files;
    FakePlatform platform;
    MainWindowModel model{files};
    MainWindow form{model, platform};

    WindowScene() { form.startUp("/work"); }

    /// The window `layout` lays out: the main window or one of its dialogs.
    QWidget* window(const WindowLayout& layout) {
        return layout.name == nameOf(Window::Main) ? &form
                                                   : form.findChild<QWidget*>(qtName(layout.name));
    }
};

/// Types `text` one character (one code point) at a time, as an input method delivers characters
/// without key codes.
inline void type(QWidget* target, const QString& text) {
    for (const char32_t codePoint : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
    }
}

}  // namespace test
}  // namespace huewright
