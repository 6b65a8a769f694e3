#include "model/main_window_state.h"

#include "model/entry_rules.h"
#include "model/layout.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/utf8.h"

namespace huewright {

std::optional<ColourSlot> colourSlotOf(Button button) {
    switch (button) {
        case Button::StartColour:
            return ColourSlot::Start;
        case Button::MiddleColour:
            return ColourSlot::Middle;
        case Button::EndColour:
            return ColourSlot::End;
        case Button::BackgroundColour:
            return ColourSlot::Background;
        default:
            return std::nullopt;
    }
}

std::optional<ColourSlot> colourSlotOf(WindowPart part) {
    switch (part) {
        case WindowPart::StartColour:
            return ColourSlot::Start;
        case WindowPart::MiddleColour:
            return ColourSlot::Middle;
        case WindowPart::EndColour:
            return ColourSlot::End;
        default:
            return std::nullopt;
    }
}

namespace {

// The first `bytes` bytes of code page 932 `text`, or fewer: a character is not split.
std::string_view cp932Beginning(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) {
        return text;
    }
    std::size_t end = 0;
    while (end < text.size() && end + characterLengthAt(text, end) <= bytes) {
        end += characterLengthAt(text, end);
    }
    return text.substr(0, end);
}

}  // namespace

std::string markupUtf8(const MainWindowModel& model, std::size_t bytes) {
    return model.markupEncoding() == TextEncoding::Cp932
               ? cp932ToUtf8Lenient(cp932Beginning(model.markup(), bytes))
               : std::string(utf8Beginning(model.markup(), bytes));
}

std::vector<ShownControl> mainWindowState(const MainWindowModel& model, std::size_t markupShown) {
    std::vector<ShownControl> shown;
    const auto add = [&](Control control, ControlState state) {
        shown.push_back({control, std::move(state)});
    };
    // The text to colour shows twice, in its box and as the preview's description.
    const std::string text = model.textUtf8();
    for (const LineEdit edit : kAllLineEdits) {
        add(edit, {.text = edit == LineEdit::Text ? text : cp932ToUtf8Lenient(model.text(edit)),
                   .enabled = model.enabled(edit)});
    }
    add(WindowPart::FaceName, {.text = cp932ToUtf8Lenient(model.faceNameText())});
    for (const CheckBox box : kAllCheckBoxes) {
        add(box, {.checked = model.checked(box), .enabled = model.enabled(box)});
    }
    for (const RadioButton button : kAllRadioButtons) {
        add(button, {.checked = model.checked(button), .enabled = model.enabled(button)});
    }
    for (const SpinField spin : kAllSpinFields) {
        add(spin, {.text = model.spinText(spin),
                   .enabled = model.enabled(spin),
                   .value = model.spinValue(spin)});
    }
    for (const Button button : kAllButtons) {
        add(button, {.enabled = model.enabled(button)});
    }
    for (const WindowPart part : kAllWindowParts) {
        if (const std::optional<ColourSlot> slot = colourSlotOf(part)) {
            const ColourValue colour = model.colour(*slot);
            add(part, {.colour = colour, .description = model.colourCode(colour)});
        }
    }
    for (const auto& [item, form] : kOutputFormItems) {
        add(item, {.checked = model.outputForm() == form});
    }
    const auto made = static_cast<std::uint64_t>(model.regenerationCount());
    add(WindowPart::Markup, {.text = markupUtf8(model, markupShown), .made = made});
    // The length counts the fragment's bytes: in code page 932 a double-byte character counts 2.
    const std::size_t bytes = model.markup().size();
    add(WindowPart::Length, {.text = lengthText(bytes), .value = static_cast<int>(bytes)});
    // A screen reader hears the preview described by the text it shows.
    add(WindowPart::Preview, {.description = text, .made = made});
    return shown;
}

}  // namespace huewright
