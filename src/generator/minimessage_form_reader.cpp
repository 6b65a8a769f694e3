// Reads a minimessage fragment: the click that opens the link and the style tags around the
// whole, then a colour tag before each character or run. A backslash in the text or the link
// escapes the character after it.
#include <array>

#include "generator/fragment_parts.h"

namespace huewright {

namespace {

constexpr std::array<std::pair<bool GradationSettings::*, std::string_view>, 4> kMinimessageStyles =
    {{{&GradationSettings::bold, "b"},
      {&GradationSettings::italic, "i"},
      {&GradationSettings::underline, "u"},
      {&GradationSettings::strike, "st"}}};

// Text up to the first unescaped `end` (not taken), or to the fragment's end, with its escapes
// undone.
std::string escapedText(FragmentCursor& c, std::string_view end) {
    std::string text;
    while (!c.atEnd() && end.find(c.rest()[0]) == std::string_view::npos) {
        if (c.take("\\") && c.atEnd()) {
            c.fail("an escaped character");
        }
        text.append(c.unit());
    }
    return text;
}

}  // namespace

FragmentParts readMinimessageParts(std::string_view fragment, TextEncoding encoding) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    if (c.take("<click:open_url:'")) {
        s.link = true;
        s.linkTarget = escapedText(c, "'");
        c.expect({"'>"}, "the click's end");
    }
    for (const auto& [style, tag] : kMinimessageStyles) {
        s.*style = c.take({"<", tag, ">"});
    }
    while (c.take("<#")) {
        FragmentRun run{{}, c.colour("a character's colour"), 0};
        c.expect({">"}, "a colour tag's end");
        // A line end is never text, where controls are refused: it is the line break.
        run.characters = escapedText(c, "<\n");
        parts.add(c, std::move(run));
    }
    if (parts.runs.empty()) {
        c.fail("a character's colour tag");
    }
    for (auto style = kMinimessageStyles.rbegin(); style != kMinimessageStyles.rend(); ++style) {
        if (s.*(style->first)) {
            c.expect({"</", style->second, ">"}, "a style's close");
        }
    }
    if (s.link) {
        c.expect({"</click>"}, "the click's close");
    }
    s.lineBreak = c.lineBreakAndEnd("\n");
    return parts;
}

}  // namespace huewright
