#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

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

/// The main window's push buttons.
enum class Button {
    StartColour,
    MiddleColour,
    EndColour,
    BackgroundColour,
    Swap,
    CopyMarkup,
    CopyPreview,
    Quit,
};

/// The main window's other controls: frames, colour panels, the preview, the face box, the
/// markup with its length, and the name label.
enum class WindowPart {
    PreviewFrame,
    Preview,
    StartColour,
    MiddleColour,
    EndColour,
    ModeGroup,
    FaceName,
    Markup,
    Length,
    LengthFrame,
    Name,
};

/// The main window's menus: the bar, its three menus and the output-form submenu.
enum class Menu { Bar, File, Edit, OutputForm, Help };

/// The items of the main window's menus.
enum class MenuItem {
    Open,
    Save,
    Separator,
    Exit,
    StartupSettings,
    FontForm,
    SpanForm,
    BbcodeForm,
    HelpTopics,
    About,
};

/// The program's windows and the ids of its file dialogs.
enum class Window { Main, ColourCode, Settings, Version, Help, SaveDialog, OpenDialog };

/// The settings dialog's controls.
enum class SettingsControl {
    SwitchGroup,
    UseSize,
    UseFace,
    LineBreak,
    UpperCaseTags,
    HashInColourCodes,
    ColourGroup,
    StartPanel,
    StartButton,
    MiddlePanel,
    MiddleButton,
    EndPanel,
    EndButton,
    BackgroundPanel,
    BackgroundButton,
    BoldGroup,
    BoldTag,
    StrongTag,
    ItalicGroup,
    ItalicTag,
    EmphasisTag,
    Store,
    Cancel,
    TakeCurrentColours,
};

/// The colour-code dialog's controls.
enum class ColourCodeControl { Code, Copy, Ok };

/// The version dialog's controls.
enum class VersionControl { Name, Version, Ok };

/// The help window's controls.
enum class HelpControl { Search, Topics, Text };

/// The step buttons of a spin edit.
enum class SpinStep { Up, Down };

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
inline constexpr LineEdit kAllLineEdits[] = {LineEdit::Text, LineEdit::LinkTarget};
inline constexpr Button kAllButtons[] = {
    Button::StartColour, Button::MiddleColour, Button::EndColour,   Button::BackgroundColour,
    Button::Swap,        Button::CopyMarkup,   Button::CopyPreview, Button::Quit};
inline constexpr WindowPart kAllWindowParts[] = {
    WindowPart::PreviewFrame, WindowPart::Preview,   WindowPart::StartColour,
    WindowPart::MiddleColour, WindowPart::EndColour, WindowPart::ModeGroup,
    WindowPart::FaceName,     WindowPart::Markup,    WindowPart::Length,
    WindowPart::LengthFrame,  WindowPart::Name};
inline constexpr Menu kAllMenus[] = {Menu::Bar, Menu::File, Menu::Edit, Menu::OutputForm,
                                     Menu::Help};
inline constexpr MenuItem kAllMenuItems[] = {MenuItem::Open,
                                             MenuItem::Save,
                                             MenuItem::Separator,
                                             MenuItem::Exit,
                                             MenuItem::StartupSettings,
                                             MenuItem::FontForm,
                                             MenuItem::SpanForm,
                                             MenuItem::BbcodeForm,
                                             MenuItem::HelpTopics,
                                             MenuItem::About};
inline constexpr Window kAllWindows[] = {Window::Main,      Window::ColourCode, Window::Settings,
                                         Window::Version,   Window::Help,       Window::SaveDialog,
                                         Window::OpenDialog};
inline constexpr SettingsControl kAllSettingsControls[] = {
    SettingsControl::SwitchGroup,      SettingsControl::UseSize,
    SettingsControl::UseFace,          SettingsControl::LineBreak,
    SettingsControl::UpperCaseTags,    SettingsControl::HashInColourCodes,
    SettingsControl::ColourGroup,      SettingsControl::StartPanel,
    SettingsControl::StartButton,      SettingsControl::MiddlePanel,
    SettingsControl::MiddleButton,     SettingsControl::EndPanel,
    SettingsControl::EndButton,        SettingsControl::BackgroundPanel,
    SettingsControl::BackgroundButton, SettingsControl::BoldGroup,
    SettingsControl::BoldTag,          SettingsControl::StrongTag,
    SettingsControl::ItalicGroup,      SettingsControl::ItalicTag,
    SettingsControl::EmphasisTag,      SettingsControl::Store,
    SettingsControl::Cancel,           SettingsControl::TakeCurrentColours};
inline constexpr ColourCodeControl kAllColourCodeControls[] = {
    ColourCodeControl::Code, ColourCodeControl::Copy, ColourCodeControl::Ok};
inline constexpr VersionControl kAllVersionControls[] = {
    VersionControl::Name, VersionControl::Version, VersionControl::Ok};
inline constexpr HelpControl kAllHelpControls[] = {HelpControl::Search, HelpControl::Topics,
                                                   HelpControl::Text};
inline constexpr SpinStep kAllSpinSteps[] = {SpinStep::Up, SpinStep::Down};

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

namespace control_names {

// The one table of short names: each widget's object name, by which the windows, their tests
// and their layouts know it. Each array lists the names in the order of its enumeration.

inline constexpr std::array kCheckBoxes = std::to_array<std::string_view>(
    {"CB", "BB", "EB", "UB", "SB", "KB", "WB", "HB", "LB", "TB", "FS", "SS"});
inline constexpr std::array kRadioButtons =
    std::to_array<std::string_view>({"Gtype1b", "Gtype2b", "Ftype1B", "Ftype2B", "Ftype3B"});
inline constexpr std::array kSpinFields =
    std::to_array<std::string_view>({"Fsize", "WS", "FDsize", "FSsize"});
inline constexpr std::array kLineEdits = std::to_array<std::string_view>({"Edit1", "link_e"});
inline constexpr std::array kButtons = std::to_array<std::string_view>(
    {"scb", "tcb", "ecb", "bcb", "Button1", "Button2", "bmpb", "Button3"});
inline constexpr std::array kWindowParts =
    std::to_array<std::string_view>({"Panel2", "mihon", "sc", "tc", "ec", "Panel1", "Fname",
                                     "html_e", "tag_len", "Bevel1", "Lumo"});
inline constexpr std::array kMenus =
    std::to_array<std::string_view>({"MainMenu1", "File1", "K1", "FormMenu", "Help1"});
inline constexpr std::array kMenuItems =
    std::to_array<std::string_view>({"Open", "save", "N1", "Exit1", "K2", "FormFONT", "FormSPAN",
                                     "FormBBCode", "SearchforHelpOn1", "About1"});
inline constexpr std::array kWindows = std::to_array<std::string_view>(
    {"Form1", "colorform", "stat_form", "about_form", "help", "SD1", "OD1"});
inline constexpr std::array kSettingsControls = std::to_array<std::string_view>(
    {"GroupBox2", "SS",  "FS",  "KB",  "TB",  "CS",      "GroupBox1", "sc",
     "scb",       "tc",  "tcb", "ec",  "ecb", "bc",      "bcb",       "FR",
     "FR0",       "FR1", "SR",  "SR0", "SR1", "Button1", "Button2",   "Button3"});
inline constexpr std::array kColourCodeControls =
    std::to_array<std::string_view>({"Edit1", "copy_b", "ok_b"});
inline constexpr std::array kVersionControls =
    std::to_array<std::string_view>({"Lumo", "Version", "ok_b"});
inline constexpr std::array kHelpControls =
    std::to_array<std::string_view>({"search", "contents", "text"});
inline constexpr std::array kSpinSteps = std::to_array<std::string_view>({"up", "down"});

/// Whether `all` lists an enumeration's values 0, 1, 2, ... in order and `names` has one name
/// for each.
template <typename Enum, std::size_t N, std::size_t M>
consteval bool namesEvery(const Enum (&all)[N], const std::array<std::string_view, M>& names) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(all[i]) != i || names[i].empty()) {
            return false;
        }
    }
    return N == M;
}

static_assert(namesEvery(kAllCheckBoxes, kCheckBoxes));
static_assert(namesEvery(kAllRadioButtons, kRadioButtons));
static_assert(namesEvery(kAllSpinFields, kSpinFields));
static_assert(namesEvery(kAllLineEdits, kLineEdits));
static_assert(namesEvery(kAllButtons, kButtons));
static_assert(namesEvery(kAllWindowParts, kWindowParts));
static_assert(namesEvery(kAllMenus, kMenus));
static_assert(namesEvery(kAllMenuItems, kMenuItems));
static_assert(namesEvery(kAllWindows, kWindows));
static_assert(namesEvery(kAllSettingsControls, kSettingsControls));
static_assert(namesEvery(kAllColourCodeControls, kColourCodeControls));
static_assert(namesEvery(kAllVersionControls, kVersionControls));
static_assert(namesEvery(kAllHelpControls, kHelpControls));
static_assert(namesEvery(kAllSpinSteps, kSpinSteps));

template <std::size_t N, typename Enum>
constexpr std::string_view lookUp(const std::array<std::string_view, N>& names, Enum value) {
    return names[static_cast<std::size_t>(value)];
}

}  // namespace control_names

/// The control's object name: the short name the window, its tests and its layout know it by.
constexpr std::string_view nameOf(CheckBox c) {
    return control_names::lookUp(control_names::kCheckBoxes, c);
}
constexpr std::string_view nameOf(RadioButton c) {
    return control_names::lookUp(control_names::kRadioButtons, c);
}
constexpr std::string_view nameOf(SpinField c) {
    return control_names::lookUp(control_names::kSpinFields, c);
}
constexpr std::string_view nameOf(LineEdit c) {
    return control_names::lookUp(control_names::kLineEdits, c);
}
constexpr std::string_view nameOf(Button c) {
    return control_names::lookUp(control_names::kButtons, c);
}
constexpr std::string_view nameOf(WindowPart c) {
    return control_names::lookUp(control_names::kWindowParts, c);
}
constexpr std::string_view nameOf(Menu c) {
    return control_names::lookUp(control_names::kMenus, c);
}
constexpr std::string_view nameOf(MenuItem c) {
    return control_names::lookUp(control_names::kMenuItems, c);
}
constexpr std::string_view nameOf(Window c) {
    return control_names::lookUp(control_names::kWindows, c);
}
constexpr std::string_view nameOf(SettingsControl c) {
    return control_names::lookUp(control_names::kSettingsControls, c);
}
constexpr std::string_view nameOf(ColourCodeControl c) {
    return control_names::lookUp(control_names::kColourCodeControls, c);
}
constexpr std::string_view nameOf(VersionControl c) {
    return control_names::lookUp(control_names::kVersionControls, c);
}
constexpr std::string_view nameOf(HelpControl c) {
    return control_names::lookUp(control_names::kHelpControls, c);
}
constexpr std::string_view nameOf(SpinStep c) {
    return control_names::lookUp(control_names::kSpinSteps, c);
}

}  // namespace huewright
