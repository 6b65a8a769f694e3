#pragma once

#include <QDialog>

#include <array>

#include "generator/colour.h"
#include "model/controls.h"
#include "model/startup_draft.h"

class QAbstractButton;

namespace huewright {

class ColourCodeDialog;
class ColourPanel;
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
    /// The draft's colour for `slot`, which its panel shows.
    ColourValue colour(ColourSlot slot) const;
    void setColour(ColourSlot slot, ColourValue colour);
    /// Shows the draft in the panels, check boxes and tag-form groups.
    void showDraft();

    MainWindowModel& model_;
    Platform& platform_;
    ColourCodeDialog& colourCode_;
    StartupDraft draft_;
    std::array<ColourPanel*, 4> panels_{};  // start, middle, end, background
    std::array<QAbstractButton*, 5> switches_{};
    std::array<std::array<QAbstractButton*, 2>, 2> tagItems_{};  // bold, italic
};

}  // namespace huewright
