#include "cli/settings_flags.h"

#include <string>
#include <vector>

#include "cli/argument_checks.h"
#include "generator/colour_list.h"
#include "text/cp932.h"
#include "text/decimal.h"

namespace huewright {
namespace {

constexpr const char* kGroupNames[] = {"Text and colours", "Tags", "Size pattern", "Frame and link",
                                       "Markup form"};

struct PatternKindName {
    const char* name;
    SizePatternKind kind;
};

constexpr PatternKindName kPatternKinds[] = {
    {"falling", SizePatternKind::Falling},
    {"valley", SizePatternKind::Valley},
    {"alternating", SizePatternKind::Alternating},
    {"none", SizePatternKind::None},
};

std::string defaultValue(const std::string& value) {
    return " (default: " + value + ")";
}

std::string colourCodeOf(ColourValue colour) {
    std::string code = "#";
    appendColourCode(code, colour, true);
    return code;
}

const char* patternKindName(SizePatternKind kind) {
    for (const auto& [name, candidate] : kPatternKinds) {
        if (candidate == kind) {
            return name;
        }
    }
    return "";
}

// Registers the flag of one field; `store` keeps the value a given flag brings.
class FlagMaker {
  public:
    FlagMaker(CLI::App& app, const GradationField& field, std::optional<FieldValue>& store)
        : app_(app), field_(field), store_(store) {}

    template <typename Item>
    void operator()(const Binding<bool, Item>& binding) {
        addSwitch(defaults_.*binding.member, [](bool on) { return FieldValue(on); });
    }

    void operator()(const Binding<GradationMode, ModeGroup>& binding) {
        addSwitch(defaults_.*binding.member == GradationMode::Alternate, [](bool on) {
            return FieldValue(on ? GradationMode::Alternate : GradationMode::Gradient);
        });
    }

    void operator()(const Binding<ColourValue, ColourSlot>& binding) {
        app_.add_option_function<std::string>(
                name(),
                [&store = store_, flag = name()](std::string code) {
                    requireValid(colourCode(), flag, code);
                    store = *parseColourCode(code);
                },
                help() + defaultValue(colourCodeOf(defaults_.*binding.member)))
            ->type_name("CODE")
            ->group(group());
    }

    void operator()(const Binding<int, SpinField>& binding) {
        const SpinRange range = rangeOf(binding.item);
        app_.add_option_function<std::string>(
                name(),
                [&store = store_, flag = name(), range](std::string text) {
                    requireValid(wholeNumberIn(range.minimum, range.maximum), flag, text);
                    store = std::stoi(text);
                },
                help() + ", " + decimal(range.minimum) + " to " + decimal(range.maximum) +
                    defaultValue(decimal(defaults_.*binding.member)))
            ->type_name("N")
            ->group(group());
    }

    template <typename Item>
    void operator()(const Binding<std::string, Item>& binding) {
        const bool positional = field_.flag.empty();
        const std::string shown =
            positional ? "" : defaultValue(cp932ToUtf8(defaults_.*binding.member));
        const std::string flag = positional ? "text" : name();
        app_.add_option_function<std::string>(
                flag,
                [&store = store_, flag](std::string text) {
                    requireValid(utf8Text(), flag, text);
                    store = std::move(text);
                },
                help() + shown)
            ->type_name(positional ? "TEXT" : typeNameOfText(binding.item))
            ->group(group());
    }

    void operator()(const Binding<SizePatternKind, PatternGroup>& binding) {
        std::vector<std::string> names;
        for (const auto& kind : kPatternKinds) {
            names.emplace_back(kind.name);
        }
        app_.add_option_function<std::string>(
                name(),
                [&store = store_, flag = name(), check = oneOf(names)](std::string chosen) {
                    requireValid(check, flag, chosen);
                    for (const auto& [kindName, kind] : kPatternKinds) {
                        if (chosen == kindName) {
                            store = kind;
                        }
                    }
                },
                help() + defaultValue(patternKindName(defaults_.*binding.member)))
            ->type_name("KIND")
            ->check(choiceList(names))
            ->group(group());
    }

  private:
    static std::string typeNameOfText(LineEdit) { return "URL"; }
    static std::string typeNameOfText(FaceNameBox) { return "NAME"; }

    std::string name() const { return "--" + std::string(field_.flag); }
    std::string help() const { return std::string(field_.help); }
    const char* group() const { return kGroupNames[static_cast<int>(field_.group)]; }

    // "--bold,!--no-bold": the flag and its negation, which CLI11 reports as a count below 1.
    template <typename ValueOf>
    void addSwitch(bool on, ValueOf valueOf) {
        const std::string negation = "--" + std::string(field_.negation);
        const std::string inForce = on ? name() : negation;
        // A flag function runs only for a flag that is given; flag functions sum their
        // occurrences unless told to take the last.
        app_.add_flag_function(
                name() + ",!" + negation,
                [&store = store_, valueOf](std::int64_t count) { store = valueOf(count > 0); },
                help() + " (default: " + inForce + ")")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
            ->group(group());
    }

    CLI::App& app_;
    const GradationField& field_;
    std::optional<FieldValue>& store_;
    const GradationSettings defaults_{};
};

}  // namespace

void addSettingsFlags(CLI::App& app,
                      std::array<std::optional<FieldValue>, kGradationFields.size()>& fields) {
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        std::visit(FlagMaker(app, kGradationFields[i], fields[i]), kGradationFields[i].binding);
    }
}

std::string flagOf(std::size_t index) {
    const std::string_view flag = kGradationFields[index].flag;
    return flag.empty() ? "text" : "--" + std::string(flag);
}

}  // namespace huewright
