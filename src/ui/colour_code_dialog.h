#pragma once

#include <QDialog>

#include "generator/colour.h"

class QLineEdit;

namespace huewright {

class MainWindowModel;
class Platform;

/// The small dialog that shows a colour as its code: the code can be copied to the clipboard or
/// typed over. It has no cancel: however it closes, the caller reads the code back.
class ColourCodeDialog : public QDialog {
    Q_OBJECT
  public:
    /// The codes are shown and read by `model`'s start-up options.
    ColourCodeDialog(const MainWindowModel& model, Platform& platform, QWidget* parent);

    /// Shows `colour` as its code, runs the dialog modally, and returns the colour the code then
    /// spells, or `colour` when it spells none.
    ColourValue edit(ColourValue colour);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const MainWindowModel& model_;
    Platform& platform_;
    QLineEdit* edit_;
};

}  // namespace huewright
