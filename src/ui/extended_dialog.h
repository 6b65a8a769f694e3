#pragma once

#include <QDialog>
#include <QImage>

#include "model/control_state.h"
#include "model/extended_draft.h"

namespace huewright {

class MainWindowModel;
class Platform;

/// The dialog that edits the colour options beyond the window's: "OK" makes the markup with
/// them, "取消" and the close box leave the window as it was.
class ExtendedDialog : public QDialog {
    Q_OBJECT
  public:
    ExtendedDialog(MainWindowModel& model, Platform& platform, QWidget* parent);

    /// Fills every control from the window's colour options, as the dialog opens.
    void fill();

  private:
    void addStop();
    void store();
    /// Draws what changed of the draft, and the strip of its gradient.
    void showDraft();

    MainWindowModel& model_;
    Platform& platform_;
    ExtendedDraft draft_;
    DrawnState drawn_;
    QImage strip_;
};

}  // namespace huewright
