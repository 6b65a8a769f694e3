#include "cli/settings_flags.h"

#include <charconv>
#include <string>
#include <vector>

#include "cli/argument_checks.h"
#include "cli/colour_argument.h"
#include "text/cp932.h"

namespace huewright {
namespace {

constexpr const char* kColours = "Text and colours";
constexpr const char* kTags = "Tags";
constexpr const char* kPattern = "Size pattern";
constexpr const char* kFrameAndLink = "Frame and link";
constexpr const char* kForm = "Markup form";

// " (default: --no-bold)": names the form that is in force without the flag.
std::string defaultForm(const std::string& names, bool on) {
    const auto comma = names.find(",!");
    return " (default: " + (on ? names.substr(0, comma) : names.substr(comma + 2)) + ")";
}

std::string defaultValue(const std::string& value) {
    return " (default: " + value + ")";
}

std::string decimal(int value) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

std::string colourCodeOf(ColorValue colour) {
    std::string code = "#";
    appendColourCode(code, colour, true);
    return code;
}

void addSwitch(CLI::App& app, const std::string& names, std::optional<bool>& target, bool on,
               const std::string& help, const char* group) {
    // A flag bound to the variable would be assigned even when absent; a function only runs
    // for a flag that is given. Flag functions sum their occurrences unless told otherwise.
    app.add_flag_function(
           names, [&target](std::int64_t count) { target = count > 0; },
           help + defaultForm(names, on))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->group(group);
}

void addColour(CLI::App& app, const std::string& name, std::optional<ColorValue>& target,
               ColorValue colour, const std::string& help) {
    app.add_option_function<std::string>(
           name, [&target](const std::string& code) { target = parseColourCode(code); },
           help + defaultValue(colourCodeOf(colour)))
        ->type_name("CODE")
        ->check(colourCode())
        ->group(kColours);
}

void addNumber(CLI::App& app, const std::string& name, std::optional<int>& target, int lowest,
               int highest, int value, const std::string& help, const char* group) {
    app.add_option(
           name, target,
           help + ", " + decimal(lowest) + " to " + decimal(highest) + defaultValue(decimal(value)))
        ->type_name("N")
        ->check(wholeNumberIn(lowest, highest))
        ->group(group);
}

void addText(CLI::App& app, const std::string& name, std::optional<std::string>& target,
             const std::string& typeName, const std::string& help, const char* group) {
    app.add_option(name, target, help)
        ->type_name(typeName)
        ->transform(codePage932Text())
        ->group(group);
}

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

template <typename Field>
void apply(const std::optional<Field>& override, Field& field) {
    if (override) {
        field = *override;
    }
}

}  // namespace

void addSettingsFlags(CLI::App& app, SettingsOverrides& o) {
    const GradationSettings d;

    addText(app, "text", o.Text, "TEXT",
            "the text to colour; read from standard input when absent, one trailing line end "
            "removed; put -- before a text that begins with -",
            kColours);
    addColour(app, "--start-colour", o.StartColor, d.StartColor, "colour of the first character");
    addColour(app, "--middle-colour", o.MiddleColor, d.MiddleColor,
              "colour in the middle with --three-colours");
    addColour(app, "--end-colour", o.EndColor, d.EndColor, "colour of the last character");
    addColour(app, "--background-colour", o.BackgroundColor, d.BackgroundColor,
              "background colour of the frame");
    addSwitch(app, "--three-colours,!--two-colours", o.ThreeColours, d.ThreeColours,
              "run from the start through the middle to the end colour, or from start to end",
              kColours);
    const std::string modeNames = "--alternate,!--gradient";
    app.add_flag_function(
           modeNames,
           [&o](std::int64_t count) {
               o.Mode = count > 0 ? GradationMode::Alternate : GradationMode::Gradient;
           },
           "alternate the colours character by character, or blend them" +
               defaultForm(modeNames, d.Mode == GradationMode::Alternate))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->group(kColours);

    addSwitch(app, "--face,!--no-face", o.UseFace, d.UseFace,
              "wrap the text in a FONT tag with a FACE", kTags);
    addText(app, "--face-name", o.FaceName, "NAME",
            "the FACE, as given" + defaultValue(cp932ToUtf8(d.FaceName)), kTags);
    addSwitch(app, "--size,!--no-size", o.UseSize, d.UseSize,
              "give the wrapping FONT tag a SIZE while the size pattern is off", kTags);
    addNumber(app, "--size-value", o.Size, 1, 7, d.Size, "the SIZE", kTags);
    addSwitch(app, "--bold,!--no-bold", o.Bold, d.Bold, "bold", kTags);
    addSwitch(app, "--italic,!--no-italic", o.Italic, d.Italic, "italic", kTags);
    addSwitch(app, "--underline,!--no-underline", o.Underline, d.Underline, "underline", kTags);
    addSwitch(app, "--strike,!--no-strike", o.Strike, d.Strike, "strike-through", kTags);
    addSwitch(app, "--line-break,!--no-line-break", o.LineBreak, d.LineBreak, "end with a BR tag",
              kTags);

    addSwitch(app, "--size-pattern,!--no-size-pattern", o.SizePattern, d.SizePattern,
              "give every character its own SIZE", kPattern);
    std::vector<std::string> kindNames;
    std::string defaultKind;
    for (const auto& [name, kind] : kPatternKinds) {
        kindNames.emplace_back(name);
        if (kind == d.PatternKind) {
            defaultKind = name;
        }
    }
    app.add_option_function<std::string>(
           "--pattern-kind",
           [&o](const std::string& chosen) {
               for (const auto& [name, kind] : kPatternKinds) {
                   if (chosen == name) {
                       o.PatternKind = kind;
                   }
               }
           },
           "falling, valley, alternating, or none (every character gets the largest size)" +
               defaultValue(defaultKind))
        ->type_name("KIND")
        ->check(oneOf(std::move(kindNames)))
        ->group(kPattern);
    addNumber(app, "--pattern-max", o.PatternMax, 1, 7, d.PatternMax, "the largest size", kPattern);
    addNumber(app, "--pattern-min", o.PatternMin, 1, 7, d.PatternMin,
              "the smallest size (above the largest, the sizes rise)", kPattern);

    addSwitch(app, "--frame,!--no-frame", o.Frame, d.Frame, "put the text in a table cell",
              kFrameAndLink);
    addNumber(app, "--frame-width", o.FrameWidth, 0, 99, d.FrameWidth, "the table's BORDER",
              kFrameAndLink);
    addSwitch(app, "--frame-background,!--no-frame-background", o.FrameBackground,
              d.FrameBackground, "give the cell the background colour; needs --frame",
              kFrameAndLink);
    addSwitch(app, "--link,!--no-link", o.Link, d.Link, "wrap the text in a link", kFrameAndLink);
    addText(app, "--link-target", o.LinkTarget, "URL",
            "the link's HREF, as given" + defaultValue(cp932ToUtf8(d.LinkTarget)), kFrameAndLink);

    addSwitch(app, "--upper-case-tags,!--lower-case-tags", o.UpperCaseTags, d.UpperCaseTags,
              "tag names and colour codes in upper or in lower case", kForm);
    addSwitch(app, "--strong-for-bold,!--b-for-bold", o.StrongForBold, d.StrongForBold,
              "STRONG or B for bold", kForm);
    addSwitch(app, "--em-for-italic,!--i-for-italic", o.EmForItalic, d.EmForItalic,
              "EM or I for italic", kForm);
}

void applyOverrides(const SettingsOverrides& o, GradationSettings& s) {
    apply(o.Text, s.Text);
    apply(o.Mode, s.Mode);
    apply(o.ThreeColours, s.ThreeColours);
    apply(o.StartColor, s.StartColor);
    apply(o.MiddleColor, s.MiddleColor);
    apply(o.EndColor, s.EndColor);
    apply(o.BackgroundColor, s.BackgroundColor);
    apply(o.Frame, s.Frame);
    apply(o.FrameWidth, s.FrameWidth);
    apply(o.FrameBackground, s.FrameBackground);
    apply(o.Link, s.Link);
    apply(o.LinkTarget, s.LinkTarget);
    apply(o.UseFace, s.UseFace);
    apply(o.FaceName, s.FaceName);
    apply(o.UseSize, s.UseSize);
    apply(o.Size, s.Size);
    apply(o.Bold, s.Bold);
    apply(o.Italic, s.Italic);
    apply(o.Underline, s.Underline);
    apply(o.Strike, s.Strike);
    apply(o.LineBreak, s.LineBreak);
    apply(o.SizePattern, s.SizePattern);
    apply(o.PatternKind, s.PatternKind);
    apply(o.PatternMax, s.PatternMax);
    apply(o.PatternMin, s.PatternMin);
    apply(o.UpperCaseTags, s.UpperCaseTags);
    apply(o.StrongForBold, s.StrongForBold);
    apply(o.EmForItalic, s.EmForItalic);
}

}  // namespace huewright
