#include "persistence/settings_file.h"

#include "persistence/profile_file.h"
#include "persistence/value_rules.h"

namespace huewright {

SettingsFileReader::SettingsFileReader(const FileSystem& files, const std::filesystem::path& file)
    : document_(files.readFile(file).value_or(std::string())) {}

std::optional<std::int32_t> SettingsFileReader::number(SettingsKey key) const {
    const std::optional<std::string> value = document_.read(key.section, key.key);
    return value ? parseSettingInteger(*value) : std::nullopt;
}

std::optional<bool> SettingsFileReader::switchOn(SettingsKey key) const {
    const std::optional<std::string> value = document_.read(key.section, key.key);
    return value ? parseSettingSwitch(*value) : std::nullopt;
}

std::optional<std::string> SettingsFileReader::text(SettingsKey key) const {
    return document_.read(key.section, key.key);
}

bool SettingsFileReader::holds(SettingsKey key) const {
    return text(key) || unrepresentable(key);
}

void saveSettingsValues(FileSystem& files, const std::filesystem::path& file,
                        std::span<const SettingsValue> values) {
    ProfileDocument document = loadProfileForUpdate(files, file);
    for (const SettingsValue& value : values) {
        document.write(value.key.section, value.key.key, value.text);
    }
    files.replaceFile(file, document.bytes());
}

}  // namespace huewright
