#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "generator/colour.h"
#include "model/controls.h"

// What a view draws of its controls: one snapshot of every control's state, and of it only what
// changed since the view last drew. Both views draw from here; neither keeps a state of its own.

namespace huewright {

/// A control that shows state.
using Control = std::variant<CheckBox, RadioButton, SpinField, LineEdit, Button, WindowPart,
                             MenuItem, SettingsControl, ExtendedControl>;

/// The short name of `control`, by which the views find it.
std::string_view nameOf(const Control& control);

/// What a view shows of one control; a field a control does not have stays empty.
struct ControlState {
    std::optional<std::string> text{};    ///< UTF-8: an edit's text, the markup, the length text
    std::optional<bool> checked{};        ///< a check box, radio button or menu choice
    std::optional<bool> enabled{};        ///< a control that can be disabled
    std::optional<int> value{};           ///< a spin edit's value, the length in bytes
    std::optional<ColourValue> colour{};  ///< a colour panel's colour
    /// What a screen reader adds to the control's name: a panel's colour code, the preview's text.
    std::optional<std::string> description{};
    /// For what the output rebuilds (the markup and the preview): the rebuild that made it, so
    /// that every rebuild draws it again, as each one replaces the markup box's edits.
    std::uint64_t made = 0;

    bool operator==(const ControlState&) const = default;
};

/// A control with its state.
struct ShownControl {
    Control control;
    ControlState state;
};

/// What a view has drawn, to draw next only what changed.
class DrawnState {
  public:
    /// The controls of `now` whose state differs from what was drawn last, in the order of
    /// `now`; every control the first time. They count as drawn from then on.
    std::vector<ShownControl> changes(std::vector<ShownControl> now);
    /// Draws `control` again next time, whatever its state: a toolkit may have changed it on
    /// its own, as a click toggles a check box the model leaves as it was.
    void forget(const Control& control);

  private:
    struct Drawn {
        Control control;
        std::optional<ControlState> state;  ///< none once forgotten
    };
    std::vector<Drawn> drawn_;
};

}  // namespace huewright
