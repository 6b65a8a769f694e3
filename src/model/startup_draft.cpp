#include "model/startup_draft.h"

#include <algorithm>
#include <utility>

#include "model/main_window_model.h"

namespace huewright {
namespace {

using S = SettingsControl;

// The dialog's switches and the start-up switch each one edits.
constexpr std::pair<S, bool StartupSettings::*> kSwitches[] = {
    {S::UseSize, &StartupSettings::useSize},
    {S::UseFace, &StartupSettings::useFace},
    {S::LineBreak, &StartupSettings::lineBreak},
    {S::UpperCaseTags, &StartupSettings::upperCaseTags},
    {S::HashInColourCodes, &StartupSettings::hashInColourCodes},
};

// The items of the two tag-form groups.
struct TagItem {
    S control;
    TagForm form;
    int item;
};
constexpr TagItem kTagItems[] = {
    {S::BoldTag, TagForm::Bold, 0},
    {S::StrongTag, TagForm::Bold, 1},
    {S::ItalicTag, TagForm::Italic, 0},
    {S::EmphasisTag, TagForm::Italic, 1},
};

}  // namespace

std::optional<ColourSlot> colourSlotOf(SettingsControl control) {
    switch (control) {
        case S::StartPanel:
        case S::StartButton:
            return ColourSlot::Start;
        case S::MiddlePanel:
        case S::MiddleButton:
            return ColourSlot::Middle;
        case S::EndPanel:
        case S::EndButton:
            return ColourSlot::End;
        case S::BackgroundPanel:
        case S::BackgroundButton:
            return ColourSlot::Background;
        default:
            return std::nullopt;
    }
}

ColourValue StartupSettings::*StartupDraft::colourField(ColourSlot slot) {
    constexpr ColourValue StartupSettings::*kFields[] = {
        &StartupSettings::startColour, &StartupSettings::middleColour, &StartupSettings::endColour,
        &StartupSettings::backgroundColour};
    return kFields[static_cast<std::size_t>(slot)];
}

std::int32_t StartupSettings::*StartupDraft::field(TagForm form) {
    return form == TagForm::Bold ? &StartupSettings::boldTagForm : &StartupSettings::italicTagForm;
}

void StartupDraft::open(const StartupSettings& startup) {
    // The tag forms follow the groups' selections, not the start-up values themselves.
    const std::int32_t bold = values_.boldTagForm;
    const std::int32_t italic = values_.italicTagForm;
    values_ = startup;
    values_.boldTagForm = bold;
    values_.italicTagForm = italic;
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const std::int32_t value = startup.*field(form);
        if (value < 0) {
            selected_[index(form)].reset();
        } else {
            select(form, std::min(value, 1));
        }
    }
}

void StartupDraft::select(TagForm form, int item) {
    selected_[index(form)] = item;
    values_.*field(form) = item;
}

void StartupDraft::click(SettingsControl control) {
    for (const auto& [box, flag] : kSwitches) {
        if (box == control) {
            values_.*flag = !(values_.*flag);
        }
    }
    for (const TagItem& tag : kTagItems) {
        if (tag.control == control) {
            select(tag.form, tag.item);
        }
    }
}

void StartupDraft::takeCurrentColours(const MainWindowModel& window) {
    for (const ColourSlot slot : kAllColourSlots) {
        setColour(slot, window.colour(slot));
    }
}

std::vector<ShownControl> settingsDialogState(const StartupDraft& draft,
                                              const MainWindowModel& window) {
    std::vector<ShownControl> shown;
    for (const auto& [box, flag] : kSwitches) {
        shown.push_back({box, {.checked = draft.values().*flag}});
    }
    for (const TagItem& tag : kTagItems) {
        shown.push_back({tag.control, {.checked = draft.selectedItem(tag.form) == tag.item}});
    }
    for (const S panel : {S::StartPanel, S::MiddlePanel, S::EndPanel, S::BackgroundPanel}) {
        const ColourValue colour = draft.colour(*colourSlotOf(panel));
        shown.push_back({panel, {.colour = colour, .description = window.colourCode(colour)}});
    }
    return shown;
}

}  // namespace huewright
