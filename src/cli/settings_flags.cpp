#include "cli/settings_flags.h"

#include <string>
#include <vector>

#include "cli/argument_checks.h"
#include "cli/colour_argument.h"
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

// Sets a text field from `utf8`, converted to code page 932 unless texts stay UTF-8.
std::function<void(GradationSettings&, bool)> textSetter(std::string GradationSettings::*member,
                                                         const std::string& utf8,
                                                         const std::string& source) {
    return [=](GradationSettings& s, bool utf8Texts) {
        if (utf8Texts) {
            s.*member = utf8;
            return;
        }
        try {
            s.*member = utf8ToCp932(utf8);
        } catch (const ConversionError& e) {
            throw UsageError(source + ": " + e.what());
        }
    };
}

// Registers the flag of one field; `store` keeps the setter that a given flag makes.
class FlagMaker {
  public:
    using Setter = std::function<void(GradationSettings&, bool)>;

    FlagMaker(CLI::App& app, const GradationField& field, Setter& store)
        : app_(app), field_(field), store_(store) {}

    template <typename Item>
    void operator()(const Binding<bool, Item>& binding) {
        const bool on = defaults_.*binding.member;
        addSwitch(on, [member = binding.member](bool value) {
            return [=](GradationSettings& s, bool) { s.*member = value; };
        });
    }

    void operator()(const Binding<GradationMode, ModeGroup>& binding) {
        const bool on = defaults_.*binding.member == GradationMode::Alternate;
        addSwitch(on, [member = binding.member](bool value) {
            return [=](GradationSettings& s, bool) {
                s.*member = value ? GradationMode::Alternate : GradationMode::Gradient;
            };
        });
    }

    void operator()(const Binding<ColourValue, ColourSlot>& binding) {
        app_.add_option_function<std::string>(
                name(),
                [&store = store_, member = binding.member, flag = name()](std::string code) {
                    requireValid(colourCode(), flag, code);
                    store = [member, colour = *parseColourCode(code)](GradationSettings& s, bool) {
                        s.*member = colour;
                    };
                },
                help() + defaultValue(colourCodeOf(defaults_.*binding.member)))
            ->type_name("CODE")
            ->group(group());
    }

    void operator()(const Binding<int, SpinField>& binding) {
        const SpinRange range = rangeOf(binding.item);
        app_.add_option_function<std::string>(
                name(),
                [&store = store_, member = binding.member, flag = name(), range](std::string text) {
                    requireValid(wholeNumberIn(range.minimum, range.maximum), flag, text);
                    store = [member, value = std::stoi(text)](GradationSettings& s, bool) {
                        s.*member = value;
                    };
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
                [&store = store_, member = binding.member, flag](std::string text) {
                    requireValid(utf8Text(), flag, text);
                    store = textSetter(member, text, flag);
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
                [&store = store_, member = binding.member, flag = name(),
                 check = oneOf(std::move(names))](std::string chosen) {
                    requireValid(check, flag, chosen);
                    for (const auto& [kindName, kind] : kPatternKinds) {
                        if (chosen == kindName) {
                            store = [member, kind = kind](GradationSettings& s, bool) {
                                s.*member = kind;
                            };
                        }
                    }
                },
                help() + defaultValue(patternKindName(defaults_.*binding.member)))
            ->type_name("KIND")
            ->group(group());
    }

  private:
    static std::string typeNameOfText(LineEdit) { return "URL"; }
    static std::string typeNameOfText(FaceNameBox) { return "NAME"; }

    std::string name() const { return "--" + std::string(field_.flag); }
    std::string help() const { return std::string(field_.help); }
    const char* group() const { return kGroupNames[static_cast<int>(field_.group)]; }

    // "--bold,!--no-bold": the flag and its negation, which CLI11 reports as a count below 1.
    template <typename MakeSetter>
    void addSwitch(bool on, MakeSetter makeSetter) {
        const std::string names = name() + ",!--" + std::string(field_.negation);
        const std::string inForce = on ? name() : "--" + std::string(field_.negation);
        // A flag function runs only for a flag that is given; flag functions sum their
        // occurrences unless told to take the last.
        app_.add_flag_function(
                names,
                [&store = store_, makeSetter](std::int64_t count) {
                    store = makeSetter(count > 0);
                },
                help() + " (default: " + inForce + ")")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
            ->group(group());
    }

    CLI::App& app_;
    const GradationField& field_;
    Setter& store_;
    const GradationSettings defaults_{};
};

}  // namespace

bool SettingsOverrides::sets(const std::string GradationSettings::*member) const {
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        const auto* binding =
            std::get_if<Binding<std::string, LineEdit>>(&kGradationFields[i].binding);
        const auto* face =
            std::get_if<Binding<std::string, FaceNameBox>>(&kGradationFields[i].binding);
        if (((binding != nullptr && binding->member == member) ||
             (face != nullptr && face->member == member)) &&
            setters_[i]) {
            return true;
        }
    }
    return false;
}

void SettingsOverrides::setText(const std::string& utf8, const std::string& source) {
    setters_[kTextField] = textSetter(&GradationSettings::text, utf8, source);
}

void SettingsOverrides::applyTo(GradationSettings& settings, bool utf8Texts) const {
    for (const Setter& set : setters_) {
        if (set) {
            set(settings, utf8Texts);
        }
    }
}

void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides) {
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        std::visit(FlagMaker(app, kGradationFields[i], overrides.setters_[i]),
                   kGradationFields[i].binding);
    }
}

}  // namespace huewright
