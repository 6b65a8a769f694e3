#include "model/gradation_file.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "model/extended_keys.h"
#include "model/gradation_fields.h"
#include "model/gradation_keys.h"
#include "persistence/profile_file.h"
#include "persistence/value_rules.h"

namespace huewright {

namespace {

template <typename Enum>
std::size_t index(Enum value) {
    return static_cast<std::size_t>(value);
}

// Puts one field's value into the item that holds it.
struct ItemSetter {
    GradationFileItems& items;

    void operator()(ColourSlot slot, ColourValue colour) const {
        items.colours[index(slot)] = colour;
    }
    void operator()(CheckBox box, bool on) const { items.checks[index(box)] = on; }
    void operator()(SpinField spin, int value) const {
        const SpinRange range = rangeOf(spin);
        items.spins[index(spin)] = std::clamp(value, range.minimum, range.maximum);
    }
    void operator()(LineEdit edit, const std::string& text) const {
        items.texts[index(edit)] = text;
    }
    void operator()(FaceNameBox, const std::string& name) const { items.faceName = name; }
    void operator()(ModeGroup, GradationMode mode) const {
        items.radios[index(RadioButton::Gradient)] = mode == GradationMode::Gradient;
        items.radios[index(RadioButton::Alternate)] = mode == GradationMode::Alternate;
    }
    void operator()(PatternGroup, SizePatternKind kind) const {
        for (const auto& [button, buttonKind] : kPatternButtons) {
            items.radios[index(button)] = buttonKind == kind;
        }
    }
    // The tag case and forms live in the start-up file, not in this one.
    void operator()(StartupOption, bool) const {}
};

// One item's value as the file writes it.
struct ItemText {
    const GradationFileItems& items;

    std::string operator()(ColourSlot slot) const {
        // A colour is kept as the signed integer of the same 32 bits.
        return formatSettingInteger(static_cast<std::int32_t>(items.colours[index(slot)]));
    }
    std::string operator()(CheckBox box) const {
        return std::string(formatSettingSwitch(items.checks[index(box)]));
    }
    std::string operator()(RadioButton button) const {
        return std::string(formatSettingSwitch(items.radios[index(button)]));
    }
    std::string operator()(SpinField spin) const {
        return formatSettingInteger(items.spins[index(spin)]);
    }
    std::string operator()(LineEdit edit) const { return items.texts[index(edit)]; }
    std::string operator()(FaceNameBox) const { return items.faceName; }
};

}  // namespace

GradationFileItems fileItemsOf(const GradationSettings& settings) {
    GradationFileItems items;
    const ItemSetter set{items};
    for (const GradationField& field : kGradationFields) {
        std::visit([&](const auto& binding) { set(binding.item, settings.*binding.member); },
                   field.binding);
    }
    return items;
}

std::vector<SettingsValue> gradationFileValues(const GradationFileItems& items) {
    std::vector<SettingsValue> values;
    values.reserve(kGradationWriteOrder.size());
    for (const GradationKey& entry : kGradationWriteOrder) {
        values.push_back({entry.key, std::visit(ItemText{items}, entry.item)});
    }
    return values;
}

ProfileDocument gradationDocumentOf(const GradationSettings& settings,
                                    const OutputOptions& extended) {
    std::vector<SettingsValue> values = gradationFileValues(fileItemsOf(settings));
    for (SettingsValue& value : extendedFileValues(extended)) {
        values.push_back(std::move(value));
    }
    ProfileDocument document;
    document.writeAll(values);
    return document;
}

std::string updatedGradationFile(const FileSystem& files, const std::filesystem::path& file,
                                 const GradationFileItems& items,
                                 const std::optional<OutputOptions>& extended) {
    ProfileDocument document = loadProfileForUpdate(files, file);
    std::vector<SettingsValue> values = gradationFileValues(items);
    if (extended) {
        // What the section gets depends on what the file already holds of it.
        for (SettingsValue& value : extendedValuesToSave(document, *extended)) {
            values.push_back(std::move(value));
        }
    }
    document.writeAll(values);
    return document.bytes();
}

}  // namespace huewright
