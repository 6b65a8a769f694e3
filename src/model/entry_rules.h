#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/controls.h"

// What typing, pasting, keys, steps and the focus do to the controls that hold text. Both views
// hand these events over by control and show the answer; neither decides any of it. Texts are
// UTF-8, as both views can give them; positions count UTF-16 code units, as both views count.

namespace huewright {

/// A control that holds text the user edits: the main window's one-line edits, its face box
/// (WindowPart::FaceName) and markup (WindowPart::Markup), its spin edits, and the colour-code
/// dialog's box.
using EntryControl = std::variant<LineEdit, SpinField, WindowPart, ColourCodeControl>;

/// How text arrives: typed (a key or an input method), or pasted (a paste or a drop).
enum class EntryAction { Type, Paste };

/// Keys that a control may take over from its toolkit.
enum class EntryKey {
    Erase,  ///< Backspace or Delete
    Cut,
    Enter,
    Up,
    Down,
};

/// How a control got the focus: a click, Tab or a shortcut, the opening of its window, or the
/// return of its window from a menu or another window.
enum class FocusCause { Mouse, Keyboard, Opening, Return };

/// A box's text around its selection (or around the cursor, with `selected` empty), UTF-8.
struct EntryBox {
    std::string_view before;
    std::string_view selected;
    std::string_view after;
};

/// What a box holds after an insertion, and whether to beep.
struct EntryOutcome {
    std::string text;        ///< UTF-8; the box's text unchanged when nothing goes in
    std::size_t cursor = 0;  ///< UTF-16 code units from the start; after what went in
    bool changed = false;    ///< whether `text` differs from the box's text before
    bool beep = false;
};

/// What a key does: nothing of the toolkit's own when `taken`, a step of `step` when not 0.
struct KeyAnswer {
    bool taken = false;
    bool beep = false;
    int step = 0;
};

/// How a spin edit takes typing and steps.
struct SpinEntry {
    bool typing;           ///< false: no typing, cutting or pasting at all
    int maxLength;         ///< characters
    SpinRange range;       ///< steps never leave it; a typed value is brought into it on leaving
    int repeatDelayMs;     ///< a held step button first repeats after this
    int repeatIntervalMs;  ///< and then every this
};

/// The typing and stepping of `spin`: the sizes take no typing and one character, the frame width
/// takes digits and signs, two characters; a held button repeats after 400 ms, then every 100 ms.
SpinEntry spinEntry(SpinField spin);

/// The characters a one-line edit takes: those code page 932 holds, or any (the text to colour,
/// while the chosen form writes UTF-8).
enum class EntryCharacters { CodePage932, Any };

/// Typing or pasting `inserted` over `box`'s selection.
///
/// A one-line edit (Edit1, link_e, the face box) keeps of `inserted` its first line, without
/// control characters and, unless it takes `Any` character, without what code page 932 cannot
/// hold; what it drops costs one beep, however much it is. An insertion that keeps nothing still
/// replaces the selection.
///
/// A spin edit that takes typing takes digits, "+", "-", "." and `decimalSeparator` up to its
/// length, cutting off the rest of a paste without a beep; any other character refuses the whole
/// insertion with a beep. One that takes no typing refuses a typed character with a beep and a
/// paste silently. The markup and the colour-code box take anything.
EntryOutcome insertText(EntryControl control, EntryAction action, const EntryBox& box,
                        std::string_view inserted, char32_t decimalSeparator = U'.',
                        EntryCharacters characters = EntryCharacters::CodePage932);

/// What `key` does in `control`: a spin edit steps with Up and Down; one without typing refuses
/// erasing with a beep and cutting silently; one with typing refuses Enter with a beep. Every
/// other key is the toolkit's.
KeyAnswer pressKey(EntryControl control, EntryKey key);

/// A spin edit's text after a step of `delta` from `text`: from the value it spells, or its
/// minimum, into its range.
std::string steppedText(SpinField spin, std::string_view text, int delta);

/// Whether getting the focus by `cause` selects `control`'s whole text: never by a click; by the
/// keyboard and as its window opens always; as its window returns only in the colour-code box,
/// which is there to have its code replaced.
bool selectsAllOnFocus(EntryControl control, FocusCause cause);

/// The markup's length in bytes as the window shows it, "(140)".
std::string lengthText(std::size_t bytes);

/// The control of `window` with the short name `name` that holds text, if any.
std::optional<EntryControl> entryControlNamed(Window window, std::string_view name);

}  // namespace huewright
