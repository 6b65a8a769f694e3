#pragma once

#include <QRect>
#include <QWidget>

#include <functional>
#include <span>
#include <string_view>

namespace huewright {

/// The kinds of control a window is laid out with.
enum class ControlKind {
    SunkenPanel,     ///< a frame with a lowered inner bevel
    ColourPanel,     ///< a small lowered frame filled with a colour
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
    Label,          ///< a text sized to itself
    GradientLabel,  ///< a text in a colour gradient, sized to itself
    GroupBox,       ///< a captioned frame around other controls
};

/// One control of a window as it was drawn at 96 dpi.
struct ControlLayout {
    std::string_view name;  ///< the object name, by which code and tests find it
    ControlKind kind;
    std::string_view parent;  ///< the object name of the parent; "" for the window's client area
    const char* caption;      ///< UTF-8; for an edit or a spin edit, its first text
    const char* hint;         ///< the tooltip, UTF-8; "" for none
    QRect geometry;           ///< relative to the parent; a zero size sizes the control to its text
    int tab;                  ///< position in the tab order within the parent; -1 takes no focus
    int fontPixels = 0;       ///< the control's own font height; 0 for the window's font
};

/// Creates every control of `layout` inside `client`, in table order (a parent before its
/// children), named, placed, captioned and hinted as the table says, and chains the tab order:
/// within each parent by its tab positions, a container's children in its place. `beep` sounds
/// for a key a spin edit refuses.
void buildControls(QWidget* client, std::span<const ControlLayout> layout,
                   const std::function<void()>& beep);

/// The object names of `layout`'s focusable controls in tab order.
QStringList tabOrder(std::span<const ControlLayout> layout);

}  // namespace huewright
