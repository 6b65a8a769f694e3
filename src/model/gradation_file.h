#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "generator/gradation_settings.h"
#include "generator/output.h"
#include "model/controls.h"
#include "persistence/file_system.h"
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

/// A gradation settings file that keeps `settings` and, in the program's own section, every
/// option of `extended`: loading it gives a window the settings and options.
ProfileDocument gradationDocumentOf(const GradationSettings& settings,
                                    const OutputOptions& extended);

/// The bytes the gradation settings file `file` on `files` holds once a save of `items` and, when
/// given, of the `extended` options into the program's own section (as extendedValuesToSave
/// decides) is written into it; everything else the file holds is kept. Throws
/// LineBreakInValueError, or FileWriteError naming `file` when it exists but cannot be read or
/// decoded whole.
std::string updatedGradationFile(const FileSystem& files, const std::filesystem::path& file,
                                 const GradationFileItems& items,
                                 const std::optional<OutputOptions>& extended = std::nullopt);

}  // namespace huewright
