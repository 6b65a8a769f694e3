#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/file_system.h"
#include "persistence/profile_document.h"

namespace huewright {

/// Answers, key by key, what a settings file holds, by the value rules. The file is read and
/// searched once, for the keys named when the reader is made; it answers only for those.
class SettingsFileReader {
  public:
    /// Reads a file already in memory.
    SettingsFileReader(const ProfileDocument& document, std::span<const SettingsKey> keys);

    /// A colour or integer key's value; nullopt when the key is missing or not a number.
    std::optional<std::int32_t> number(SettingsKey key) const;
    /// A switch key's value, on when its number is not 0; nullopt when missing or not a number.
    std::optional<bool> switchOn(SettingsKey key) const;
    /// A text key's value, whole; nullopt when the key is missing.
    std::optional<std::string> text(SettingsKey key) const;
    /// Whether the file holds a value for `key`, readable or not.
    bool holds(SettingsKey key) const;
    /// Whether `key` holds a value that code page 932 cannot hold (only a Unicode file can).
    bool unrepresentable(SettingsKey key) const;
    /// The first lone surrogate that makes the value of `key` unreadable (only a UTF-16 file
    /// can hold one).
    std::optional<LoneSurrogate> loneSurrogate(SettingsKey key) const;

  private:
    const ProfileDocument::Entry& entry(SettingsKey key) const;

    std::vector<SettingsKey> keys_;
    std::vector<ProfileDocument::Entry> entries_;
};

/// The bytes `file` holds once `values` are written into it in their order: existing keys replaced
/// where they stand, everything else the file holds kept; from an empty file when it is missing.
/// Throws LineBreakInValueError, or FileWriteError naming `file` when it exists but cannot be
/// read or decoded whole (saving over it would lose what it holds).
std::string updatedSettingsFile(const FileSystem& files, const std::filesystem::path& file,
                                std::span<const SettingsValue> values);

/// Writes `values` into `file` in their order as one save: existing keys are replaced where they
/// stand and everything else the file holds is kept; a missing file is created. Throws
/// LineBreakInValueError (nothing written) or FileWriteError naming `file`, which is then
/// unchanged.
void saveSettingsValues(FileSystem& files, const std::filesystem::path& file,
                        std::span<const SettingsValue> values);

}  // namespace huewright
