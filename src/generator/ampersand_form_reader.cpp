// Reads an ampersand fragment: a colour code before each character or run, and after each the
// same style codes, since a colour code ends the styles before it.
#include <array>

#include "generator/fragment_parts.h"

namespace huewright {

namespace {

constexpr std::array<std::pair<bool GradationSettings::*, std::string_view>, 4> kAmpersandStyles = {
    {{&GradationSettings::bold, "&l"},
     {&GradationSettings::italic, "&o"},
     {&GradationSettings::underline, "&n"},
     {&GradationSettings::strike, "&m"}}};

}  // namespace

FragmentParts readAmpersandParts(std::string_view fragment, TextEncoding encoding) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    std::string styles;
    while (c.take("&#")) {
        FragmentRun run{{}, c.colour("a character's colour"), 0};
        // The first run's codes are the styles; every later run repeats them. A text never
        // starts with a style code: merged runs refuse one, and a single "&" is followed by the
        // next colour code.
        if (parts.runs.empty()) {
            for (const auto& [style, code] : kAmpersandStyles) {
                s.*style = c.take(code);
                styles += s.*style ? code : "";
            }
        } else {
            c.expect({styles}, "the styles' codes");
        }
        // Neither a colour code nor a line end is ever text, so either ends it.
        const std::string_view rest = c.rest();
        run.characters = rest.substr(0, std::min(rest.find("&#"), rest.find('\n')));
        c.expect({run.characters}, "a character");
        parts.add(c, std::move(run));
    }
    if (parts.runs.empty()) {
        c.fail("a character's colour code");
    }
    s.lineBreak = c.lineBreakAndEnd("\n");
    return parts;
}

}  // namespace huewright
