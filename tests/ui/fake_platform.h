#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ui/platform.h"

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
    int modalRuns = 0;
    std::vector<ColourValue> colourOffers;  ///< the colour each colour dialog opened with
    std::vector<std::pair<QString, FileDialogSpec>> fileRuns;  ///< each file dialog's id and spec
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
                                      const FileDialogSpec& spec) override {
        fileRuns.emplace_back(id, spec);
        return next(fileAnswers);
    }

    void runModal(QDialog& dialog) override {
        ++modalRuns;
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

}  // namespace huewright
