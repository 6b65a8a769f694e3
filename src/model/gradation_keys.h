#pragma once

#include <algorithm>
#include <array>
#include <string_view>
#include <type_traits>
#include <variant>

#include "model/controls.h"
#include "model/gradation_fields.h"
#include "persistence/settings_file.h"

namespace huewright {

/// The window item a key of a gradation settings file stores. Each radio button has a key of its
/// own, so a file may leave a group with none checked.
using FileItem = std::variant<ColourSlot, CheckBox, RadioButton, SpinField, LineEdit, FaceNameBox>;

/// One key of a gradation settings file and the window item behind it.
struct GradationKey {
    SettingsKey key;
    FileItem item;
};

/// The keys of a gradation settings file in the order a save writes them.
inline constexpr std::array<GradationKey, 28> kGradationWriteOrder{{
    {{"Stat", "Col1"}, ColourSlot::Start},
    {{"Stat", "Col2"}, ColourSlot::Middle},
    {{"Stat", "Col3"}, ColourSlot::End},
    {{"Stat", "Col_B"}, ColourSlot::Background},
    {{"Stat", "CB"}, CheckBox::ThreeColours},
    {{"Stat", "Gtype1B"}, RadioButton::Gradient},
    {{"Stat", "Gtype2B"}, RadioButton::Alternate},
    {{"Stat", "FontName"}, FaceNameBox{}},
    {{"Stat", "FontSize"}, SpinField::Size},
    {{"Stat", "BB"}, CheckBox::Bold},
    {{"Stat", "EB"}, CheckBox::Italic},
    {{"Stat", "UB"}, CheckBox::Underline},
    {{"Stat", "SB"}, CheckBox::Strike},
    {{"Stat", "FS"}, CheckBox::UseFace},
    {{"Stat", "SS"}, CheckBox::UseSize},
    {{"Stat", "WB"}, CheckBox::Frame},
    {{"Stat", "WS"}, SpinField::FrameWidth},
    {{"Stat", "HB"}, CheckBox::FrameBackground},
    {{"Stat", "LB"}, CheckBox::Link},
    {{"Stat", "link_e"}, LineEdit::LinkTarget},
    {{"Stat", "TB"}, CheckBox::SizePattern},
    {{"Stat", "Ftype1B"}, RadioButton::FallingPattern},
    {{"Stat", "Ftype2B"}, RadioButton::ValleyPattern},
    {{"Stat", "Ftype3B"}, RadioButton::AlternatingPattern},
    {{"Stat", "FDsize"}, SpinField::PatternMax},
    {{"Stat", "FSsize"}, SpinField::PatternMin},
    {{"Stat", "KB"}, CheckBox::LineBreak},
    {{"DATA", "text"}, LineEdit::Text},
}};

/// The key that keeps `item` in a gradation settings file.
inline const SettingsKey& fileKeyOf(const FileItem& item) {
    return std::find_if(kGradationWriteOrder.begin(), kGradationWriteOrder.end(),
                        [&](const GradationKey& entry) { return entry.item == item; })
        ->key;
}

/// The key that keeps `field` in a gradation settings file; empty for a field kept under a key per
/// radio button or in the start-up file.
inline std::string_view fileKeyOf(const GradationField& field) {
    return std::visit(
        [](const auto& binding) -> std::string_view {
            if constexpr (std::is_constructible_v<FileItem, decltype(binding.item)>) {
                for (const GradationKey& entry : kGradationWriteOrder) {
                    if (entry.item == FileItem(binding.item)) {
                        return entry.key.key;
                    }
                }
            }
            return {};
        },
        field.binding);
}

/// The order a load reads and applies the keys, as indices into kGradationWriteOrder: as written,
/// except that the two gradation-mode buttons come before the three-colour switch.
inline constexpr std::array<std::size_t, 28> kGradationReadOrder = {
    0,  1,  2,  3,  5,  6,  4,  7,  8,  9,  10, 11, 12, 13,
    14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
static_assert(
    [] {
        std::array<bool, kGradationWriteOrder.size()> read{};
        for (const std::size_t key : kGradationReadOrder) {
            if (key >= read.size() || read[key]) {
                return false;
            }
            read[key] = true;
        }
        return true;
    }(),
    "a load reads every key once");

}  // namespace huewright
