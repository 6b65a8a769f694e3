#include "model/extended_keys.h"

#include <algorithm>
#include <optional>

#include "generator/colour_list.h"
#include "persistence/value_rules.h"

namespace huewright {

namespace {

constexpr SettingsKey kForm{kExtendedSection, "Form"};
constexpr SettingsKey kColours{kExtendedSection, "Colours"};
constexpr SettingsKey kBlend{kExtendedSection, "Blend"};
constexpr SettingsKey kMergeRuns{kExtendedSection, "MergeRuns"};
constexpr SettingsKey kExactEnds{kExtendedSection, "ExactEnds"};

}  // namespace

std::vector<SettingsKey> extendedKeys() {
    return {kForm, kColours, kBlend, kMergeRuns, kExactEnds};
}

std::vector<SettingsValue> extendedFileValues(const OutputOptions& options) {
    return {
        {kForm, std::string(formName(options.form))},
        {kColours, colourListText(options.stops)},
        {kBlend, std::string(blendName(options.blend))},
        {kMergeRuns, std::string(formatSettingSwitch(options.mergeRuns))},
        {kExactEnds, std::string(formatSettingSwitch(options.exactEnds))},
    };
}

std::vector<SettingsValue> extendedValuesToSave(const ProfileDocument& target,
                                                const OutputOptions& options) {
    const bool windowOptions = options.form == OutputForm::Font && options.stops.empty() &&
                               options.blend == Blend::Rgb && !options.mergeRuns &&
                               !options.exactEnds;
    if (windowOptions) {
        const std::vector<SettingsKey> keys = extendedKeys();
        const SettingsFileReader reader(target, keys);
        if (std::none_of(keys.begin(), keys.end(),
                         [&](const SettingsKey& key) { return reader.holds(key); })) {
            return {};
        }
    }
    return extendedFileValues(options);
}

std::vector<std::string> takeExtendedKeys(const SettingsFileReader& reader,
                                          OutputOptions& options) {
    std::vector<std::string> unreadable;
    const auto take = [&](SettingsKey key, auto read) {
        if (const std::optional<std::string> text = reader.text(key)) {
            if (!read(*text)) {
                unreadable.emplace_back(key.key);
            }
        } else if (reader.unrepresentable(key)) {
            unreadable.emplace_back(key.key);
        }
    };
    take(kForm, [&](const std::string& text) {
        const std::optional<OutputForm> form = formNamed(text);
        options.form = form.value_or(options.form);
        return form.has_value();
    });
    take(kColours, [&](const std::string& text) {
        if (text.empty()) {
            options.stops.clear();
            return true;
        }
        ColourListRead read = parseColourList(text);
        if (read.problem.empty()) {
            options.stops = std::move(read.stops);
        }
        return read.problem.empty();
    });
    take(kBlend, [&](const std::string& text) {
        const std::optional<Blend> blend = blendNamed(text);
        options.blend = blend.value_or(options.blend);
        return blend.has_value();
    });
    take(kMergeRuns, [&](const std::string& text) {
        const std::optional<bool> on = parseSettingSwitch(text);
        options.mergeRuns = on.value_or(options.mergeRuns);
        return on.has_value();
    });
    take(kExactEnds, [&](const std::string& text) {
        const std::optional<bool> on = parseSettingSwitch(text);
        options.exactEnds = on.value_or(options.exactEnds);
        return on.has_value();
    });
    return unreadable;
}

}  // namespace huewright
