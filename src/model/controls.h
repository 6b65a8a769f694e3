#pragma once

#include <string_view>

namespace huewright {

/// The main window's check boxes.
enum class CheckBox {
    ThreeColours,
    Bold,
    Italic,
    Underline,
    Strike,
    LineBreak,
    Frame,
    FrameBackground,
    Link,
    SizePattern,
    UseFace,
    UseSize,
};

/// The main window's radio buttons: the first two form the gradation-mode group, the other three
/// the size-pattern group.
enum class RadioButton { Gradient, Alternate, FallingPattern, ValleyPattern, AlternatingPattern };

/// The main window's spin edits.
enum class SpinField { Size, FrameWidth, PatternMax, PatternMin };

/// The main window's single-line edits whose changes regenerate.
enum class LineEdit { Text, LinkTarget };

/// The controls whose enabled state the handlers change.
enum class Switchable {
    MiddleColourButton,
    FrameWidth,
    FrameBackground,
    LinkTarget,
    FallingPattern,
    ValleyPattern,
    AlternatingPattern,
    PatternMax,
    PatternMin,
    Size,
    UseSize,
};

/// Every value of each enumeration, in order.
inline constexpr CheckBox kAllCheckBoxes[] = {
    CheckBox::ThreeColours, CheckBox::Bold,        CheckBox::Italic,  CheckBox::Underline,
    CheckBox::Strike,       CheckBox::LineBreak,   CheckBox::Frame,   CheckBox::FrameBackground,
    CheckBox::Link,         CheckBox::SizePattern, CheckBox::UseFace, CheckBox::UseSize};
inline constexpr RadioButton kAllRadioButtons[] = {
    RadioButton::Gradient, RadioButton::Alternate, RadioButton::FallingPattern,
    RadioButton::ValleyPattern, RadioButton::AlternatingPattern};
inline constexpr SpinField kAllSpinFields[] = {SpinField::Size, SpinField::FrameWidth,
                                               SpinField::PatternMax, SpinField::PatternMin};
inline constexpr Switchable kAllSwitchables[] = {Switchable::MiddleColourButton,
                                                 Switchable::FrameWidth,
                                                 Switchable::FrameBackground,
                                                 Switchable::LinkTarget,
                                                 Switchable::FallingPattern,
                                                 Switchable::ValleyPattern,
                                                 Switchable::AlternatingPattern,
                                                 Switchable::PatternMax,
                                                 Switchable::PatternMin,
                                                 Switchable::Size,
                                                 Switchable::UseSize};

/// The four current colours.
enum class ColourSlot { Start, Middle, End, Background };

inline constexpr LineEdit kAllLineEdits[] = {LineEdit::Text, LineEdit::LinkTarget};
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

/// The control's object name: the short name the window, its tests and its layout know it by.
std::string_view nameOf(CheckBox box);
std::string_view nameOf(RadioButton button);
std::string_view nameOf(SpinField spin);
std::string_view nameOf(LineEdit edit);
std::string_view nameOf(Switchable control);

}  // namespace huewright
