#include "persistence/settings_file.h"

#include <stdexcept>

#include "persistence/profile_file.h"
#include "persistence/value_rules.h"

namespace huewright {

SettingsFileReader::SettingsFileReader(const ProfileDocument& document,
                                       std::span<const SettingsKey> keys)
    : keys_(keys.begin(), keys.end()), entries_(document.readAll(keys)) {}

const ProfileDocument::Entry& SettingsFileReader::entry(SettingsKey key) const {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i].section == key.section && keys_[i].key == key.key) {
            return entries_[i];
        }
    }
    throw std::logic_error("the reader was not asked for the key " + std::string(key.key));
}

std::optional<std::int32_t> SettingsFileReader::number(SettingsKey key) const {
    const std::optional<std::string>& value = entry(key).value;
    return value ? parseSettingInteger(*value) : std::nullopt;
}

std::optional<bool> SettingsFileReader::switchOn(SettingsKey key) const {
    const std::optional<std::string>& value = entry(key).value;
    return value ? parseSettingSwitch(*value) : std::nullopt;
}

std::optional<std::string> SettingsFileReader::text(SettingsKey key) const {
    return entry(key).value;
}

bool SettingsFileReader::holds(SettingsKey key) const {
    const ProfileDocument::Entry& held = entry(key);
    return held.value || held.unrepresentable || held.loneSurrogate;
}

bool SettingsFileReader::unrepresentable(SettingsKey key) const {
    return entry(key).unrepresentable;
}

std::optional<LoneSurrogate> SettingsFileReader::loneSurrogate(SettingsKey key) const {
    return entry(key).loneSurrogate;
}

std::string updatedSettingsFile(const FileSystem& files, const std::filesystem::path& file,
                                std::span<const SettingsValue> values) {
    ProfileDocument document = loadProfileForUpdate(files, file);
    document.writeAll(values);
    return document.bytes();
}

void saveSettingsValues(FileSystem& files, const std::filesystem::path& file,
                        std::span<const SettingsValue> values) {
    files.replaceFile(file, updatedSettingsFile(files, file, values));
}

}  // namespace huewright
