#include "persistence/startup_settings.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "generator/output.h"
#include "persistence/settings_file.h"
#include "persistence/value_rules.h"

namespace huewright {

namespace {

constexpr std::string_view kSection = "Stat";

// A key of the start-up file and the field it fills. `keyMissing` applies when the file exists but
// the key is absent or invalid.
struct StartupKey {
    std::string_view key;
    std::variant<ColourValue StartupSettings::*, bool StartupSettings::*,
                 std::int32_t StartupSettings::*>
        field;
    std::int32_t keyMissing;
};

// A colour is kept in the file as the signed integer of the same 32 bits.
constexpr std::int32_t inFile(ColourValue colour) {
    return static_cast<std::int32_t>(colour);
}

// Read at start and written by the settings dialog in this order.
constexpr StartupKey kStartupKeys[] = {
    {"Col1", &StartupSettings::startColour, inFile(kBuiltInStartColour)},
    {"Col2", &StartupSettings::middleColour, inFile(kBuiltInMiddleColour)},
    {"Col3", &StartupSettings::endColour, inFile(kBuiltInEndColour)},
    {"ColB", &StartupSettings::backgroundColour, inFile(kBuiltInBackgroundColour)},
    {"SS", &StartupSettings::useSize, 0},
    {"FS", &StartupSettings::useFace, 0},
    {"KB", &StartupSettings::lineBreak, 0},
    {"TB", &StartupSettings::upperCaseTags, 1},
    {"CS", &StartupSettings::hashInColourCodes, 1},
    {"F_TAG", &StartupSettings::boldTagForm, 0},
    {"S_TAG", &StartupSettings::italicTagForm, 0},
};

// Each field as the file writes it, and from the integer the file holds.
std::string fileText(const StartupSettings& s, ColourValue StartupSettings::*colour) {
    return formatSettingInteger(inFile(s.*colour));
}
std::string fileText(const StartupSettings& s, bool StartupSettings::*flag) {
    return std::string(formatSettingSwitch(s.*flag));
}
std::string fileText(const StartupSettings& s, std::int32_t StartupSettings::*number) {
    return formatSettingInteger(s.*number);
}
void take(StartupSettings& s, ColourValue StartupSettings::*colour, std::int32_t value) {
    s.*colour = static_cast<ColourValue>(value);
}
void take(StartupSettings& s, bool StartupSettings::*flag, std::int32_t value) {
    s.*flag = value != 0;
}
void take(StartupSettings& s, std::int32_t StartupSettings::*number, std::int32_t value) {
    s.*number = value;
}

// Other readers of the file pass over a key they do not know, so old and new files mix freely.
// The number is one of the generator's forms; the window takes those of its menu.
constexpr std::string_view kOutputFormKey = "Form";
constexpr auto kLastOutputForm = static_cast<std::int32_t>(std::size(kOutputForms) - 1);
// The interface's language is this program's alone, so it has a section of its own, named as
// the one a gradation file keeps the program's own keys in.
constexpr SettingsKey kLanguageKey{"HuewrightHTML", "Language"};

// Writes `value` into `file` in one save, keeping everything else the file holds. A start-up
// file that exists but lacks SS, FS and KB switches them off at the next start, so a new file
// gets every key the settings hold, not the value alone.
void writeBesideStartupKeys(FileSystem& files, const std::filesystem::path& file,
                            const StartupSettings& settings, SettingsValue value) {
    std::vector<SettingsValue> values;
    if (!files.exists(file)) {
        values = startupFileValues(settings);
    }
    values.push_back(std::move(value));
    saveSettingsValues(files, file, values);
}

}  // namespace

std::filesystem::path startupFilePath(const std::filesystem::path& startupDir) {
    return startupDir / "lumo.ini";
}

StartupFileRead readStartupFile(const FileSystem& files, const std::filesystem::path& file) {
    if (!files.exists(file)) {
        return {};
    }
    FileRead read = files.readFile(file);
    if (!read.bytes) {
        return {StartupSettings{}, FileReadError(file, read.error)};
    }
    std::vector<SettingsKey> keys;
    for (const StartupKey& entry : kStartupKeys) {
        keys.push_back({kSection, entry.key});
    }
    keys.push_back({kSection, kOutputFormKey});
    keys.push_back(kLanguageKey);
    const SettingsFileReader reader(ProfileDocument(std::move(*read.bytes)), keys);
    StartupSettings settings;
    const std::int32_t form = reader.number({kSection, kOutputFormKey}).value_or(0);
    settings.outputForm = form >= 0 && form <= kLastOutputForm ? form : 0;
    settings.language = reader.text(kLanguageKey).value_or("");
    for (const StartupKey& entry : kStartupKeys) {
        const std::int32_t value = reader.number({kSection, entry.key}).value_or(entry.keyMissing);
        std::visit([&](auto field) { take(settings, field, value); }, entry.field);
    }
    const bool held =
        std::any_of(keys.begin(), keys.end(), [&](SettingsKey key) { return reader.holds(key); });
    return {settings, std::nullopt, held};
}

std::vector<SettingsValue> startupFileValues(const StartupSettings& settings) {
    std::vector<SettingsValue> values;
    for (const StartupKey& entry : kStartupKeys) {
        values.push_back(
            {{kSection, entry.key},
             std::visit([&](auto field) { return fileText(settings, field); }, entry.field)});
    }
    return values;
}

void writeStartupOutputForm(FileSystem& files, const std::filesystem::path& file,
                            const StartupSettings& settings) {
    writeBesideStartupKeys(files, file, settings,
                           {{kSection, kOutputFormKey}, formatSettingInteger(settings.outputForm)});
}

void writeStartupLanguage(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings) {
    writeBesideStartupKeys(files, file, settings, {kLanguageKey, settings.language});
}

std::string updatedStartupFile(const FileSystem& files, const std::filesystem::path& file,
                               const StartupSettings& settings) {
    return updatedSettingsFile(files, file, startupFileValues(settings));
}

void writeStartupSettings(FileSystem& files, const std::filesystem::path& file,
                          const StartupSettings& settings) {
    files.replaceFile(file, updatedStartupFile(files, file, settings));
}

}  // namespace huewright
