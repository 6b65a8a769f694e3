// Reads a json fragment: an array of text components, each with its text, its colour and the
// same styles and click, and a component of a line end last where the line breaks.
#include <array>

#include "generator/fragment_parts.h"

namespace huewright {

namespace {

constexpr std::array<std::pair<bool GradationSettings::*, std::string_view>, 4> kJsonStyles = {
    {{&GradationSettings::bold, ",\"bold\":true"},
     {&GradationSettings::italic, ",\"italic\":true"},
     {&GradationSettings::underline, ",\"underlined\":true"},
     {&GradationSettings::strike, ",\"strikethrough\":true"}}};

// A JSON string as the writer escapes it: the quotation mark, the backslash, the tab and, in
// UTF-8, the line and paragraph separators.
std::string jsonString(FragmentCursor& c) {
    c.expect({"\""}, "a string");
    std::string text;
    while (!c.take("\"")) {
        if (c.atEnd()) {
            c.fail("the string's end");
        }
        const bool escaped = c.take("\\");
        if (!escaped || c.rest().starts_with("\"") || c.rest().starts_with("\\")) {
            text.append(c.unit());
        } else if (c.take("t")) {
            text.push_back('\t');
        } else if (c.encoding() == TextEncoding::Utf8 && c.take("u2028")) {
            text.append("\xE2\x80\xA8");
        } else if (c.encoding() == TextEncoding::Utf8 && c.take("u2029")) {
            text.append("\xE2\x80\xA9");
        } else {
            c.fail("an escape the form writes");
        }
    }
    return text;
}

// What follows a component's colour: its styles and click, in the settings the first gave.
void readProperties(FragmentCursor& c, GradationSettings& s) {
    for (const auto& [style, property] : kJsonStyles) {
        s.*style = c.take(property);
    }
    s.link = c.take(",\"clickEvent\":{\"action\":\"open_url\",\"value\":");
    if (s.link) {
        s.linkTarget = jsonString(c);
        c.expect({"}"}, "the click's end");
    }
    c.expect({"}"}, "the component's end");
}

}  // namespace

FragmentParts readJsonParts(std::string_view fragment, TextEncoding encoding) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    c.expect({"["}, "the array");
    const std::string_view lineEnd = "{\"text\":\"\\n\"}";
    std::string_view properties;
    do {
        if (c.take(lineEnd)) {
            s.lineBreak = true;
            break;
        }
        c.expect({"{\"text\":"}, "a text component");
        FragmentRun run{jsonString(c), 0, 0};
        c.expect({",\"color\":\"#"}, "a component's colour");
        run.colour = c.colour("a component's colour");
        c.expect({"\""}, "the colour's end");
        // Every component carries the first one's styles and click.
        if (parts.runs.empty()) {
            const std::string_view before = c.rest();
            readProperties(c, s);
            properties = before.substr(0, before.size() - c.rest().size());
        } else {
            c.expect({properties}, "the first component's styles and click");
        }
        parts.add(c, std::move(run));
    } while (c.take(","));
    if (parts.runs.empty()) {
        c.fail("a text component");
    }
    c.expect({"]"}, "the array's end");
    if (!c.atEnd()) {
        c.fail("the fragment's end");
    }
    return parts;
}

}  // namespace huewright
