#include "cli/form_flags.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_checks.h"
#include "generator/colour_list.h"

namespace huewright {

namespace {

constexpr const char* kGroup = "Output form";

// Every form, in the order of the generator's table of their names.
constexpr auto kAllForms = [] {
    std::array<OutputForm, std::size(kOutputForms)> forms{};
    for (std::size_t i = 0; i < forms.size(); ++i) {
        forms[i] = kOutputForms[i].form;
    }
    return forms;
}();

// A flag that takes one of the names `nameOf` gives the enumerators `all`.
template <typename Value, std::size_t N>
void addChoice(CLI::App& app, const std::string& flag, const std::array<Value, N>& all,
               std::string_view (*nameOf)(Value), std::optional<Value>& target,
               const std::string& help) {
    std::vector<std::string> names;
    names.reserve(N);
    for (const Value value : all) {
        names.emplace_back(nameOf(value));
    }
    app.add_option_function<std::string>(
           flag,
           [&target, all, nameOf, flag, check = oneOf(names)](std::string chosen) {
               requireValid(check, flag, chosen);
               for (const Value value : all) {
                   if (chosen == nameOf(value)) {
                       target = value;
                   }
               }
           },
           help + " (default: " + names.front() + ")")
        ->type_name("NAME")
        ->check(choiceList(names))
        ->group(kGroup);
}

// "--flag" and "--no-flag", the last given winning.
void addSwitch(CLI::App& app, const std::string& name, std::optional<bool>& target,
               const std::string& help) {
    app.add_flag_function(
           "--" + name + ",!--no-" + name, [&target](std::int64_t count) { target = count > 0; },
           help)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->group(kGroup);
}

}  // namespace

void addFormFlags(CLI::App& app, FormChoices& choices) {
    addChoice(app, "--format", kAllForms, formName, choices.form,
              "font (FONT tags, as the window makes them), span (HTML5), bbcode (forums), ansi "
              "(terminal colours), or for game chat minimessage (<#rrggbb> tags), ampersand "
              "(&#RRGGBB codes) or json (text components); all but font take any Unicode text "
              "and colour each user-perceived character as one when the encoding is utf-8");
    addSwitch(app, "merge-runs", choices.mergeRuns,
              "give neighbouring characters of the same colour and size one tag (default: "
              "--no-merge-runs)");
    app.add_option_function<std::string>(
           "--colours",
           [&choices](const std::string& list) {
               ColourListRead read = parseColourList(list);
               if (!read.problem.empty()) {
                   throw CLI::ValidationError("--colours", read.problem);
               }
               choices.stops = std::move(read.stops);
           },
           "run through these 2 to 16 colours instead of the start, middle and end colours, the "
           "text split into one segment fewer (default: the start and end colours)")
        ->type_name("C1,C2,...")
        ->group(kGroup);
    addSwitch(app, "exact-ends", choices.exactEnds,
              "end every segment exactly on its colour, where the window's steps may stop one "
              "short (default: --no-exact-ends)");
    addChoice(app, "--blend", std::array{Blend::Rgb, Blend::Oklab, Blend::Oklch}, blendName,
              choices.blend,
              "blend the colours in sRGB by the window's exact steps, or in the perceptual OKLab "
              "or OKLCh space");
}

}  // namespace huewright
