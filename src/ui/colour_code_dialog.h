#pragma once

#include <QDialog>

#include <span>

#include "ui/control_layout.h"

class QLineEdit;

namespace huewright {

class Platform;

/// Every control of the colour-code dialog.
std::span<const ControlLayout> colourCodeDialogLayout();

/// The small dialog that shows a colour as its code: the code can be copied to the clipboard or
/// typed over. It has no cancel: however it closes, the caller reads the code back.
class ColourCodeDialog : public QDialog {
    Q_OBJECT
  public:
    ColourCodeDialog(Platform& platform, QWidget* parent);

    /// The code in the edit box.
    QString code() const;
    /// Puts `code` into the edit box, replacing whatever was typed before.
    void setCode(const QString& code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Platform& platform_;
    QLineEdit* edit_;
};

}  // namespace huewright
