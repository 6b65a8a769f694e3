#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "generator/gradation_settings.h"
#include "persistence/startup_settings.h"

namespace huewright {

/// A start-up colour or switch and the field of GradationSettings that takes its value.
template <typename Value>
struct StartupValue {
    Value StartupSettings::*startup;
    Value GradationSettings::*field;
};
/// A tag form: the field is on when the start-up value is not 0.
struct StartupTagForm {
    std::int32_t StartupSettings::*startup;
    bool GradationSettings::*field;
};
using StartupField = std::variant<StartupValue<ColourValue>, StartupValue<bool>, StartupTagForm>;

/// The start-up values the window takes up once, when it starts, in this order: its current
/// colours, then the size, font and line-break check boxes.
inline constexpr std::array<StartupField, 7> kTakenUpAtStart{{
    StartupValue<ColourValue>{&StartupSettings::startColour, &GradationSettings::startColour},
    StartupValue<ColourValue>{&StartupSettings::middleColour, &GradationSettings::middleColour},
    StartupValue<ColourValue>{&StartupSettings::endColour, &GradationSettings::endColour},
    StartupValue<ColourValue>{&StartupSettings::backgroundColour,
                              &GradationSettings::backgroundColour},
    StartupValue<bool>{&StartupSettings::useSize, &GradationSettings::useSize},
    StartupValue<bool>{&StartupSettings::useFace, &GradationSettings::useFace},
    StartupValue<bool>{&StartupSettings::lineBreak, &GradationSettings::lineBreak},
}};

/// The start-up values every generator run reads afresh: the tag case and the tag forms.
inline constexpr std::array<StartupField, 3> kReadAtEachRun{{
    StartupValue<bool>{&StartupSettings::upperCaseTags, &GradationSettings::upperCaseTags},
    StartupTagForm{&StartupSettings::boldTagForm, &GradationSettings::strongForBold},
    StartupTagForm{&StartupSettings::italicTagForm, &GradationSettings::emForItalic},
}};

/// Gives `settings` the values of the start-up fields `fields` from `startup`.
template <std::size_t N>
void takeStartupValues(const std::array<StartupField, N>& fields, const StartupSettings& startup,
                       GradationSettings& settings) {
    for (const StartupField& field : fields) {
        std::visit(
            [&](const auto& f) {
                if constexpr (std::is_same_v<std::decay_t<decltype(f)>, StartupTagForm>) {
                    settings.*f.field = startup.*f.startup != 0;
                } else {
                    settings.*f.field = startup.*f.startup;
                }
            },
            field);
    }
}

/// `startup` with every value that `settings` describes; a tag form keeps its own value while it
/// still says STRONG or EM, and becomes 1 when it changes to them.
StartupSettings startupOf(const GradationSettings& settings, StartupSettings startup);

}  // namespace huewright
