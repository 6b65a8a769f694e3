// What the page's JavaScript sees of the program: the Page and the layout tables.
#include <emscripten/bind.h>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "binding/js_text.h"
#include "binding/page.h"
#include "controls/gradient_steps.h"
#include "generator/colour_code.h"
#include "model/controls.h"
#include "model/entry_rules.h"
#include "model/language.h"
#include "model/layout.h"
#include "model/radio_keys.h"
#include "model/words.h"
#include "text/cp932.h"
#include "version.h"

namespace huewright {

namespace {

using emscripten::val;

// The names the page's builder knows each kind of control by, in the enumeration's order.
constexpr std::array kKindNames = std::to_array<const char*>(
    {"SunkenPanel", "ColourPanel", "Container", "Image", "LineEdit", "MarkupEdit", "ComboBox",
     "FixedSpinEdit", "TypingSpinEdit", "Button", "CheckBox", "RadioButton", "Bevel", "LengthLabel",
     "GradientLabel", "GroupBox"});
static_assert(kKindNames.size() == static_cast<std::size_t>(ControlKind::GroupBox) + 1);

constexpr std::array kMenuKindNames =
    std::to_array<const char*>({"Menu", "Item", "Choice", "Separator"});

// A gradient label's characters, each with its colour as CSS writes it.
val labelCharacters(const std::string& caption) {
    const std::string cp932 = utf8ToCp932(caption);
    val characters = val::array();
    for (const GradientCharacter& character :
         gradientCharacters(cp932, kGradientLabelColours.start, kGradientLabelColours.end)) {
        val c = val::object();
        c.set("text", cp932ToUtf8(character.bytes));
        c.set("colour", colourToCode(character.colour, true, false));
        characters.call<void>("push", c);
    }
    return characters;
}

// A text of the tables as `language` says it.
std::string said(const char* japanese, Language language) {
    return std::string(inLanguage(japanese, language));
}

val windowOf(const WindowLayout& layout, Language language) {
    val controls = val::array();
    for (const ControlLayout& control : layout.controls) {
        val c = val::object();
        c.set("name", std::string(control.name));
        c.set("kind", kKindNames[static_cast<std::size_t>(control.kind)]);
        c.set("parent", std::string(control.parent));
        std::string caption = control.caption;
        // The version line's caption comes from the build.
        if (control.name == nameOf(VersionControl::Version) &&
            layout.name == nameOf(Window::Version)) {
            caption = "Version " + std::string(kVersion);
        }
        c.set("caption", control.kind == ControlKind::GradientLabel
                             ? caption
                             : said(caption.c_str(), language));
        c.set("hint", said(control.hint, language));
        c.set("accessibleName", said(control.accessibleName, language));
        c.set("left", control.geometry.left);
        c.set("top", control.geometry.top);
        c.set("width", control.geometry.width);
        c.set("height", control.geometry.height);
        c.set("fontPixels", control.fontPixels);
        if (control.kind == ControlKind::GradientLabel) {
            c.set("characters", labelCharacters(caption));
        }
        if (const auto spin = [&]() -> std::optional<SpinField> {
                for (const SpinField field : kAllSpinFields) {
                    if (nameOf(field) == control.name && layout.name == nameOf(Window::Main)) {
                        return field;
                    }
                }
                return std::nullopt;
            }()) {
            c.set("minimum", rangeOf(*spin).minimum);
            c.set("maximum", rangeOf(*spin).maximum);
        }
        controls.call<void>("push", c);
    }
    val order = val::array();
    for (const std::string_view name : focusOrder(layout.controls)) {
        order.call<void>("push", std::string(name));
    }
    val window = val::object();
    window.set("name", std::string(layout.name));
    window.set("title", said(layout.title, language));
    window.set("width", layout.clientWidth);
    window.set("height", layout.clientHeight);
    window.set("controls", controls);
    window.set("focusOrder", order);
    return window;
}

/// The layout tables: the main window, its menu bar and the dialogs, as drawn at 96 dpi, their
/// texts in the language of `code` ("ja" or "en"; Japanese for any other).
val layouts(const std::string& code) {
    const Language language = languageOfCode(code).value_or(Language::Japanese);
    val menu = val::array();
    for (const MenuLayout& entry : mainMenuLayout()) {
        val e = val::object();
        e.set("name", std::string(entry.name));
        e.set("kind", kMenuKindNames[static_cast<std::size_t>(entry.kind)]);
        e.set("parent", std::string(entry.parent));
        e.set("caption", said(entry.caption, language));
        e.set("shortcut", std::string(entry.shortcut));
        menu.call<void>("push", e);
    }
    val all = val::object();
    all.set("main", windowOf(mainWindowLayout(), language));
    all.set("menu", menu);
    all.set("menuBar", std::string(nameOf(Menu::Bar)));
    all.set("settings", windowOf(settingsDialogLayout(), language));
    all.set("colourCode", windowOf(colourCodeDialogLayout(), language));
    all.set("version", windowOf(versionDialogLayout(), language));
    all.set("extended", windowOf(extendedDialogLayout(), language));
    return all;
}

// What only the page says, by the names page.js knows them by.
constexpr std::pair<const char*, const char*> kPageWords[] = {
    {"quitHint", words::kQuitHint},
    {"importStartup", words::kImportStartup},
    {"exportStartup", words::kExportStartup},
    {"noStartupFile", words::kNoStartupFile},
    {"copied", words::kCopied},
    {"notCopied", words::kNotCopied},
    {"savePreview", words::kSavePreview},
    {"copyLink", words::kCopyLink},
    {"linkTooLong", words::kLinkTooLong},
    {"badLink", words::kBadLink},
    {"renderedPart", words::kRenderedPart},
    {"menuBar", words::kMenuBar},
    {"rendering", words::kRendering},
    {"renderingCaption", words::kRenderingCaption},
    {"close", words::kClose},
    {"colourRole", words::kColourRole},
};

/// The page's own words in the language of `code`, as words() of layouts(); "%1" in a word
/// stands for what the page fills in.
val pageWords(const std::string& code) {
    const Language language = languageOfCode(code).value_or(Language::Japanese);
    val all = val::object();
    for (const auto& [name, japanese] : kPageWords) {
        all.set(name, said(japanese, language));
    }
    return all;
}

// The object `holder[key]`, made empty where there is none yet.
val member(val holder, const char* key) {
    if (holder[key].isUndefined()) {
        holder.set(key, val::object());
    }
    return holder[key];
}

#define HUEWRIGHT_PUT_NAME(Enumeration, enumerator, name) \
    member(names, #Enumeration).set(#enumerator, std::string(name));
#define HUEWRIGHT_PUT_WINDOW_NAMES(window, Enumeration, all, LIST) \
    {                                                              \
        val names = member(byWindow, #window);                     \
        LIST(HUEWRIGHT_PUT_NAME)                                   \
    }

/// The short names the page's controls are known by, from the one list of them: by window, then
/// by enumeration and enumerator, e.g. names.Main.Button.Swap is "Button1". names.Window.Main is
/// the main window's own name, and names.SpinStep names a spin edit's step buttons.
val controlNames() {
    val byWindow = val::object();
    {
        val& names = byWindow;
        HUEWRIGHT_WINDOWS(HUEWRIGHT_PUT_NAME)
        HUEWRIGHT_SPIN_STEPS(HUEWRIGHT_PUT_NAME)
    }
    HUEWRIGHT_CONTROL_ENUMERATIONS(HUEWRIGHT_PUT_WINDOW_NAMES)
    return byWindow;
}

template <typename Enum, std::size_t N>
std::optional<Enum> byName(const char* const (&names)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

// The page's words for the entry rules' actions, keys and focus causes, in their order.
constexpr const char* kEntryActions[] = {"type", "paste"};
constexpr const char* kEntryCharacters[] = {"codePage932", "any"};
constexpr const char* kEntryKeys[] = {"erase", "cut", "enter", "up", "down"};
constexpr const char* kFocusCauses[] = {"mouse", "keyboard", "opening", "return"};
constexpr const char* kArrowKeys[] = {"up", "down", "left", "right"};

std::optional<EntryControl> entryControl(const std::string& window, const std::string& control) {
    for (const Window w : kAllWindows) {
        if (nameOf(w) == window) {
            return entryControlNamed(w, control);
        }
    }
    return std::nullopt;
}

/// Typing or pasting `inserted` over a box's selection, the box taking `characters` ("codePage932"
/// or "any"): {text, cursor, changed, beep}, the cursor in UTF-16 code units; null for a control,
/// action or characters the rules do not know.
val entryInsert(const std::string& window, const std::string& control, const std::string& action,
                const val& before, const val& selected, const val& after, const val& inserted,
                const std::string& characters) {
    const auto entry = entryControl(window, control);
    const auto how = byName<EntryAction>(kEntryActions, action);
    const auto which = byName<EntryCharacters>(kEntryCharacters, characters);
    if (!entry || !how || !which) {
        return val::null();
    }
    const EntryOutcome outcome =
        insertText(*entry, *how, {utf8Of(before), utf8Of(selected), utf8Of(after)},
                   utf8Of(inserted), U'.', *which);
    val answer = val::object();
    answer.set("text", stringOf(outcome.text));
    answer.set("cursor", outcome.cursor);
    answer.set("changed", outcome.changed);
    answer.set("beep", outcome.beep);
    return answer;
}

/// What a key does in a box: {taken, beep, step}; nothing taken for a key the rules do not know.
val entryKey(const std::string& window, const std::string& control, const std::string& key) {
    const auto entry = entryControl(window, control);
    const auto which = byName<EntryKey>(kEntryKeys, key);
    const KeyAnswer answer = entry && which ? pressKey(*entry, *which) : KeyAnswer{};
    val result = val::object();
    result.set("taken", answer.taken);
    result.set("beep", answer.beep);
    result.set("step", answer.step);
    return result;
}

/// The button of a radio group, by its index, that an arrow key moves the check to from button
/// `from`, given the buttons' enabled states; -1 for none.
int radioArrow(const val& enabled, std::size_t from, const std::string& key) {
    const auto which = byName<ArrowKey>(kArrowKeys, key);
    const std::vector<bool> states = emscripten::vecFromJSArray<bool>(enabled);
    const std::optional<std::size_t> to =
        which && from < states.size() ? radioArrowTarget(states, from, *which) : std::nullopt;
    return to ? static_cast<int>(*to) : -1;
}

/// Whether a box selects its whole text on getting the focus by `cause`.
bool entryFocusSelectsAll(const std::string& window, const std::string& control,
                          const std::string& cause) {
    const auto entry = entryControl(window, control);
    const auto why = byName<FocusCause>(kFocusCauses, cause);
    return entry && why && selectsAllOnFocus(*entry, *why);
}

/// Each spin edit's typing and stepping, by short name: {typing, maxLength, repeatDelay,
/// repeatInterval}.
val spinEntries() {
    val all = val::object();
    for (const SpinField spin : kAllSpinFields) {
        const SpinEntry entry = spinEntry(spin);
        val e = val::object();
        e.set("typing", entry.typing);
        e.set("maxLength", entry.maxLength);
        e.set("repeatDelay", entry.repeatDelayMs);
        e.set("repeatInterval", entry.repeatIntervalMs);
        all.set(std::string(nameOf(spin)), e);
    }
    return all;
}

}  // namespace

}  // namespace huewright

EMSCRIPTEN_BINDINGS(huewright) {
    using huewright::Page;
    emscripten::function("layouts", &huewright::layouts);
    emscripten::function("pageWords", &huewright::pageWords);
    emscripten::function("controlNames", &huewright::controlNames);
    emscripten::function("entryInsert", &huewright::entryInsert);
    emscripten::function("entryKey", &huewright::entryKey);
    emscripten::function("entryFocusSelectsAll", &huewright::entryFocusSelectsAll);
    emscripten::function("radioArrow", &huewright::radioArrow);
    emscripten::function("spinEntries", &huewright::spinEntries);
    emscripten::class_<Page>("Page")
        .constructor<>()
        .function("startUp", &Page::startUp)
        .function("setLocale", &Page::setLocale)
        .function("language", &Page::language)
        .function("switchLanguage", &Page::switchLanguage)
        .function("edit", &Page::edit)
        .function("click", &Page::click)
        .function("step", &Page::step)
        .function("leave", &Page::leave)
        .function("colourOf", &Page::colourOf)
        .function("colourChosen", &Page::colourChosen)
        .function("colourCode", &Page::colourCode)
        .function("colourCodeClosed", &Page::colourCodeClosed)
        .function("chooseForm", &Page::chooseForm)
        .function("save", &Page::save)
        .function("open", &Page::open)
        .function("changes", &Page::changes)
        .function("fragment", &Page::fragment)
        .function("textCharacters", &Page::textCharacters)
        .function("link", &Page::link)
        .function("openLink", &Page::openLink)
        .function("openSettings", &Page::openSettings)
        .function("settingsClick", &Page::settingsClick)
        .function("settingsColourOf", &Page::settingsColourOf)
        .function("settingsColourChosen", &Page::settingsColourChosen)
        .function("settingsColourCode", &Page::settingsColourCode)
        .function("settingsColourCodeClosed", &Page::settingsColourCodeClosed)
        .function("takeCurrentColours", &Page::takeCurrentColours)
        .function("storeSettings", &Page::storeSettings)
        .function("settingsClosed", &Page::settingsClosed)
        .function("settingsState", &Page::settingsState)
        .function("openExtended", &Page::openExtended)
        .function("extendedEdit", &Page::extendedEdit)
        .function("extendedClick", &Page::extendedClick)
        .function("extendedLastStop", &Page::extendedLastStop)
        .function("extendedColourChosen", &Page::extendedColourChosen)
        .function("storeExtended", &Page::storeExtended)
        .function("extendedState", &Page::extendedState)
        .function("extendedStrip", &Page::extendedStrip)
        .function("startupFile", &Page::startupFile)
        .function("importStartupFile", &Page::importStartupFile);
}
