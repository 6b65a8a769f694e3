#pragma once

#include <string_view>

namespace huewright {

/// The main window's check boxes.
enum class CheckBox { CB, BB, EB, UB, SB, KB, WB, HB, LB, TB, FS, SS };

/// The main window's radio buttons: `Gtype1b`/`Gtype2b` form the gradient-mode group inside
/// `Panel1`, `Ftype1B`/`Ftype2B`/`Ftype3B` the size-pattern group.
enum class RadioButton { Gtype1b, Gtype2b, Ftype1B, Ftype2B, Ftype3B };

/// The main window's spin edits.
enum class SpinField { Fsize, WS, FDsize, FSsize };

/// The main window's single-line edits whose changes regenerate.
enum class LineEdit { Edit1, link_e };

/// The controls whose enabled state the handlers change.
enum class Switchable { tcb, WS, HB, link_e, Ftype1B, Ftype2B, Ftype3B, FDsize, FSsize, Fsize, SS };

/// The four current colours.
enum class ColourSlot { Start, Middle, End, Background };

/// A spin edit's range.
struct SpinRange {
    int minimum;
    int maximum;
};

/// The range of each spin edit: 1..7 for the sizes, 0..99 for the frame width.
constexpr SpinRange rangeOf(SpinField spin) {
    return spin == SpinField::WS ? SpinRange{0, 99} : SpinRange{1, 7};
}

/// The control's name, as the window and its tests know it.
std::string_view nameOf(CheckBox box);
std::string_view nameOf(RadioButton button);
std::string_view nameOf(SpinField spin);
std::string_view nameOf(LineEdit edit);
std::string_view nameOf(Switchable control);

}  // namespace huewright
