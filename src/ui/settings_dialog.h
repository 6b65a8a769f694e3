#pragma once

#include <QDialog>

#include "generator/colour.h"
#include "model/control_state.h"
#include "model/controls.h"
#include "model/startup_draft.h"

namespace huewright {

class ColourCodeDialog;
class MainWindowModel;
class Platform;

/// The dialog that edits the start-up settings: "設定" stores them in the start-up file and in
/// the window's start-up settings, "取消" and the close box leave both as they were.
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SettingsDialog(MainWindowModel& model, Platform& platform, ColourCodeDialog& colourCode,
                   QWidget* parent);

    /// Fills every control from the window's start-up settings, as the dialog opens.
    void fill();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void chooseColour(ColourSlot slot);
    void showColourCode(ColourSlot slot);
    void takeCurrentColours();
    void store();
    /// Draws what changed of the draft on the panels, check boxes and tag-form groups.
    void showDraft();

    MainWindowModel& model_;
    Platform& platform_;
    ColourCodeDialog& colourCode_;
    StartupDraft draft_;
    DrawnState drawn_;
};

}  // namespace huewright
