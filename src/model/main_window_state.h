#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
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
/// output-form menu's items, the markup, its length and the preview. A view that shows only the
/// beginning of a long fragment gives `markupShown`: the markup's text then holds at most that
/// many bytes of the fragment (in its own encoding), whole characters, and every rebuild still
/// draws it again.
/// The fragment of `model`'s last regeneration in UTF-8: at most `bytes` bytes of it in its own
/// encoding, whole characters.
std::string markupUtf8(const MainWindowModel& model, std::size_t bytes = std::string_view::npos);

std::vector<ShownControl> mainWindowState(const MainWindowModel& model,
                                          std::size_t markupShown = std::string_view::npos);

}  // namespace huewright
