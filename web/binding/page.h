#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "binding/browser_file_system.h"
#include "binding/canvas_surface.h"
#include "model/control_state.h"
#include "model/extended_draft.h"
#include "model/main_window_model.h"
#include "model/startup_draft.h"

namespace huewright {

/// The window as the page shows it: every event of the page's controls, named by their short
/// names and carrying UTF-8 texts, goes into the model, and the page reads back every control's
/// state. The rules are the model's; this only translates names and texts.
///
/// An event returns what the window's error box would say ("" for nothing), with its full stop.
class Page {
  public:
    Page();

    /// The window's creation: reads lumo.ini from the browser's storage and regenerates. Storage
    /// that holds no readable lumo.ini starts from the built-in settings and is reported.
    std::string startUp();

    /// Tells the model the browser's first language tag ("en-GB", "ja"; "" for none), before
    /// startUp.
    void setLocale(const std::string& tag);
    /// The language the page speaks: "ja" or "en".
    std::string language() const;
    /// Speaks the other language and remembers it in the stored lumo.ini; the error box's
    /// message when it cannot be stored (the switch stands).
    std::string switchLanguage();

    // The main window's events, by the short name of the control.

    /// The text of Edit1, link_e, Fname or a spin edit, as the user typed it.
    std::string edit(const std::string& control, const emscripten::val& text);
    /// A click on a check box or radio button, or on the swap button.
    std::string click(const std::string& control);
    /// A spin edit's step button or arrow key: +1 or -1.
    std::string step(const std::string& control, int delta);
    /// A spin edit loses the focus.
    std::string leave(const std::string& control);
    /// The colour a colour button's picker opens with, or a colour panel shows, "#rrggbb"; null
    /// for a control that stands for no colour.
    emscripten::val colourOf(const std::string& control) const;
    /// The colour picker's answer for a colour button: "#rrggbb", or null for a cancel.
    std::string colourChosen(const std::string& button, const emscripten::val& colour);
    /// The code the colour-code dialog opens with for a colour panel.
    std::string colourCode(const std::string& panel) const;
    /// The colour-code dialog closed, however, with `code` in its box.
    std::string colourCodeClosed(const std::string& panel, const std::string& code);
    /// An item of the output-form menu.
    std::string chooseForm(const std::string& item);
    /// The window's state as a gradation settings file, code page 932, for a download; an
    /// error's message instead of bytes when it cannot be written.
    emscripten::val save();
    /// Loads the file the user picked (its bytes and its name), or, with null, what a cancelled
    /// open does. A file that holds no setting changes nothing and is reported.
    std::string open(const emscripten::val& bytes, const std::string& name);

    /// The state of every control that changed since the last call (of all the first time), by
    /// short name: text (cut, for the markup box, past its first 128 KiB), checked, enabled,
    /// value, colour, description; and the refusal's
    /// message while the chosen form refuses the settings, "" otherwise.
    emscripten::val changes();
    /// The whole fragment, of which changes() gives a long one's beginning, marked "cut".
    emscripten::val fragment() const;
    /// The characters the text box takes now, as entryInsert names them: "any" while the
    /// chosen form writes UTF-8, "codePage932" otherwise.
    std::string textCharacters() const;

    // The settings in a link.

    /// The window's settings as [key, value] pairs, UTF-8: each key of a gradation settings file
    /// whose value differs from the built-in settings'; the case of tags, STRONG and EM as
    /// "lumo.TB", "lumo.F_TAG" and "lumo.S_TAG", 0 or 1, where they differ from the built-in
    /// start-up settings; then "Form" and the form's name unless it is FONT.
    emscripten::val link() const;
    /// Restores the settings a link's `pairs` give, over the built-in settings; its form and tag
    /// options hold for this visit, and lumo.ini is not written. Pairs that no settings file
    /// holds in that form (an unknown key, a value that cannot be read back the same, a form the
    /// menu does not offer) refuse the link, which then gives the built-in settings; their keys
    /// come back, joined by ", ", or "" for none.
    std::string openLink(const emscripten::val& pairs);

    // The settings dialog.

    /// Fills the dialog from the start-up settings as it opens.
    void openSettings();
    /// A click on one of the dialog's check boxes or tag-form items.
    void settingsClick(const std::string& control);
    /// As colourOf, for the dialog's colour buttons and panels.
    emscripten::val settingsColourOf(const std::string& control) const;
    /// The colour picker's answer for one of the dialog's colour buttons: "#rrggbb" or null.
    void settingsColourChosen(const std::string& button, const emscripten::val& colour);
    /// The code the colour-code dialog opens with for one of the dialog's panels.
    std::string settingsColourCode(const std::string& panel) const;
    /// The colour-code dialog closed over one of the dialog's panels with `code` in its box.
    void settingsColourCodeClosed(const std::string& panel, const std::string& code);
    /// 現在の色データを使用: the main window's current colours.
    void takeCurrentColours();
    /// 設定: stores every key in lumo.ini; on failure the dialog stays open with its edits.
    std::string storeSettings();
    /// The dialog has closed, however: the output takes the stored options at once.
    std::string settingsClosed();
    /// The dialog's controls' states, by short name.
    emscripten::val settingsState() const;

    // The extended colour dialog, over the model's draft of the colour options.

    /// Fills the draft from the window's colour options, as the dialog opens.
    void openExtended();
    /// The list of stops as typed.
    void extendedEdit(const std::string& text);
    /// A click on one of the dialog's presets, list buttons, blends or switches.
    void extendedClick(const std::string& control);
    /// The colour picker's answer for 色を追加: "#rrggbb" or null.
    void extendedColourChosen(const emscripten::val& colour);
    /// The colour 色を追加 opens the picker with: the last stop, "#rrggbb".
    std::string extendedLastStop() const;
    /// OK: makes the markup with the options; on failure, the message, and the dialog stays open.
    std::string storeExtended();
    /// The dialog's controls' states, by short name.
    emscripten::val extendedState() const;
    /// The strip's colours, one per pixel of `width`, as CSS colours; none while the list cannot
    /// be read.
    emscripten::val extendedStrip(int width) const;

    // The start-up file as a file of the user's.

    /// lumo.ini as stored, or null when there is none yet.
    emscripten::val startupFile() const;
    /// Stores `bytes`, the file `name`, as lumo.ini for the next start of the page; a file that
    /// holds no start-up setting is refused and changes nothing.
    std::string importStartupFile(const emscripten::val& bytes, const std::string& name);

  private:
    /// Runs `action` as the window runs a handler: an error is worded for its error box.
    template <typename Action>
    std::string act(const Action& action);
    static std::optional<ColourSlot> colourSlotNamed(const std::string& control);
    static std::optional<ColourSlot> settingsColourSlotNamed(const std::string& control);

    BrowserFileSystem files_;
    CanvasSurface surface_;
    MainWindowModel model_;
    StartupDraft draft_;
    ExtendedDraft extended_;
    DrawnState drawn_;
};

}  // namespace huewright
