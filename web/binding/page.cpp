#include "binding/page.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "generator/colour_code.h"
#include "model/entry_rules.h"
#include "model/error_messages.h"
#include "model/layout.h"
#include "text/conversion_error.h"
#include "text/cp932.h"

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

// The colour buttons and panels of the main window and the colours they stand for.
constexpr std::array<std::pair<Button, ColourSlot>, 4> kColourButtons = {{
    {Button::StartColour, ColourSlot::Start},
    {Button::MiddleColour, ColourSlot::Middle},
    {Button::EndColour, ColourSlot::End},
    {Button::BackgroundColour, ColourSlot::Background},
}};
constexpr std::array<std::pair<WindowPart, ColourSlot>, 3> kColourPanels = {{
    {WindowPart::StartColour, ColourSlot::Start},
    {WindowPart::MiddleColour, ColourSlot::Middle},
    {WindowPart::EndColour, ColourSlot::End},
}};

// The settings dialog's switches, colour buttons and panels, and tag-form items.
using S = SettingsControl;
constexpr std::array<std::pair<S, bool StartupSettings::*>, 5> kSettingsSwitches = {{
    {S::UseSize, &StartupSettings::useSize},
    {S::UseFace, &StartupSettings::useFace},
    {S::LineBreak, &StartupSettings::lineBreak},
    {S::UpperCaseTags, &StartupSettings::upperCaseTags},
    {S::HashInColourCodes, &StartupSettings::hashInColourCodes},
}};
constexpr std::array<std::pair<S, ColourValue StartupSettings::*>, 8> kSettingsColours = {{
    {S::StartButton, &StartupSettings::startColour},
    {S::MiddleButton, &StartupSettings::middleColour},
    {S::EndButton, &StartupSettings::endColour},
    {S::BackgroundButton, &StartupSettings::backgroundColour},
    {S::StartPanel, &StartupSettings::startColour},
    {S::MiddlePanel, &StartupSettings::middleColour},
    {S::EndPanel, &StartupSettings::endColour},
    {S::BackgroundPanel, &StartupSettings::backgroundColour},
}};
struct TagItem {
    S control;
    TagForm form;
    int item;
};
constexpr std::array<TagItem, 4> kTagItems = {{
    {S::BoldTag, TagForm::Bold, 0},
    {S::StrongTag, TagForm::Bold, 1},
    {S::ItalicTag, TagForm::Italic, 0},
    {S::EmphasisTag, TagForm::Italic, 1},
}};

template <typename Key, typename Value, std::size_t N>
std::optional<Value> lookUp(const std::array<std::pair<Key, Value>, N>& table,
                            std::optional<Key> key) {
    for (const auto& [k, value] : table) {
        if (key == k) {
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

std::string bytesOf(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<std::uint8_t*>(bytes.data())))
        .call<void>("set", array);
    return bytes;
}

val arrayOf(std::string_view bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const std::uint8_t*>(bytes.data())));
}

val entry() {
    return val::object();
}

}  // namespace

Page::Page() : files_(startupFilePath({})), model_(files_) {
    model_.setDrawingSurface(&surface_);
}

template <typename Action>
std::string Page::act(const Action& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return errorMessage(error, model_.outputForm()) + ".";
    }
    return {};
}

std::string Page::startUp() {
    return act([&] {
        if (std::optional<FileReadError> unreadable = model_.startUp({})) {
            throw *unreadable;
        }
    });
}

std::string Page::edit(const std::string& control, const std::string& text) {
    if (const auto spin = named(kAllSpinFields, control)) {
        return act([&] { model_.setSpinText(*spin, text); });
    }
    std::string cp932;
    try {
        cp932 = utf8ToCp932(text);
    } catch (const ConversionError&) {
        // As in the window, a character code page 932 cannot hold is refused: the box keeps
        // the model's text.
        return {};
    }
    if (const auto edit = named(kAllLineEdits, control)) {
        return act([&] { model_.setText(*edit, std::move(cp932)); });
    }
    if (control == nameOf(WindowPart::FaceName)) {
        return act([&] { model_.setFaceNameText(std::move(cp932), true); });
    }
    return {};
}

std::string Page::click(const std::string& control) {
    return act([&] {
        if (const auto box = named(kAllCheckBoxes, control)) {
            model_.click(*box);
        } else if (const auto button = named(kAllRadioButtons, control)) {
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

std::string Page::colourChosen(const std::string& button, const val& colour) {
    const auto slot = lookUp(kColourButtons, named(kAllButtons, button));
    if (!slot) {
        return {};
    }
    return act([&] { model_.colourChosen(*slot, pickedColour(colour, model_.colour(*slot))); });
}

std::string Page::colourCode(const std::string& panel) const {
    const auto slot = lookUp(kColourPanels, named(kAllWindowParts, panel));
    return slot ? model_.colourCode(model_.colour(*slot)) : std::string();
}

std::string Page::colourCodeClosed(const std::string& panel, const std::string& code) {
    const auto slot = lookUp(kColourPanels, named(kAllWindowParts, panel));
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

std::string Page::open(const val& bytes) {
    if (bytes.isNull() || bytes.isUndefined()) {
        return act([&] { model_.loadGradationFile(std::nullopt); });
    }
    files_.hold(kExchangedFile, bytesOf(bytes));
    const std::string failure = act([&] { model_.loadGradationFile(kExchangedFile); });
    files_.release(kExchangedFile);
    return failure;
}

val Page::state() const {
    val controls = val::object();
    const auto put = [&](std::string_view name, val value) {
        controls.set(std::string(name), value);
    };
    for (const LineEdit edit : kAllLineEdits) {
        val e = entry();
        e.set("text", cp932ToUtf8Lenient(model_.text(edit)));
        e.set("enabled", model_.enabled(edit));
        put(nameOf(edit), e);
    }
    val face = entry();
    face.set("text", cp932ToUtf8Lenient(model_.faceNameText()));
    put(nameOf(WindowPart::FaceName), face);
    const auto putCheckable = [&](auto control) {
        val e = entry();
        e.set("checked", model_.checked(control));
        e.set("enabled", model_.enabled(control));
        put(nameOf(control), e);
    };
    for (const CheckBox box : kAllCheckBoxes) {
        putCheckable(box);
    }
    for (const RadioButton button : kAllRadioButtons) {
        putCheckable(button);
    }
    for (const SpinField spin : kAllSpinFields) {
        val e = entry();
        e.set("text", model_.spinText(spin));
        e.set("value", model_.spinValue(spin));
        e.set("enabled", model_.enabled(spin));
        put(nameOf(spin), e);
    }
    for (const Button button : kAllButtons) {
        val e = entry();
        e.set("enabled", model_.enabled(button));
        put(nameOf(button), e);
    }
    for (const auto& [panel, slot] : kColourPanels) {
        val e = entry();
        const ColourValue colour = model_.colour(slot);
        e.set("colour", cssColour(colour));
        e.set("code", model_.colourCode(colour));
        put(nameOf(panel), e);
    }
    for (const auto& [item, form] : kOutputFormItems) {
        val e = entry();
        e.set("checked", model_.outputForm() == form);
        put(nameOf(item), e);
    }
    val markup = entry();
    markup.set("text", cp932ToUtf8Lenient(model_.markup()));
    put(nameOf(WindowPart::Markup), markup);
    // The length counts code page 932 bytes: a double-byte character counts 2.
    val length = entry();
    length.set("text", lengthText(model_.markup().size()));
    put(nameOf(WindowPart::Length), length);

    val state = val::object();
    state.set("controls", controls);
    state.set("regenerations", model_.regenerationCount());
    state.set("backgroundColour", cssColour(model_.colour(ColourSlot::Background)));
    // Why no fragment exists in the chosen form, while none does; empty otherwise.
    state.set("refusal", model_.refusal()
                             ? errorMessage(*model_.refusal(), model_.outputForm()) + "."
                             : std::string());
    return state;
}

void Page::openSettings() {
    draft_.open(model_.startupSettings());
}

void Page::settingsClick(const std::string& control) {
    const auto name = named(kAllSettingsControls, control);
    if (const auto flag = lookUp(kSettingsSwitches, name)) {
        draft_.values().** flag = !(draft_.values().**flag);
    }
    for (const TagItem& tag : kTagItems) {
        if (name == tag.control) {
            draft_.select(tag.form, tag.item);
        }
    }
}

void Page::settingsColourChosen(const std::string& button, const val& colour) {
    if (const auto field = lookUp(kSettingsColours, named(kAllSettingsControls, button))) {
        ColourValue& value = draft_.values().**field;
        value = pickedColour(colour, value).value_or(value);
    }
}

std::string Page::settingsColourCode(const std::string& panel) const {
    const auto field = lookUp(kSettingsColours, named(kAllSettingsControls, panel));
    return field ? model_.colourCode(draft_.values().**field) : std::string();
}

void Page::settingsColourCodeClosed(const std::string& panel, const std::string& code) {
    if (const auto field = lookUp(kSettingsColours, named(kAllSettingsControls, panel))) {
        ColourValue& value = draft_.values().**field;
        value = MainWindowModel::colourFromCode(code, value);
    }
}

void Page::takeCurrentColours() {
    StartupSettings& values = draft_.values();
    values.startColour = model_.colour(ColourSlot::Start);
    values.middleColour = model_.colour(ColourSlot::Middle);
    values.endColour = model_.colour(ColourSlot::End);
    values.backgroundColour = model_.colour(ColourSlot::Background);
}

std::string Page::storeSettings() {
    return act([&] { model_.storeStartupSettings(draft_.values()); });
}

std::string Page::settingsClosed() {
    return act([&] { model_.regenerate(); });
}

val Page::settingsState() const {
    val controls = val::object();
    for (const auto& [control, flag] : kSettingsSwitches) {
        val e = entry();
        e.set("checked", draft_.values().*flag);
        controls.set(std::string(nameOf(control)), e);
    }
    for (const TagItem& tag : kTagItems) {
        val e = entry();
        e.set("checked", draft_.selectedItem(tag.form) == tag.item);
        controls.set(std::string(nameOf(tag.control)), e);
    }
    for (const S panel : {S::StartPanel, S::MiddlePanel, S::EndPanel, S::BackgroundPanel}) {
        const ColourValue colour = draft_.values().**lookUp(kSettingsColours, std::optional(panel));
        val e = entry();
        e.set("colour", cssColour(colour));
        e.set("code", model_.colourCode(colour));
        controls.set(std::string(nameOf(panel)), e);
    }
    return controls;
}

val Page::startupFile() const {
    const FileRead read = files_.readFile(startupFilePath({}));
    return read.bytes ? arrayOf(*read.bytes) : val::null();
}

std::string Page::importStartupFile(const val& bytes) {
    return act([&] { files_.replaceFile(startupFilePath({}), bytesOf(bytes)); });
}

}  // namespace huewright
