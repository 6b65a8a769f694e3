#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "generator/colour.h"

class QDialog;
class QImage;
class QWidget;

namespace huewright {

/// A file type of a file dialog: what the list shows, and the names it matches.
struct FileType {
    QString label;     ///< e.g. "すべてのファイル (*.*)"
    QString patterns;  ///< e.g. "*", which matches names without a dot too
};

/// How a file dialog looks and behaves; each dialog also remembers its last name and file type.
struct FileDialogOptions {
    QString title;
    QString initialName;    ///< offered the first time, e.g. "Lumo.DAT"
    QString defaultSuffix;  ///< added to a name typed without one, e.g. "DAT"
    QList<FileType> types;  ///< the first is selected the first time
    bool save = false;      ///< a save dialog asks before replacing a file; an open dialog
                            ///< accepts a name that does not exist
};

/// Everything the window asks of the desktop: modal prompts, the clipboard, help and the beep.
/// The program uses the Qt implementation; tests pass a fake that answers from a script and
/// records the calls, so no test ever opens a modal window.
class Platform {
  public:
    virtual ~Platform() = default;

    /// The warning sound for a refused key or character.
    virtual void beep() = 0;
    /// The colour dialog preset to `initial`; the chosen colour, or nothing when cancelled.
    /// Custom colours are kept while the program runs, from a confirmed dialog only.
    virtual std::optional<ColourValue> chooseColour(QWidget* parent, ColourValue initial) = 0;
    /// Runs the file dialog `id` ("SD1", "OD1"); the chosen full file name, or nothing when
    /// cancelled. Each id remembers its own last name and file type.
    virtual std::optional<QString> chooseFile(QWidget* parent, const QString& id,
                                              const FileDialogOptions& options) = 0;
    /// Shows `dialog` modally until it closes, by whatever means.
    virtual void runModal(QDialog& dialog) = 0;
    /// The application's error box: stop icon, OK button, application title, `message` as given.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    /// Puts `text` on the clipboard as plain text.
    virtual void copyText(const QString& text) = 0;
    /// Puts a copy of `image` on the clipboard as an image.
    virtual void copyImage(const QImage& image) = 0;
    /// Opens the help window on the help file `helpFile`, or brings it forward when it is open.
    virtual void showHelp(QWidget* parent, const QString& helpFile) = 0;
};

}  // namespace huewright
