#pragma once

#include <optional>
#include <vector>

#include "model/control_state.h"
#include "model/main_window_model.h"

namespace huewright {

/// The current colour a colour button chooses; none for the other buttons.
std::optional<ColourSlot> colourSlotOf(Button button);
/// The current colour a colour panel of the main window shows; none for the other parts.
std::optional<ColourSlot> colourSlotOf(WindowPart part);

/// Every control of the main window that shows state, with its state, always in one order: the
/// edits, the face box, the check boxes, radio buttons, spin edits, buttons, colour panels, the
/// output-form menu's items, the markup, its length and the preview.
std::vector<ShownControl> mainWindowState(const MainWindowModel& model);

}  // namespace huewright
