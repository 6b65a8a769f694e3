#include "cli/form_flags.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_checks.h"
#include "cli/colour_argument.h"
#include "text/decimal.h"

namespace huewright {

namespace {

constexpr const char* kGroup = "Output form";

template <typename Value>
struct Named {
    std::string_view name;
    Value value;
};

// The forms by the generator's names of them.
constexpr auto kForms = [] {
    std::array<Named<OutputForm>, std::size(kOutputForms)> forms{};
    for (std::size_t i = 0; i < forms.size(); ++i) {
        forms[i] = {kOutputForms[i].name, kOutputForms[i].form};
    }
    return forms;
}();
constexpr std::array<Named<Blend>, 3> kBlends = {
    {{"rgb", Blend::Rgb}, {"oklab", Blend::Oklab}, {"oklch", Blend::Oklch}}};

// A flag that takes one of `choices` by name.
template <typename Value, std::size_t N>
void addChoice(CLI::App& app, const std::string& flag, const std::array<Named<Value>, N>& choices,
               Value& target, const std::string& help) {
    std::vector<std::string> names;
    names.reserve(N);
    for (const auto& choice : choices) {
        names.emplace_back(choice.name);
    }
    app.add_option_function<std::string>(
           flag,
           [&target, &choices, flag, check = oneOf(names)](std::string chosen) {
               requireValid(check, flag, chosen);
               for (const auto& choice : choices) {
                   if (chosen == choice.name) {
                       target = choice.value;
                   }
               }
           },
           help + " (default: " + names.front() + ")")
        ->type_name("NAME")
        ->check(choiceList(names))
        ->group(kGroup);
}

// The stops of "C1,C2,...", or the reason there are none.
std::string parseStops(const std::string& list, std::vector<ColourValue>& stops) {
    stops.clear();
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t comma = std::min(list.find(',', at), list.size());
        const std::optional<ColourValue> colour =
            parseColourCode(std::string_view(list).substr(at, comma - at));
        if (!colour) {
            stops.clear();
            return "expected 2 to 16 colour codes (#RRGGBB or RRGGBB) separated by commas, "
                   "not \"" +
                   list + "\"";
        }
        stops.push_back(*colour);
        at = comma + 1;
    }
    if (stops.size() >= 2 && stops.size() <= kMostStops) {
        return {};
    }
    const std::size_t given = stops.size();
    stops.clear();
    return decimal(given) + (given == 1 ? " colour code" : " colour codes") +
           " given; a run takes 2 to 16";
}

}  // namespace

void addFormFlags(CLI::App& app, OutputOptions& options) {
    addChoice(app, "--format", kForms, options.form,
              "font (FONT tags, as the window makes them), span (HTML5), bbcode (forums) or "
              "ansi (terminal colours); span, bbcode and ansi take any Unicode text and colour "
              "each user-perceived character as one when the encoding is utf-8");
    app.add_flag("--merge-runs", options.mergeRuns,
                 "give neighbouring characters of the same colour and size one tag")
        ->group(kGroup);
    app.add_option_function<std::string>(
           "--colours",
           [&options](const std::string& list) {
               if (std::string problem = parseStops(list, options.stops); !problem.empty()) {
                   throw CLI::ValidationError("--colours", problem);
               }
           },
           "run through these 2 to 16 colours instead of the start, middle and end colours, the "
           "text split into one segment fewer (default: the start and end colours)")
        ->type_name("C1,C2,...")
        ->group(kGroup);
    app.add_flag("--exact-ends", options.exactEnds,
                 "end every segment exactly on its colour, where the window's steps may stop one "
                 "short")
        ->group(kGroup);
    addChoice(app, "--blend", kBlends, options.blend,
              "blend the colours in sRGB by the window's exact steps, or in the perceptual OKLab "
              "or OKLCh space");
}

}  // namespace huewright
