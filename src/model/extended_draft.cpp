#include "model/extended_draft.h"

#include <algorithm>
#include <string_view>

#include "generator/characters.h"
#include "generator/colour_list.h"
#include "generator/progression.h"

namespace huewright {

namespace {

using E = ExtendedControl;

struct Preset {
    ExtendedControl button;
    std::string_view stops;
};
constexpr Preset kPresets[] = {
    {E::Rainbow, "#FF0000,#FF8000,#FFFF00,#00FF00,#0000FF,#4B0082,#8B00FF"},
    {E::Sunset, "#3A1C71,#D76D77,#FFAF7B"},
    {E::Ocean, "#001F54,#0A75AD,#5FD3F3"},
    {E::Pastel, "#FFB3BA,#FFDFBA,#FFFFBA,#BAFFC9,#BAE1FF"},
    {E::Monochrome, "#000000,#FFFFFF"},
};

struct BlendButton {
    ExtendedControl button;
    Blend blend;
};
constexpr BlendButton kBlends[] = {
    {E::Rgb, Blend::Rgb}, {E::Oklab, Blend::Oklab}, {E::Oklch, Blend::Oklch}};

}  // namespace

void ExtendedDraft::open(const ColourOptions& options, std::vector<ColourValue> windowStops) {
    options_ = options;
    windowStops_ = std::move(windowStops);
    text_ = options.stops.empty() ? std::string() : colourListText(options.stops);
}

std::optional<std::vector<ColourValue>> ExtendedDraft::stops() const {
    if (text_.find_first_not_of(' ') == std::string::npos) {
        return windowStops_;
    }
    ColourListRead read = parseColourList(text_);
    if (!read.problem.empty()) {
        return std::nullopt;
    }
    return std::move(read.stops);
}

void ExtendedDraft::setStops(const std::vector<ColourValue>& stops) {
    text_ = colourListText(stops);
}

void ExtendedDraft::click(ExtendedControl control) {
    for (const Preset& preset : kPresets) {
        if (preset.button == control) {
            text_ = preset.stops;
        }
    }
    for (const BlendButton& choice : kBlends) {
        if (choice.button == control) {
            options_.blend = choice.blend;
        }
    }
    std::optional<std::vector<ColourValue>> now = stops();
    switch (control) {
        case E::RemoveStop:
            if (now && now->size() > 2) {
                now->pop_back();
                setStops(*now);
            }
            break;
        case E::Reverse:
            if (now) {
                std::reverse(now->begin(), now->end());
                setStops(*now);
            }
            break;
        case E::ExactEnds:
            options_.exactEnds = !options_.exactEnds;
            break;
        case E::MergeRuns:
            options_.mergeRuns = !options_.mergeRuns;
            break;
        case E::Reset:
            options_ = ColourOptions{};
            text_.clear();
            break;
        default:
            break;
    }
}

void ExtendedDraft::addStop(ColourValue colour) {
    if (std::optional<std::vector<ColourValue>> now = stops(); now && now->size() < kMostStops) {
        now->push_back(colour);
        setStops(*now);
    }
}

ColourOptions ExtendedDraft::values() const {
    ColourOptions values = options_;
    values.stops.clear();
    if (text_.find_first_not_of(' ') != std::string::npos) {
        ColourListRead read = parseColourList(text_);
        if (!read.problem.empty()) {
            throw StopListError(read.problem);
        }
        values.stops = std::move(read.stops);
    }
    return values;
}

std::vector<ColourValue> ExtendedDraft::stripColours(int width) const {
    const std::optional<std::vector<ColourValue>> now = stops();
    std::vector<ColourValue> colours;
    if (!now || now->size() < 2 || width <= 0) {
        return colours;
    }
    GradationSettings strip;
    strip.text.assign(static_cast<std::size_t>(width), 'a');
    const ColourPlan plan{*now, options_.blend, options_.exactEnds};
    forEachCharacter(strip, plan, Cp932Characters{},
                     [&](std::string_view, ColourValue colour, int) { colours.push_back(colour); });
    return colours;
}

std::vector<ShownControl> extendedDialogState(const ExtendedDraft& draft) {
    const std::optional<std::vector<ColourValue>> stops = draft.stops();
    const std::size_t count = stops ? stops->size() : 0;
    std::vector<ShownControl> shown{
        {E::Stops, {.text = draft.stopsText()}},
        {E::AddStop, {.enabled = stops && count < kMostStops}},
        {E::RemoveStop, {.enabled = count > 2}},
        {E::Reverse, {.enabled = stops.has_value()}},
        // Only the steps of sRGB can stop short of a stop; the other blends always reach it.
        {E::ExactEnds, {.checked = draft.exactEnds(), .enabled = draft.blend() == Blend::Rgb}},
        {E::MergeRuns, {.checked = draft.mergeRuns()}},
    };
    for (const BlendButton& choice : kBlends) {
        shown.push_back({choice.button, {.checked = draft.blend() == choice.blend}});
    }
    return shown;
}

}  // namespace huewright
