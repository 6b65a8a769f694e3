#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/control_state.h"
#include "persistence/startup_settings.h"

namespace huewright {

class MainWindowModel;

/// The two tag-form choices of the settings dialog.
enum class TagForm { Bold, Italic };

/// The settings dialog's working values: the start-up settings as the user edits them, and the
/// item selected in each tag-form group (0 for B or I, 1 for STRONG or EM). The values outlive
/// a closing of the dialog, but every opening fills them afresh.
class StartupDraft {
  public:
    /// Fills the draft from `startup` as the dialog opens. A tag form above 1 selects the last
    /// item; a negative one selects none and leaves the draft's tag form as it was.
    void open(const StartupSettings& startup);

    /// The values as edited; colours and switches are edited here directly.
    StartupSettings& values() { return values_; }
    const StartupSettings& values() const { return values_; }

    /// The item selected in a tag-form group; none after opening on a negative value.
    std::optional<int> selectedItem(TagForm form) const { return selected_[index(form)]; }
    /// Selects item 0 or 1 of a group; the tag form follows it.
    void select(TagForm form, int item);

    /// A click on one of the dialog's switches toggles it; on a tag-form item selects it. Other
    /// controls take no click here.
    void click(SettingsControl control);
    ColourValue colour(ColourSlot slot) const { return values_.*colourField(slot); }
    void setColour(ColourSlot slot, ColourValue colour) { values_.*colourField(slot) = colour; }
    /// Takes the main window's four current colours as the start-up colours.
    void takeCurrentColours(const MainWindowModel& window);

  private:
    static std::size_t index(TagForm form) { return static_cast<std::size_t>(form); }
    static std::int32_t StartupSettings::*field(TagForm form);
    static ColourValue StartupSettings::*colourField(ColourSlot slot);

    StartupSettings values_;
    std::array<std::optional<int>, 2> selected_{0, 0};
};

/// The start-up colour a colour button or panel of the settings dialog stands for; none for the
/// dialog's other controls.
std::optional<ColourSlot> colourSlotOf(SettingsControl control);

/// Every control of the settings dialog that shows state, with its state as `draft` holds it:
/// the switches, the tag-form items and the colour panels, their codes spelled as `window` spells
/// them.
std::vector<ShownControl> settingsDialogState(const StartupDraft& draft,
                                              const MainWindowModel& window);

}  // namespace huewright
