#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "persistence/value_rules.h"

namespace huewright {

/// One key of the gradation settings file.
struct GradationKey {
    std::string_view section;
    std::string_view key;
    ValueKind kind;
};

/// Number of keys in a gradation settings file.
inline constexpr std::size_t kGradationKeyCount = 28;

/// The keys in the order a save writes them.
inline constexpr std::array<GradationKey, kGradationKeyCount> kGradationWriteOrder{{
    {"Stat", "Col1", ValueKind::Colour},      {"Stat", "Col2", ValueKind::Colour},
    {"Stat", "Col3", ValueKind::Colour},      {"Stat", "Col_B", ValueKind::Colour},
    {"Stat", "CB", ValueKind::Switch},        {"Stat", "Gtype1B", ValueKind::Switch},
    {"Stat", "Gtype2B", ValueKind::Switch},   {"Stat", "FontName", ValueKind::Text},
    {"Stat", "FontSize", ValueKind::Integer}, {"Stat", "BB", ValueKind::Switch},
    {"Stat", "EB", ValueKind::Switch},        {"Stat", "UB", ValueKind::Switch},
    {"Stat", "SB", ValueKind::Switch},        {"Stat", "FS", ValueKind::Switch},
    {"Stat", "SS", ValueKind::Switch},        {"Stat", "WB", ValueKind::Switch},
    {"Stat", "WS", ValueKind::Integer},       {"Stat", "HB", ValueKind::Switch},
    {"Stat", "LB", ValueKind::Switch},        {"Stat", "link_e", ValueKind::Text},
    {"Stat", "TB", ValueKind::Switch},        {"Stat", "Ftype1B", ValueKind::Switch},
    {"Stat", "Ftype2B", ValueKind::Switch},   {"Stat", "Ftype3B", ValueKind::Switch},
    {"Stat", "FDsize", ValueKind::Integer},   {"Stat", "FSsize", ValueKind::Integer},
    {"Stat", "KB", ValueKind::Switch},        {"DATA", "text", ValueKind::Text},
}};

/// The keys in the order a load reads and applies them: as written, except that "Gtype1B" and
/// "Gtype2B" come before "CB".
inline constexpr std::array<GradationKey, kGradationKeyCount> kGradationReadOrder = [] {
    std::array<GradationKey, kGradationKeyCount> keys = kGradationWriteOrder;
    std::rotate(keys.begin() + 4, keys.begin() + 5, keys.begin() + 7);
    return keys;
}();

/// Answers, key by key, what a gradation settings file holds.
class GradationFileReader {
  public:
    /// Reads `file`; a file that is missing or cannot be read holds no keys.
    GradationFileReader(const FileSystem& files, const std::filesystem::path& file);
    /// Reads a file already in memory.
    explicit GradationFileReader(ProfileDocument document) : document_(std::move(document)) {}

    /// A colour or integer key's value; nullopt when the key is missing or not a number.
    std::optional<std::int32_t> number(const GradationKey& key) const;
    /// A switch key's value, on when its number is not 0; nullopt when missing or not a number.
    std::optional<bool> switchOn(const GradationKey& key) const;
    /// A text key's value, whole; nullopt when the key is missing.
    std::optional<std::string> text(const GradationKey& key) const;

  private:
    ProfileDocument document_;
};

/// Collects the 28 values of a gradation settings file and saves them together.
class GradationFileWriter {
  public:
    /// Sets a colour or integer key of kGradationWriteOrder; the setters throw std::logic_error
    /// for any other key or kind.
    void setNumber(const GradationKey& key, std::int32_t value);
    /// Sets a switch key of kGradationWriteOrder.
    void setSwitch(const GradationKey& key, bool on);
    /// Sets a text key of kGradationWriteOrder.
    void setText(const GradationKey& key, std::string_view text);

    /// Writes the 28 values into `file` in write order as one save: existing keys are replaced
    /// where they stand and everything else the file holds is kept; a missing file is created.
    /// Throws std::logic_error when a key was not set, std::invalid_argument when a text holds a
    /// line break (nothing written), and FileWriteError naming `file`, which is then unchanged.
    void save(FileSystem& files, const std::filesystem::path& file) const;

  private:
    std::array<std::optional<std::string>, kGradationKeyCount> values_;
};

}  // namespace huewright
