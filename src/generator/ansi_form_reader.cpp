// Reads an ansi fragment: the styles' select graphic rendition, a 24-bit colour before each
// character or run, and the reset that ends it.
#include <array>

#include "generator/fragment_parts.h"

namespace huewright {

namespace {

constexpr std::string_view kAnsiColourHead = "\x1b[38;2;";
constexpr std::string_view kAnsiEscape = "\x1b[";

constexpr std::array<std::pair<bool GradationSettings::*, std::string_view>, 4> kAnsiStyles = {
    {{&GradationSettings::bold, "1"},
     {&GradationSettings::italic, "3"},
     {&GradationSettings::underline, "4"},
     {&GradationSettings::strike, "9"}}};

void readAnsiStyles(FragmentCursor& c, GradationSettings& s) {
    if (c.rest().starts_with(kAnsiColourHead) || !c.take(kAnsiEscape)) {
        return;
    }
    bool first = true;
    for (const auto& [style, code] : kAnsiStyles) {
        s.*style = c.take({first ? "" : ";", code});
        first = first && !(s.*style);
    }
    if (first) {
        c.fail("a style's code");
    }
    c.expect({"m"}, "the styles' end");
}

ColourValue ansiColour(FragmentCursor& c) {
    ColourValue value = 0;
    for (const int shift : {0, 8, 16}) {
        const int channel = c.number("a colour channel");
        if (channel < 0 || channel > 255) {
            c.fail("a colour channel of 0 to 255");
        }
        value |= static_cast<ColourValue>(channel) << shift;
        c.expect({shift == 16 ? "m" : ";"}, "a colour's end");
    }
    return value;
}

}  // namespace

FragmentParts readAnsiParts(std::string_view fragment, TextEncoding encoding) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    readAnsiStyles(c, s);
    while (c.take(kAnsiColourHead)) {
        FragmentRun run{{}, ansiColour(c), 0};
        // No text holds an escape: controls are refused there.
        const std::string_view rest = c.rest();
        run.characters = rest.substr(0, rest.find(kAnsiEscape));
        c.expect({run.characters}, "a character");
        parts.add(c, std::move(run));
    }
    if (parts.runs.empty()) {
        c.fail("a character's colour");
    }
    c.expect({"\x1b[0m"}, "the reset");
    s.lineBreak = c.lineBreakAndEnd("\n");
    return parts;
}

}  // namespace huewright
