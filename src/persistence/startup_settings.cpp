#include "persistence/startup_settings.h"

#include <string_view>
#include <vector>

#include "persistence/settings_file.h"
#include "persistence/value_rules.h"

namespace huewright {

namespace {

constexpr std::string_view kSection = "Stat";
constexpr StartupSettings kBuiltIn{};

// A key of the start-up file and the field it fills: `number` for colours and integers, `flag`
// for switches. `keyMissing` applies when the file exists but the key is absent or invalid.
struct StartupKey {
    std::string_view key;
    ValueKind kind;
    std::int32_t keyMissing;
    std::int32_t StartupSettings::*number;
    bool StartupSettings::*flag;
};

// Read at start and written by the settings dialog in this order.
constexpr StartupKey kStartupKeys[] = {
    {"Col1", ValueKind::Colour, kBuiltIn.startColour, &StartupSettings::startColour, nullptr},
    {"Col2", ValueKind::Colour, kBuiltIn.middleColour, &StartupSettings::middleColour, nullptr},
    {"Col3", ValueKind::Colour, kBuiltIn.endColour, &StartupSettings::endColour, nullptr},
    {"ColB", ValueKind::Colour, kBuiltIn.backgroundColour, &StartupSettings::backgroundColour,
     nullptr},
    {"SS", ValueKind::Switch, 0, nullptr, &StartupSettings::useSize},
    {"FS", ValueKind::Switch, 0, nullptr, &StartupSettings::useFace},
    {"KB", ValueKind::Switch, 0, nullptr, &StartupSettings::lineBreak},
    {"TB", ValueKind::Switch, 1, nullptr, &StartupSettings::upperCaseTags},
    {"CS", ValueKind::Switch, 1, nullptr, &StartupSettings::hashInColourCodes},
    {"F_TAG", ValueKind::Integer, 0, &StartupSettings::boldTagForm, nullptr},
    {"S_TAG", ValueKind::Integer, 0, &StartupSettings::italicTagForm, nullptr},
};

// Other readers of the file pass over a key they do not know, so old and new files mix freely.
constexpr std::string_view kOutputFormKey = "Form";
constexpr std::int32_t kLastOutputForm = 2;

}  // namespace

std::filesystem::path startupFilePath(const std::filesystem::path& startupDir) {
    return startupDir / "lumo.ini";
}

StartupSettings readStartupSettings(const FileSystem& files, const std::filesystem::path& file) {
    StartupSettings settings;
    if (!files.exists(file)) {
        return settings;
    }
    std::vector<SettingsKey> keys;
    for (const StartupKey& entry : kStartupKeys) {
        keys.push_back({kSection, entry.key});
    }
    keys.push_back({kSection, kOutputFormKey});
    const SettingsFileReader reader(files, file, keys);
    const std::int32_t form = reader.number({kSection, kOutputFormKey}).value_or(0);
    settings.outputForm = form >= 0 && form <= kLastOutputForm ? form : 0;
    for (const StartupKey& entry : kStartupKeys) {
        const std::int32_t value = reader.number({kSection, entry.key}).value_or(entry.keyMissing);
        if (entry.kind == ValueKind::Switch) {
            settings.*entry.flag = value != 0;
        } else {
            settings.*entry.number = value;
        }
    }
    return settings;
}

namespace {

// The eleven keys of `settings`, by the value rules.
std::vector<SettingsValue> startupValues(const StartupSettings& settings) {
    std::vector<SettingsValue> values;
    for (const StartupKey& entry : kStartupKeys) {
        values.push_back({{kSection, entry.key},
                          entry.kind == ValueKind::Switch
                              ? std::string(formatSettingSwitch(settings.*entry.flag))
                              : formatSettingInteger(settings.*entry.number)});
    }
    return values;
}

}  // namespace

void writeStartupOutputForm(FileSystem& files, const std::filesystem::path& file,
                            const StartupSettings& settings) {
    // A start-up file that exists but lacks SS, FS and KB switches them off at the next start,
    // so a new file gets every key the settings hold, not the form alone.
    std::vector<SettingsValue> values;
    if (!files.exists(file)) {
        values = startupValues(settings);
    }
    values.push_back({{kSection, kOutputFormKey}, formatSettingInteger(settings.outputForm)});
    saveSettingsValues(files, file, values);
}

void writeStartupSettings(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings) {
    saveSettingsValues(files, file, startupValues(settings));
}

}  // namespace huewright
