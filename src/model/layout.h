#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "generator/colour.h"
#include "generator/output.h"
#include "model/controls.h"

namespace huewright {

/// A rectangle in pixels at 96 dpi.
struct Rect {
    int left;
    int top;
    int width;
    int height;

    bool hasSize() const { return width > 0 && height > 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// The parent of a control that stands in its window's client area.
inline constexpr std::string_view kClient{};

/// The hint of every colour panel, which shows its colour's code on a double click.
inline constexpr const char* kCodeHint = "ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示";

/// The kinds of control a window is laid out with.
enum class ControlKind {
    SunkenPanel,     ///< a frame with a lowered inner bevel
    ColourPanel,     ///< a small lowered frame filled with a colour; Enter, Space or a double
                     ///< click shows its colour's code
    Container,       ///< a plain area that only holds other controls
    Image,           ///< a picture strip
    LineEdit,        ///< a single-line edit
    MarkupEdit,      ///< a single-line edit for a long fragment that shows its start
    ComboBox,        ///< an editable text with a drop-down list
    FixedSpinEdit,   ///< a spin edit that takes no typing, one character long
    TypingSpinEdit,  ///< a spin edit that takes digits and signs, two characters long
    Button,
    CheckBox,
    RadioButton,
    Bevel,          ///< a lowered box frame drawn over what lies beneath
    LengthLabel,    ///< a length in bytes in brackets, sized to itself
    GradientLabel,  ///< a text in a colour gradient, sized to itself
    GroupBox,       ///< a captioned frame around other controls
};

/// One control of a window as it was drawn at 96 dpi.
struct ControlLayout {
    std::string_view name;  ///< the object name, from the name table
    ControlKind kind;
    std::string_view parent;     ///< the object name of the parent; "" for the window's client area
    const char* caption;         ///< UTF-8; for an edit or a spin edit, its first text
    const char* hint;            ///< the tooltip, UTF-8; "" for none
    const char* accessibleName;  ///< what a screen reader calls it, UTF-8; "" for its caption
    Rect geometry;       ///< relative to the parent; a zero size sizes the control to its text
    int tab;             ///< position in the tab order within the parent; -1 takes no focus
    int fontPixels = 0;  ///< the control's own font height; 0 for the window's font
};

/// One entry of a menu bar: a menu (its items follow it), an item or a separator.
struct MenuLayout {
    enum class Kind { Menu, Item, Choice, Separator };  ///< a Choice is one of a checked group

    std::string_view name;  ///< the object name, from the name table
    Kind kind;
    std::string_view parent;  ///< the menu that holds it; the bar for a top-level menu
    const char* caption;      ///< UTF-8, "&" before the access key; "" for a separator
    const char* shortcut;     ///< a key sequence such as "F1"; "" for none
};

/// An item of the output-form menu and the form it chooses.
struct OutputFormItem {
    MenuItem item;
    OutputForm form;
};

/// The colours of every gradient label of the program: blue to fuchsia over its window.
struct GradientLabelColours {
    ColourValue start;
    ColourValue end;
    ColourValue background;
};
inline constexpr GradientLabelColours kGradientLabelColours{0xFF0000, 0xFF00FF, 0xFFFFFF};

/// The output-form menu's items, in menu order; each is captioned with its form's caption.
inline constexpr OutputFormItem kOutputFormItems[] = {
    {MenuItem::FontForm, OutputForm::Font},
    {MenuItem::SpanForm, OutputForm::Span},
    {MenuItem::BbcodeForm, OutputForm::Bbcode},
    {MenuItem::MinimessageForm, OutputForm::Minimessage},
    {MenuItem::AmpersandForm, OutputForm::Ampersand},
    {MenuItem::JsonForm, OutputForm::Json},
};

/// Whether the output-form menu offers `form`.
constexpr bool formMenuOffers(OutputForm form) {
    for (const OutputFormItem& item : kOutputFormItems) {
        if (item.form == form) {
            return true;
        }
    }
    return false;
}

/// A window as it was drawn at 96 dpi: its name, title, client area and controls.
struct WindowLayout {
    std::string_view name;  ///< the object name, from the name table
    const char* title;      ///< UTF-8, shown exactly as given
    int clientWidth;
    int clientHeight;
    std::span<const ControlLayout> controls;
};

/// The main window, 413 × 213 without its menu bar.
const WindowLayout& mainWindowLayout();
/// The main window's menu bar, each menu before its items.
std::span<const MenuLayout> mainMenuLayout();
/// The settings dialog "Ｌｕｍｏ設定".
const WindowLayout& settingsDialogLayout();
/// The colour-code dialog "ColorNo".
const WindowLayout& colourCodeDialogLayout();
/// The version dialog "バージョン情報".
const WindowLayout& versionDialogLayout();
/// The extended colour dialog "拡張".
const WindowLayout& extendedDialogLayout();

/// Whether a control of `kind` can take the keyboard focus: frames, pictures and labels cannot. A
/// colour panel can, since Enter or Space there does what its double click does.
bool takesFocus(ControlKind kind);
/// Whether a control of `kind` holds other controls.
bool holdsOthers(ControlKind kind);
/// The names of the controls that take the focus, in tab order: the window's controls by their
/// tab positions, the controls a container holds in the container's place.
std::vector<std::string_view> focusOrder(std::span<const ControlLayout> layout);

/// Every window's layout, the main window first.
std::span<const WindowLayout* const> allWindowLayouts();

}  // namespace huewright
