#include "persistence/startup_settings.h"

#include <string_view>

#include "persistence/profile_file.h"
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
    {"Col1", ValueKind::Colour, kBuiltIn.Col1, &StartupSettings::Col1, nullptr},
    {"Col2", ValueKind::Colour, kBuiltIn.Col2, &StartupSettings::Col2, nullptr},
    {"Col3", ValueKind::Colour, kBuiltIn.Col3, &StartupSettings::Col3, nullptr},
    {"ColB", ValueKind::Colour, kBuiltIn.ColB, &StartupSettings::ColB, nullptr},
    {"SS", ValueKind::Switch, 0, nullptr, &StartupSettings::SS},
    {"FS", ValueKind::Switch, 0, nullptr, &StartupSettings::FS},
    {"KB", ValueKind::Switch, 0, nullptr, &StartupSettings::KB},
    {"TB", ValueKind::Switch, 1, nullptr, &StartupSettings::TB},
    {"CS", ValueKind::Switch, 1, nullptr, &StartupSettings::CS},
    {"F_TAG", ValueKind::Integer, 0, &StartupSettings::F_TAG, nullptr},
    {"S_TAG", ValueKind::Integer, 0, &StartupSettings::S_TAG, nullptr},
};

}  // namespace

std::filesystem::path startupFilePath(const std::filesystem::path& startupDir) {
    return startupDir / "lumo.ini";
}

StartupSettings readStartupSettings(const FileSystem& files, const std::filesystem::path& file) {
    StartupSettings settings;
    if (!files.exists(file)) {
        return settings;
    }
    const ProfileDocument document(files.readFile(file).value_or(std::string()));
    for (const StartupKey& entry : kStartupKeys) {
        const std::optional<std::string> text = document.read(kSection, entry.key);
        const std::int32_t value =
            text ? parseSettingInteger(*text).value_or(entry.keyMissing) : entry.keyMissing;
        if (entry.kind == ValueKind::Switch) {
            settings.*entry.flag = value != 0;
        } else {
            settings.*entry.number = value;
        }
    }
    return settings;
}

void writeStartupSettings(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings) {
    ProfileDocument document = loadProfileForUpdate(files, file);
    for (const StartupKey& entry : kStartupKeys) {
        document.write(kSection, entry.key,
                       entry.kind == ValueKind::Switch
                           ? std::string(formatSettingSwitch(settings.*entry.flag))
                           : formatSettingInteger(settings.*entry.number));
    }
    files.replaceFile(file, document.bytes());
}

}  // namespace huewright
