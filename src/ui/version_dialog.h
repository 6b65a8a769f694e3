#pragma once

#include <QDialog>

#include <functional>

namespace huewright {

/// The small dialog "バージョン情報": the program's name and its version line, each drawn by a
/// gradient label as the main window draws its name, and OK. F1 opens the help as elsewhere.
class VersionDialog : public QDialog {
    Q_OBJECT
  public:
    /// `showHelp` opens the help.
    VersionDialog(std::function<void()> showHelp, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace huewright
