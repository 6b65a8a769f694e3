#include "binding/page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "binding/js_text.h"
#include "generator/colour_code.h"
#include "model/entry_rules.h"
#include "model/error_messages.h"
#include "model/extended_keys.h"
#include "model/gradation_file.h"
#include "model/gradation_keys.h"
#include "model/layout.h"
#include "model/main_window_state.h"
#include "model/text_bounds.h"
#include "persistence/profile_document.h"
#include "text/conversion_error.h"
#include "text/cp932.h"
#include "text/utf8.h"

namespace huewright {

namespace {

using emscripten::val;

// The picked file to open, or the save on its way to a download, while the model reads or
// writes it.
const std::filesystem::path kExchangedFile = "Lumo.DAT";

template <typename Enum, std::size_t N>
std::optional<Enum> named(const Enum (&all)[N], std::string_view name) {
    for (const Enum value : all) {
        if (nameOf(value) == name) {
            return value;
        }
    }
    return std::nullopt;
}

// The picker's "#rrggbb", or nothing for a cancel.
std::optional<ColourValue> pickedColour(const val& colour, ColourValue current) {
    if (colour.isNull() || colour.isUndefined()) {
        return std::nullopt;
    }
    return codeToColour(colour.as<std::string>(), current);
}

// The fragment of a long text runs to megabytes, and each key would carry it into the page
// whole. The page shows only its beginning and asks for the whole to copy or edit it.
constexpr std::size_t kMarkupSent = 131072;

// The preview is described by the text it shows, which may run to megabytes: a screen reader is
// given its beginning.
constexpr std::size_t kLongestDescription = 4096;

// A control's state as the page reads it; a field the control does not have is left out.
val stateOf(const ControlState& state) {
    val shown = val::object();
    if (state.text) {
        shown.set("text", stringOf(*state.text));
    }
    if (state.checked) {
        shown.set("checked", *state.checked);
    }
    if (state.enabled) {
        shown.set("enabled", *state.enabled);
    }
    if (state.value) {
        shown.set("value", *state.value);
    }
    if (state.colour) {
        shown.set("colour", cssColour(*state.colour));
    }
    if (state.description) {
        shown.set("description", stringOf(utf8Beginning(*state.description, kLongestDescription)));
    }
    return shown;
}

// The states of `controls`; the markup's marked "cut" when it holds only the beginning of a
// fragment of `markupBytes`.
val statesOf(const std::vector<ShownControl>& controls, std::size_t markupBytes = 0) {
    val states = val::object();
    for (const ShownControl& shown : controls) {
        val state = stateOf(shown.state);
        if (shown.control == Control{WindowPart::Markup} && markupBytes > kMarkupSent) {
            state.set("cut", true);
        }
        states.set(std::string(nameOf(shown.control)), state);
    }
    return states;
}

}  // namespace

Page::Page() : files_(startupFilePath({})), model_(files_) {
    model_.setDrawingSurface(&surface_);
    model_.setLongestText(kLongestText);
}

template <typename Action>
std::string Page::act(const Action& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return errorMessage(error, model_.outputForm(), model_.language()) + ".";
    }
    return {};
}

std::string Page::startUp() {
    return act([&] {
        // Storage that holds no readable start-up file starts the page as no file does, and
        // its entry goes aside, so that no save writes it back.
        const std::filesystem::path file = startupFilePath({});
        const StartupFileRead stored = readStartupFile(files_, file);
        const bool unusable = files_.exists(file) && (stored.unreadable || !stored.heldSettings);
        if (unusable) {
            files_.setAsideStoredFile();
        }
        model_.startUp({}, unusable ? StartupSettings{} : stored.settings);
        if (stored.unreadable) {
            throw *stored.unreadable;
        }
        if (unusable) {
            throw NoSettingsError(file);
        }
    });
}

void Page::setLocale(const std::string& tag) {
    model_.setLocaleLanguage(languageOfLocale(tag));
}

std::string Page::language() const {
    return std::string(languageCode(model_.language()));
}

std::string Page::switchLanguage() {
    return act([&] { model_.switchLanguage(); });
}

std::string Page::edit(const std::string& control, const val& typed) {
    const std::string text = utf8Of(typed);
    if (const auto spin = named(kAllSpinFields, control)) {
        return act([&] { model_.setSpinText(*spin, text); });
    }
    const auto edit = named(kAllLineEdits, control);
    if (!edit && control != nameOf(WindowPart::FaceName)) {
        return {};
    }
    if (edit == LineEdit::Text) {
        drawn_.forget(LineEdit::Text);
        return act([&] { model_.setTextUtf8(text); });
    }
    // The browser has changed the box already; whatever the model makes of the text, the box
    // shows the model's afterwards.
    drawn_.forget(edit ? Control(*edit) : Control(WindowPart::FaceName));
    return act([&] {
        std::string cp932;
        try {
            cp932 = utf8ToCp932(text);
        } catch (const ConversionError&) {
            // As in the window, a character code page 932 cannot hold is refused.
            return;
        }
        if (edit) {
            model_.setText(*edit, std::move(cp932));
        } else {
            model_.setFaceNameText(std::move(cp932), true);
        }
    });
}

std::string Page::click(const std::string& control) {
    return act([&] {
        // The browser has toggled the box or checked the button already, whatever the model
        // makes of the click.
        if (const auto box = named(kAllCheckBoxes, control)) {
            drawn_.forget(*box);
            model_.click(*box);
        } else if (const auto button = named(kAllRadioButtons, control)) {
            drawn_.forget(*button);
            model_.checkRadio(*button);
        } else if (control == nameOf(Button::Swap)) {
            model_.swapColours();
        }
    });
}

std::string Page::step(const std::string& control, int delta) {
    return act([&] {
        if (const auto spin = named(kAllSpinFields, control)) {
            model_.stepSpin(*spin, delta);
        }
    });
}

std::string Page::leave(const std::string& control) {
    return act([&] {
        if (const auto spin = named(kAllSpinFields, control)) {
            model_.spinFocusOut(*spin);
        }
    });
}

std::optional<ColourSlot> Page::colourSlotNamed(const std::string& control) {
    if (const auto button = named(kAllButtons, control)) {
        return colourSlotOf(*button);
    }
    if (const auto part = named(kAllWindowParts, control)) {
        return colourSlotOf(*part);
    }
    return std::nullopt;
}

val Page::colourOf(const std::string& control) const {
    const auto slot = colourSlotNamed(control);
    return slot ? val(cssColour(model_.colour(*slot))) : val::null();
}

std::string Page::colourChosen(const std::string& button, const val& colour) {
    const auto slot = colourSlotNamed(button);
    if (!slot) {
        return {};
    }
    return act([&] { model_.colourChosen(*slot, pickedColour(colour, model_.colour(*slot))); });
}

std::string Page::colourCode(const std::string& panel) const {
    const auto slot = colourSlotNamed(panel);
    return slot ? model_.colourCode(model_.colour(*slot)) : std::string();
}

std::string Page::colourCodeClosed(const std::string& panel, const std::string& code) {
    const auto slot = colourSlotNamed(panel);
    if (!slot) {
        return {};
    }
    return act([&] {
        model_.setColour(*slot, MainWindowModel::colourFromCode(code, model_.colour(*slot)));
        model_.regenerate();
    });
}

std::string Page::chooseForm(const std::string& item) {
    for (const OutputFormItem& choice : kOutputFormItems) {
        if (nameOf(choice.item) == item) {
            // A refused choice leaves the ticked item as the form in use.
            drawn_.forget(choice.item);
            return act([&] { model_.chooseOutputForm(choice.form); });
        }
    }
    return {};
}

val Page::save() {
    const std::string failure = act([&] { model_.saveGradationFile(kExchangedFile); });
    if (!failure.empty()) {
        return val(failure);
    }
    return arrayOf(files_.release(kExchangedFile).value_or(""));
}

std::string Page::open(const val& bytes, const std::string& name) {
    if (bytes.isNull() || bytes.isUndefined()) {
        return act([&] { model_.loadGradationFile(std::nullopt); });
    }
    const std::string file = bytesOf(bytes);
    return act([&] {
        // The window builds the output again after each key it loads; here once, at the end,
        // so that a long text is not worked through a dozen times while the tab waits. A
        // fragment that opens with a message has been taken already.
        model_.setBuildsOutput(false);
        LoadReport report;
        try {
            report = model_.openFile(file, name);
        } catch (...) {
            model_.setBuildsOutput(true);
            model_.regenerate();
            throw;
        }
        model_.setBuildsOutput(true);
        model_.regenerate();
        // A file without a single setting changes nothing, as the window loads it, but says so.
        if (!report.heldSettings) {
            throw NoSettingsError(name);
        }
    });
}

val Page::changes() {
    val state = val::object();
    state.set("controls", statesOf(drawn_.changes(mainWindowState(model_, kMarkupSent)),
                                   model_.markup().size()));
    // Why no fragment exists in the chosen form, while none does; empty otherwise.
    state.set("refusal",
              model_.refusal()
                  ? errorMessage(*model_.refusal(), model_.outputForm(), model_.language()) + "."
                  : std::string());
    return state;
}

val Page::fragment() const {
    return stringOf(markupUtf8(model_));
}

std::string Page::textCharacters() const {
    return model_.textCharacters() == EntryCharacters::Any ? "any" : "codePage932";
}

namespace {

// The keys of a gradation settings file, with the built-in settings' values.
std::vector<SettingsValue> builtInValues() {
    return gradationFileValues(fileItemsOf(GradationSettings{}));
}

constexpr std::string_view kFormKey = "Form";
// The key of the text to colour, which a link may give beyond code page 932 for a form that
// writes UTF-8.
const SettingsKey& textKey() {
    return fileKeyOf(FileItem(LineEdit::Text));
}

bool isTextKey(const SettingsKey& key) {
    return key.section == textKey().section && key.key == textKey().key;
}

// The start-up options that each run of the output reads (the case of tags, STRONG for bold, EM
// for italic), which a settings file does not carry: a link carries them under lumo.ini's own
// names, marked as its.
struct TagOption {
    std::string_view key;
    bool (*of)(const StartupSettings&);
    void (*set)(StartupSettings&, bool);
};
constexpr TagOption kTagOptions[] = {
    {"lumo.TB", [](const StartupSettings& s) { return s.upperCaseTags; },
     [](StartupSettings& s, bool on) { s.upperCaseTags = on; }},
    {"lumo.F_TAG", [](const StartupSettings& s) { return s.boldTagForm != 0; },
     [](StartupSettings& s, bool on) { s.boldTagForm = on ? 1 : 0; }},
    {"lumo.S_TAG", [](const StartupSettings& s) { return s.italicTagForm != 0; },
     [](StartupSettings& s, bool on) { s.italicTagForm = on ? 1 : 0; }},
};

}  // namespace

val Page::link() const {
    const std::vector<SettingsValue> builtIn = builtInValues();
    const std::vector<SettingsValue> values = gradationFileValues(fileItemsOf(model_.snapshot()));
    val pairs = val::array();
    const auto add = [&](std::string_view key, const std::string& value) {
        val pair = val::array();
        pair.call<void>("push", std::string(key));
        pair.call<void>("push", value);
        pairs.call<void>("push", pair);
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (isTextKey(values[i].key) && model_.textBeyondCodePage932()) {
            add(textKey().key, model_.textUtf8());
        } else if (values[i].text != builtIn[i].text) {
            add(values[i].key.key, cp932ToUtf8Lenient(values[i].text));
        }
    }
    for (const TagOption& option : kTagOptions) {
        const bool on = option.of(model_.startupSettings());
        if (on != option.of(StartupSettings{})) {
            add(option.key, on ? "1" : "0");
        }
    }
    if (model_.outputForm() != OutputForm::Font) {
        add(kFormKey, std::string(formName(model_.outputForm())));
    }
    // The colour options, under the names the program's own section of a settings file has.
    if (!model_.colourOptions().atDefaults()) {
        OutputOptions options;
        model_.colourOptions().applyTo(options);
        for (const SettingsValue& value : extendedFileValues(options)) {
            if (value.key.key != kFormKey) {
                add(value.key.key, value.text);
            }
        }
    }
    return pairs;
}

namespace {

// What a link's [key, value] pairs give, over the built-in settings: the settings file's values,
// the start-up settings with its tag options and form, and the keys it holds that no settings
// file holds so.
struct LinkRead {
    std::vector<SettingsValue> values = builtInValues();
    std::vector<SettingsValue> colourOptions;  ///< in the program's own section
    StartupSettings startup;
    std::vector<std::string> refused;
    /// The text to colour, UTF-8, when code page 932 cannot hold it; its value is then empty.
    std::optional<std::string> textBeyondCodePage932;
};

// The colour option of the program's own section that `key` names; none for any other key.
std::optional<SettingsKey> colourOptionKey(std::string_view key) {
    for (const SettingsKey& option : extendedKeys()) {
        if (option.key == key && key != kFormKey) {
            return option;
        }
    }
    return std::nullopt;
}

LinkRead readLink(const val& pairs, StartupSettings startup) {
    LinkRead read;
    for (const TagOption& option : kTagOptions) {
        option.set(startup, option.of(StartupSettings{}));
    }
    startup.outputForm = static_cast<std::int32_t>(OutputForm::Font);
    const auto length = pairs["length"].as<std::size_t>();
    for (std::size_t i = 0; i < length; ++i) {
        const auto key = pairs[i][0].as<std::string>();
        const auto text = pairs[i][1].as<std::string>();
        const auto named = std::find_if(read.values.begin(), read.values.end(),
                                        [&](const SettingsValue& v) { return v.key.key == key; });
        const auto* option = std::find_if(std::begin(kTagOptions), std::end(kTagOptions),
                                          [&](const TagOption& o) { return o.key == key; });
        const std::optional<OutputForm> form = formNamed(text);
        if (key == kFormKey && form && formMenuOffers(*form)) {
            startup.outputForm = static_cast<std::int32_t>(*form);
        } else if (option != std::end(kTagOptions) && (text == "0" || text == "1")) {
            option->set(startup, text == "1");
        } else if (const std::optional<SettingsKey> colourOption = colourOptionKey(key)) {
            read.colourOptions.push_back({*colourOption, text});
        } else if (named != read.values.end()) {
            try {
                named->text = utf8ToCp932(text);
                refuseTextLongerThan(kLongestText, named->text, OutputError::Field::None);
            } catch (const ConversionError&) {
                if (isTextKey(named->key)) {
                    named->text.clear();
                    read.textBeyondCodePage932 = text;
                } else {
                    read.refused.push_back(key);
                }
            } catch (const TextTooLongError&) {
                read.refused.push_back(key);
            }
        } else {
            read.refused.push_back(key);
        }
    }
    // Only a form that writes UTF-8 takes a text beyond code page 932.
    if (read.textBeyondCodePage932 &&
        static_cast<OutputForm>(startup.outputForm) == OutputForm::Font) {
        read.refused.emplace_back(textKey().key);
    }
    read.startup = startup;
    return read;
}

}  // namespace

std::string Page::openLink(const val& pairs) {
    // The link's form and tag options go over the page's start-up settings for this visit; the
    // browser's lumo.ini keeps its own.
    LinkRead link = readLink(pairs, model_.startupSettings());
    const auto load = [&](const LinkRead& read) {
        model_.startUp({}, read.startup);
        ProfileDocument document;
        document.writeAll(read.values);
        document.writeAll(read.colourOptions);
        return model_.loadGradationFile(document);
    };
    try {
        const LoadReport report = load(link);
        if (link.textBeyondCodePage932 && link.refused.empty()) {
            model_.setTextUtf8(*link.textBeyondCodePage932);
        }
        link.refused.insert(link.refused.end(), report.unreadableExtendedKeys.begin(),
                            report.unreadableExtendedKeys.end());
        // A value the file's rules read otherwise (a colour out of range, a word for a number)
        // would give other settings than the link names.
        const std::vector<SettingsValue> taken =
            gradationFileValues(fileItemsOf(model_.snapshot()));
        for (std::size_t i = 0; i < taken.size(); ++i) {
            if (taken[i].text != link.values[i].text) {
                link.refused.emplace_back(link.values[i].key.key);
            }
        }
    } catch (const LineBreakInValueError& error) {
        link.refused.push_back(error.key());
    } catch (const TextTooLongError&) {
        link.refused.emplace_back(textKey().key);
    }
    if (!link.refused.empty()) {
        load(readLink(val::array(), model_.startupSettings()));
    }
    std::string keys;
    for (const std::string& key : link.refused) {
        keys += (keys.empty() ? "" : ", ") + key;
    }
    return keys;
}

void Page::openSettings() {
    draft_.open(model_.startupSettings());
}

void Page::settingsClick(const std::string& control) {
    if (const auto clicked = named(kAllSettingsControls, control)) {
        draft_.click(*clicked);
    }
}

std::optional<ColourSlot> Page::settingsColourSlotNamed(const std::string& control) {
    const auto named = huewright::named(kAllSettingsControls, control);
    return named ? colourSlotOf(*named) : std::nullopt;
}

val Page::settingsColourOf(const std::string& control) const {
    const auto slot = settingsColourSlotNamed(control);
    return slot ? val(cssColour(draft_.colour(*slot))) : val::null();
}

void Page::settingsColourChosen(const std::string& button, const val& colour) {
    if (const auto slot = settingsColourSlotNamed(button)) {
        draft_.setColour(*slot,
                         pickedColour(colour, draft_.colour(*slot)).value_or(draft_.colour(*slot)));
    }
}

std::string Page::settingsColourCode(const std::string& panel) const {
    const auto slot = settingsColourSlotNamed(panel);
    return slot ? model_.colourCode(draft_.colour(*slot)) : std::string();
}

void Page::settingsColourCodeClosed(const std::string& panel, const std::string& code) {
    if (const auto slot = settingsColourSlotNamed(panel)) {
        draft_.setColour(*slot, MainWindowModel::colourFromCode(code, draft_.colour(*slot)));
    }
}

void Page::takeCurrentColours() {
    draft_.takeCurrentColours(model_);
}

std::string Page::storeSettings() {
    return act([&] { model_.storeStartupSettings(draft_.values()); });
}

std::string Page::settingsClosed() {
    return act([&] { model_.regenerate(); });
}

val Page::settingsState() const {
    return statesOf(settingsDialogState(draft_, model_));
}

void Page::openExtended() {
    extended_.open(model_.colourOptions(), model_.windowStops());
}

void Page::extendedEdit(const std::string& text) {
    extended_.setStopsText(text);
}

void Page::extendedClick(const std::string& control) {
    if (const auto clicked = named(kAllExtendedControls, control)) {
        extended_.click(*clicked);
    }
}

std::string Page::extendedLastStop() const {
    const std::optional<std::vector<ColourValue>> stops = extended_.stops();
    return cssColour(stops && !stops->empty() ? stops->back() : 0);
}

void Page::extendedColourChosen(const val& colour) {
    if (const std::optional<ColourValue> chosen = pickedColour(colour, 0)) {
        extended_.addStop(*chosen);
    }
}

std::string Page::storeExtended() {
    return act([&] { model_.setColourOptions(extended_.values()); });
}

val Page::extendedState() const {
    return statesOf(extendedDialogState(extended_));
}

val Page::extendedStrip(int width) const {
    val colours = val::array();
    for (const ColourValue colour : extended_.stripColours(width)) {
        colours.call<void>("push", cssColour(colour));
    }
    return colours;
}

val Page::startupFile() const {
    const FileRead read = files_.readFile(startupFilePath({}));
    return read.bytes ? arrayOf(*read.bytes) : val::null();
}

std::string Page::importStartupFile(const val& bytes, const std::string& name) {
    files_.hold(kExchangedFile, bytesOf(bytes));
    const StartupFileRead read = readStartupFile(files_, kExchangedFile);
    std::string content = files_.release(kExchangedFile).value_or("");
    return act([&] {
        if (!read.heldSettings) {
            throw NoSettingsError(name);
        }
        files_.replaceFile(startupFilePath({}), content);
    });
}

}  // namespace huewright
