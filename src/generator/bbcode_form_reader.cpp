// Reads a bbcode fragment: [url], [font], [size] and the style tags around the whole, then a
// [color] tag per character or run, each inside its own [size] while sizes go by character.
// A "[" of the text ends its colour tag, which opens again at once in the same colour.
#include <algorithm>
#include <array>

#include "generator/fragment_parts.h"

namespace huewright {

namespace {

// The link's address with the percent forms the writer gives brackets, blanks and quotes undone.
std::string decodeAddress(std::string_view written, TextEncoding encoding) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kForms = {
        {{"%5B", "["}, {"%5D", "]"}, {"%20", " "}, {"%22", "\""}}};
    std::string address;
    FragmentCursor c(written, encoding);
    while (!c.atEnd()) {
        const auto form = std::find_if(kForms.begin(), kForms.end(),
                                       [&](const auto& f) { return c.take(f.first); });
        address.append(form != kForms.end() ? form->second : c.unit());
    }
    return address;
}

int sizeTag(FragmentCursor& c, std::string_view what) {
    const std::string_view rest = c.rest();
    if (rest.size() < 8 || !rest.starts_with("[size=") || rest[6] < '1' || rest[6] > '7' ||
        rest[7] != ']') {
        c.fail(what);
    }
    c.expect({rest.substr(0, 8)}, what);
    return rest[6] - '0';
}

constexpr std::array<std::pair<bool GradationSettings::*, std::string_view>, 4> kBbcodeStyles = {
    {{&GradationSettings::bold, "b"},
     {&GradationSettings::italic, "i"},
     {&GradationSettings::underline, "u"},
     {&GradationSettings::strike, "s"}}};

// One run: its colour tag and text, and the same colour tag again after each "[" of the text.
FragmentRun readBbcodeRun(FragmentCursor& c, bool sized) {
    FragmentRun run{{}, 0, sized ? sizeTag(c, "a character's size") : 0};
    c.expect({"[color=#"}, "a character's colour");
    run.colour = c.colour("a character's colour");
    c.expect({"]"}, "a colour tag's end");
    std::string reopened = "[color=#000000]";
    writeColourCode(reopened.data() + 8, run.colour, true);
    do {
        run.characters += c.until("[/color]", "a colour tag's close");
    } while (c.take(reopened));
    if (sized) {
        c.expect({"[/size]"}, "a character's size to close");
    }
    return run;
}

// The fragment read with a [size] around the whole, or, without one, with sizes by character
// where the first run has one. The two read the same start differently, so each is tried.
FragmentParts readBbcodeWith(std::string_view fragment, TextEncoding encoding, bool sizeAround) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    if (c.take("[url=")) {
        s.link = true;
        s.linkTarget = decodeAddress(c.until("]", "the link's end"), encoding);
    }
    if (c.take("[font=")) {
        s.useFace = true;
        s.faceName = c.until("]", "the face's end");
    }
    if (sizeAround) {
        s.useSize = true;
        s.size = sizeTag(c, "the size");
    }
    for (const auto& [style, name] : kBbcodeStyles) {
        s.*style = c.take({"[", name, "]"});
    }
    s.sizePattern = !sizeAround && c.rest().starts_with("[size=");
    do {
        parts.add(c, readBbcodeRun(c, s.sizePattern));
    } while (c.rest().starts_with(s.sizePattern ? "[size=" : "[color=#"));
    for (auto style = kBbcodeStyles.rbegin(); style != kBbcodeStyles.rend(); ++style) {
        if (s.*(style->first)) {
            c.expect({"[/", style->second, "]"}, "a style's close");
        }
    }
    c.close(sizeAround, "[/size]");
    c.close(s.useFace, "[/font]");
    c.close(s.link, "[/url]");
    s.lineBreak = c.lineBreakAndEnd("\n");
    return parts;
}

}  // namespace

FragmentParts readBbcodeParts(std::string_view fragment, TextEncoding encoding) {
    try {
        return readBbcodeWith(fragment, encoding, true);
    } catch (const ReadStop& around) {
        try {
            return readBbcodeWith(fragment, encoding, false);
        } catch (const ReadStop& byCharacter) {
            throw around.at > byCharacter.at ? around : byCharacter;
        }
    }
}

}  // namespace huewright
