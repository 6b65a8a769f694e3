#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

#include "model/control_list.h"

// What the rows of control_list.h become: an enumerator, a value, a short name.
#define HUEWRIGHT_ENUMERATOR(Enumeration, enumerator, name) enumerator,
#define HUEWRIGHT_VALUE(Enumeration, enumerator, name) Enumeration::enumerator,
#define HUEWRIGHT_NAME(Enumeration, enumerator, name) std::string_view(name),

// An enumeration, every one of its values in order, and nameOf() the value's short name.
#define HUEWRIGHT_NAMED_ENUMERATION(Enumeration, all, LIST)           \
    enum class Enumeration { LIST(HUEWRIGHT_ENUMERATOR) };            \
    inline constexpr Enumeration all[] = {LIST(HUEWRIGHT_VALUE)};     \
    constexpr std::string_view nameOf(Enumeration value) {            \
        constexpr std::string_view kNames[] = {LIST(HUEWRIGHT_NAME)}; \
        return kNames[static_cast<std::size_t>(value)];               \
    }

// A window's enumeration of controls, as above, and windowOf() the window that holds them.
#define HUEWRIGHT_CONTROL_ENUMERATION(window, Enumeration, all, LIST) \
    HUEWRIGHT_NAMED_ENUMERATION(Enumeration, all, LIST)               \
    constexpr Window windowOf(Enumeration) {                          \
        return Window::window;                                        \
    }

#define HUEWRIGHT_CONTROL_NAME(Enumeration, enumerator, name) \
    ControlName{windowOf(Enumeration::enumerator), name},
#define HUEWRIGHT_CONTROL_NAMES(window, Enumeration, all, LIST) LIST(HUEWRIGHT_CONTROL_NAME)

namespace huewright {

/// The program's windows and the ids of its file dialogs.
HUEWRIGHT_NAMED_ENUMERATION(Window, kAllWindows, HUEWRIGHT_WINDOWS)

/// The step buttons of a spin edit.
HUEWRIGHT_NAMED_ENUMERATION(SpinStep, kAllSpinSteps, HUEWRIGHT_SPIN_STEPS)

// The controls of each window, as control_list.h lists them: CheckBox, RadioButton, SpinField,
// LineEdit, Button, WindowPart (the main window's frames, colour panels, preview, face box,
// markup, length and name label), Menu, MenuItem, SettingsControl, ColourCodeControl,
// VersionControl and HelpControl, each with kAll... and nameOf(), and windowOf() its window.
HUEWRIGHT_CONTROL_ENUMERATIONS(HUEWRIGHT_CONTROL_ENUMERATION)

/// A control whose enabled state the model's handlers change.
using Switchable = std::variant<Button, CheckBox, RadioButton, SpinField, LineEdit>;

/// The four current colours.
enum class ColourSlot { Start, Middle, End, Background };
inline constexpr ColourSlot kAllColourSlots[] = {ColourSlot::Start, ColourSlot::Middle,
                                                 ColourSlot::End, ColourSlot::Background};

/// A spin edit's range.
struct SpinRange {
    int minimum;
    int maximum;
};

/// The range of each spin edit: 1..7 for the sizes, 0..99 for the frame width.
constexpr SpinRange rangeOf(SpinField spin) {
    return spin == SpinField::FrameWidth ? SpinRange{0, 99} : SpinRange{1, 7};
}

/// A control's window and short name.
struct ControlName {
    Window window;
    std::string_view name;
};

/// Every control of every window with its short name, in the order of control_list.h.
inline constexpr ControlName kAllControlNames[] = {
    HUEWRIGHT_CONTROL_ENUMERATIONS(HUEWRIGHT_CONTROL_NAMES)};

/// Whether no two controls of one window share a short name, so that a name finds one control.
consteval bool namesUniqueWithinWindows() {
    for (std::size_t i = 0; i < std::size(kAllControlNames); ++i) {
        for (std::size_t j = i + 1; j < std::size(kAllControlNames); ++j) {
            if (kAllControlNames[i].window == kAllControlNames[j].window &&
                kAllControlNames[i].name == kAllControlNames[j].name) {
                return false;
            }
        }
    }
    return true;
}
static_assert(namesUniqueWithinWindows());

}  // namespace huewright
