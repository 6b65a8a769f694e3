#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/platform.h"

namespace huewright {

/// A Platform that answers dialogs from scripted queues and records every call. A dialog run
/// with its queue empty answers as if cancelled.
class FakePlatform : public Platform {
  public:
    struct ColourRun {
        QWidget* parent;
        ColourValue initial;
    };
    struct FileRun {
        QWidget* parent;
        QString id;
        FileDialogSpec spec;
    };
    struct Shown {
        QWidget* parent;
        QString text;  ///< the error message or the help file
    };

    /// Answers of the colour dialog, first first; nullopt is a cancel.
    std::deque<std::optional<ColourValue>> colourAnswers;
    /// Answers of the file dialogs, whatever their id, first first; nullopt is a cancel.
    std::deque<std::optional<QString>> fileAnswers;

    int beeps = 0;
    std::vector<ColourRun> colourRuns;
    std::vector<FileRun> fileRuns;
    std::vector<Shown> errors;
    std::vector<Shown> helpShown;
    QStringList copiedTexts;
    std::vector<QImage> copiedImages;

    void beep() override { ++beeps; }

    std::optional<ColourValue> chooseColour(QWidget* parent, ColourValue initial) override {
        colourRuns.push_back({parent, initial});
        return next(colourAnswers);
    }

    std::optional<QString> chooseFile(QWidget* parent, const QString& id,
                                      const FileDialogSpec& spec) override {
        fileRuns.push_back({parent, id, spec});
        return next(fileAnswers);
    }

    /// What a modal dialog does while it is "open"; it is shown nothing and closes at once.
    std::function<void(QDialog&)> modalScript;
    int modalRuns = 0;

    void runModal(QDialog& dialog) override {
        ++modalRuns;
        if (modalScript) {
            modalScript(dialog);
        }
    }

    void showError(QWidget* parent, const QString& message) override {
        errors.push_back({parent, message});
    }

    void copyText(const QString& text) override { copiedTexts.push_back(text); }

    void copyImage(const QImage& image) override { copiedImages.push_back(image.copy()); }

    void showHelp(QWidget* parent, const QString& helpFile) override {
        helpShown.push_back({parent, helpFile});
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
