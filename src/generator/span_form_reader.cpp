// Reads a span fragment: the table's styles give the frame, the wrapper's declarations the face,
// size and decoration, and each character's span its colour and size. The texts come back from
// their HTML escapes and the face from CSS's.
#include <algorithm>
#include <array>

#include "generator/fragment_parts.h"
#include "text/utf8.h"

namespace huewright {

namespace {

constexpr std::string_view kSpanRunHead = "<span style=\"color:#";

// The text of an attribute or an element with its escapes undone; a no-break space stands for a
// typed space.
std::string unescapeHtml(std::string_view escaped, TextEncoding encoding) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kEntities = {
        {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&nbsp;", ' '}}};
    std::string text;
    FragmentCursor c(escaped, encoding);
    while (!c.atEnd()) {
        const auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                         [&](const auto& e) { return c.take(e.first); });
        if (entity != kEntities.end()) {
            text.push_back(entity->second);
        } else {
            text.append(c.unit());
        }
    }
    return text;
}

int sizeOfKeyword(FragmentCursor& c) {
    // No keyword starts another.
    for (std::size_t i = 0; i < kCssSizeKeywords.size(); ++i) {
        if (c.take(kCssSizeKeywords[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    c.fail("a font-size keyword");
}

// One name of a font-family list: a quoted string with its escapes undone, or a generic family.
std::string familyName(FragmentCursor& c) {
    if (!c.take("'")) {
        const std::string_view rest = c.rest();
        const std::string_view name = rest.substr(0, rest.find_first_of(",;"));
        c.expect({name}, "a family name");
        return std::string(name);
    }
    std::string name;
    while (!c.take("'")) {
        if (c.atEnd()) {
            c.fail("the family name's end");
        }
        // A backslash escapes a quote or itself, or starts a character's hexadecimal code.
        const bool escaped = c.take("\\");
        if (!escaped || c.rest().starts_with("'") || c.rest().starts_with("\\")) {
            name.append(c.unit());
        } else {
            const int code = c.number("a character's hexadecimal escape", 16);
            c.expect({" "}, "the escape's end");
            // Only controls and noncharacters are written this way; code page 932 holds its
            // controls as single bytes.
            const bool utf8 = c.encoding() == TextEncoding::Utf8;
            if (code < 0 || code > (utf8 ? 0x10FFFF : 0xFF) || (code >= 0xD800 && code < 0xE000)) {
                c.fail("an escape of a character");
            }
            if (utf8) {
                appendUtf8(name, static_cast<char32_t>(code));
            } else {
                name.push_back(static_cast<char>(code));
            }
        }
    }
    return name;
}

void readWrapperStyle(std::string_view style, TextEncoding encoding, GradationSettings& s) {
    FragmentCursor c(style, encoding);
    if (c.take("font-family:")) {
        s.useFace = true;
        s.faceName = familyName(c);
        while (c.take(",")) {
            s.faceName += "," + familyName(c);
        }
        c.take(";");
    }
    if (c.take("font-size:")) {
        s.useSize = true;
        s.size = sizeOfKeyword(c);
        c.take(";");
    }
    if (c.take("text-decoration:")) {
        s.underline = c.take("underline");
        s.strike = c.take(s.underline ? " line-through" : "line-through");
    }
    if (!c.atEnd()) {
        c.fail("the wrapper's style to end");
    }
}

void readSpanFrame(FragmentCursor& c, GradationSettings& s) {
    s.frame = true;
    s.frameWidth = 0;
    if (c.take(" style=\"border:")) {
        s.frameWidth = c.number("the frame's width");
        c.expect({"px outset gray\""}, "the frame's border");
    }
    c.expect({"><tr><td"}, "the frame's cell");
    const bool bordered = s.frameWidth > 0;
    if (c.take(bordered ? " style=\"border:1px inset gray" : " style=\"")) {
        if (c.take(bordered ? ";background-color:#" : "background-color:#")) {
            s.frameBackground = true;
            s.backgroundColour = c.colour("the background colour");
        }
        c.expect({"\""}, "the cell's style to end");
    } else if (bordered) {
        c.fail("the cell's border");
    }
    c.expect({">"}, "the frame's cell");
}

void readSpanOpening(FragmentCursor& c, GradationSettings& s, bool& wrapper) {
    if (c.take("<table")) {
        readSpanFrame(c, s);
    }
    if (c.take("<a href=\"")) {
        s.link = true;
        s.linkTarget = unescapeHtml(c.until("\">", "the link's end"), c.encoding());
    }
    wrapper = !c.rest().starts_with(kSpanRunHead) && c.take("<span style=\"");
    if (wrapper) {
        readWrapperStyle(unescapeHtml(c.until("\">", "the wrapper's end"), c.encoding()),
                         c.encoding(), s);
    }
    s.strongForBold = c.take("<strong>");
    s.bold = s.strongForBold || c.take("<b>");
    s.emForItalic = c.take("<em>");
    s.italic = s.emForItalic || c.take("<i>");
}

void readSpanRuns(FragmentCursor& c, FragmentParts& parts) {
    while (c.take(kSpanRunHead)) {
        FragmentRun run{{}, c.colour("a character's colour"), 0};
        if (c.take(";font-size:")) {
            run.size = sizeOfKeyword(c);
        }
        c.expect({"\">"}, "a character's span to end");
        run.characters =
            unescapeHtml(c.until("</span>", "a character's span to close"), c.encoding());
        parts.add(c, std::move(run));
    }
    if (parts.runs.empty()) {
        c.fail("a character's span");
    }
}

}  // namespace

FragmentParts readSpanParts(std::string_view fragment, TextEncoding encoding) {
    FragmentCursor c(fragment, encoding);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    bool wrapper = false;
    readSpanOpening(c, s, wrapper);
    readSpanRuns(c, parts);
    s.sizePattern = parts.runs[0].size != 0;
    c.close(s.italic, s.emForItalic ? "</em>" : "</i>");
    c.close(s.bold, s.strongForBold ? "</strong>" : "</b>");
    c.close(wrapper, "</span>");
    c.close(s.link, "</a>");
    c.close(s.frame, "</td></tr></table>");
    s.lineBreak = c.lineBreakAndEnd("<br>");
    return parts;
}

}  // namespace huewright
