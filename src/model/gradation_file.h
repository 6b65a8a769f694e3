#pragma once

#include <array>
#include <string>
#include <vector>

#include "generator/gradation_settings.h"
#include "model/controls.h"
#include "persistence/settings_file.h"

namespace huewright {

/// The state of every window item that a gradation settings file keeps, indexed by the items'
/// enumerations.
struct GradationFileItems {
    std::array<ColourValue, std::size(kAllColourSlots)> colours{};
    std::array<bool, std::size(kAllCheckBoxes)> checks{};
    std::array<bool, std::size(kAllRadioButtons)> radios{};
    std::array<int, std::size(kAllSpinFields)> spins{};  ///< each within its spin edit's range
    std::array<std::string, std::size(kAllLineEdits)> texts;
    std::string faceName;
};

/// The items of a window that describes `settings`: one mode button checked, the pattern button
/// of its kind (none for none), spin values brought into their ranges.
GradationFileItems fileItemsOf(const GradationSettings& settings);

/// The 28 keys of a gradation settings file that keeps `items`, in the order a save writes them,
/// by the value rules.
std::vector<SettingsValue> gradationFileValues(const GradationFileItems& items);

}  // namespace huewright
