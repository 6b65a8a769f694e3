#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/output.h"
#include "persistence/settings_file.h"

namespace huewright {

/// The section of a gradation settings file that keeps what the window's keys cannot: the output
/// form and the extended colour options. Readers that do not know it pass over it, and a save
/// keeps it as it keeps every key it does not write.
inline constexpr std::string_view kExtendedSection = "HuewrightHTML";

/// The section's keys in the order a save writes them: "Form" (font, span, bbcode, ansi),
/// "Colours" (the stops as "#RRGGBB,#RRGGBB", empty for the window's own colours), "Blend" (rgb,
/// oklab, oklch), "MergeRuns" and "ExactEnds" (switches).
std::vector<SettingsKey> extendedKeys();

/// The section's keys for `options` (all of it but how texts are encoded), by the value rules.
std::vector<SettingsValue> extendedFileValues(const OutputOptions& options);

/// What a save of `options` into the file `target` (as read for the save) writes of the
/// section: every key, unless the options are the window's own (FONT, the window's colours and
/// steps) and the file holds none of the section's keys, when a save writes nothing more than
/// the window's does.
std::vector<SettingsValue> extendedValuesToSave(const ProfileDocument& target,
                                                const OutputOptions& options);

/// Takes each key of the section that `reader` holds into `options`, leaving the field of a
/// missing key as it is. `reader` must have been asked for extendedKeys(). Returns the keys whose
/// values cannot be read; their fields stay as they are too.
std::vector<std::string> takeExtendedKeys(const SettingsFileReader& reader, OutputOptions& options);

}  // namespace huewright
