#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "generator/gradation_settings.h"
#include "persistence/file_system.h"
#include "persistence/settings_file.h"

namespace huewright {

/// The eleven start-up values, one field per key of the start-up file ("Col1" .. "S_TAG"). The
/// initial values are the built-in ones, used when there is no start-up file.
struct StartupSettings {
    ColourValue startColour = kBuiltInStartColour;
    ColourValue middleColour = kBuiltInMiddleColour;
    ColourValue endColour = kBuiltInEndColour;
    ColourValue backgroundColour = kBuiltInBackgroundColour;  ///< of the frame
    bool useSize = true;                                      ///< the size option starts on
    bool useFace = true;                                      ///< the font option starts on
    bool lineBreak = true;                                    ///< the line break starts on
    bool upperCaseTags = true;       ///< markup and colour codes in upper case
    bool hashInColourCodes = true;   ///< colour codes shown and typed with "#"
    std::int32_t boldTagForm = 0;    ///< bold tag: 0 for "B", anything else "STRONG"
    std::int32_t italicTagForm = 0;  ///< italic tag: 0 for "I", anything else "EM"

    /// The window's output form, 0 FONT, 1 SPAN, 2 BBCode; kept under its own key, which the
    /// settings dialog does not write.
    std::int32_t outputForm = 0;
    /// The interface's language as last chosen, "ja" or "en" (section "HuewrightHTML", key
    /// "Language"); "" for none. The settings dialog does not write it either.
    std::string language{};

    friend bool operator==(const StartupSettings&, const StartupSettings&) = default;
};

/// The start-up file: "lumo.ini" in `startupDir`, the working directory captured at start.
std::filesystem::path startupFilePath(const std::filesystem::path& startupDir);

/// What reading the start-up file gave.
struct StartupFileRead {
    StartupSettings settings;
    /// Set when the file exists but could not be read; `settings` are then the built-in ones, as
    /// without a file (keys missing would switch size, font and line break off unasked).
    std::optional<FileReadError> unreadable;
    /// Whether the file holds any start-up key of section "Stat", readable or not.
    bool heldSettings = false;
};

/// The settings held in the start-up file `file`, section "Stat". Without a file, or with one
/// that cannot be read, the built-in values; otherwise a key that is missing or not a number
/// gives its own default, which for "SS", "FS" and "KB" is off. Never fails.
StartupFileRead readStartupFile(const FileSystem& files, const std::filesystem::path& file);

/// The eleven keys of `settings` in the order the settings dialog writes them, by the value rules.
std::vector<SettingsValue> startupFileValues(const StartupSettings& settings);

/// Writes the output form of `settings` into section "Stat" of `file` in one save, keeping
/// everything else the file holds; a file that does not exist yet is created with the eleven keys
/// as well. Throws FileWriteError naming `file`, which is then unchanged.
void writeStartupOutputForm(FileSystem& files, const std::filesystem::path& file,
                            const StartupSettings& settings);

/// Writes the language of `settings` into section "HuewrightHTML" of `file`, as
/// writeStartupOutputForm writes the form.
void writeStartupLanguage(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings);

/// The bytes the start-up file `file` on `files` holds once the eleven keys of `settings` are
/// written into section "Stat", everything else the file holds kept; from an empty file when it
/// is missing. Throws FileWriteError naming `file` when it exists but cannot be read or decoded
/// whole.
std::string updatedStartupFile(const FileSystem& files, const std::filesystem::path& file,
                               const StartupSettings& settings);

/// Writes updatedStartupFile() into `file` in one save. Throws FileWriteError naming `file`, which
/// is then unchanged.
void writeStartupSettings(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings);

}  // namespace huewright
