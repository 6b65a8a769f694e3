// Reads a FONT fragment: the opening tags give the frame, link, face, size and styles; the
// character tags give the runs with their colours and sizes; the closing tags and the line
// break must follow as the form writes them. The case of the first tag's name is the case of
// every tag.
#include "generator/fragment_parts.h"
#include "generator/tag_names.h"

namespace huewright {

namespace {

// The FONT form's pieces in the fragment's case of tags.
class FontCursor : public FragmentCursor {
  public:
    FontCursor(std::string_view text, TextEncoding encoding, bool upperCase)
        : FragmentCursor(text, encoding), up_(upperCase) {}

    std::string_view name(Tag tag) const { return tagName(tag, up_); }
    std::string opening(Tag tag) const { return "<" + std::string(name(tag)) + ">"; }
    std::string closing(Tag tag) const { return "</" + std::string(name(tag)) + ">"; }
    using FragmentCursor::close;
    void close(bool on, Tag tag) { close(on, closing(tag)); }

  private:
    bool up_;
};

void readFontOpening(FontCursor& c, GradationSettings& s) {
    const std::string space = " ";
    if (c.take({"<", c.name(Tag::Table), space, c.name(Tag::Border), "=\""})) {
        s.frame = true;
        s.frameWidth = c.number("the frame's width");
        c.expect({"\"><", c.name(Tag::Tr), "><", c.name(Tag::Td)}, "the frame's cell");
        if (c.take({space, c.name(Tag::BackgroundColour), "=\"#"})) {
            s.frameBackground = true;
            s.backgroundColour = c.colour("the background colour");
            c.expect({"\""}, "the background colour's end");
        }
        c.expect({">"}, "the frame's cell");
    }
    if (c.take({"<", c.name(Tag::A), space, c.name(Tag::Href), "=\""})) {
        s.link = true;
        s.linkTarget = c.until("\">", "the link's end");
    }
    // The wrapper names a face or a size; a character's tag names its colour first.
    if (c.take({"<", c.name(Tag::Font), space, c.name(Tag::Face), "=\""})) {
        s.useFace = true;
        s.faceName = c.until("\" ", "the face's end");
        if (c.take({c.name(Tag::Size), "=\""})) {
            s.useSize = true;
            s.size = c.number("the size");
            c.expect({"\" "}, "the size's end");
        }
        c.expect({">"}, "the wrapper's end");
    } else if (c.take({"<", c.name(Tag::Font), space, c.name(Tag::Size), "=\""})) {
        s.useSize = true;
        s.size = c.number("the size");
        c.expect({"\" >"}, "the wrapper's end");
    }
    s.strongForBold = c.take(c.opening(Tag::Strong));
    s.bold = s.strongForBold || c.take(c.opening(Tag::B));
    s.emForItalic = c.take(c.opening(Tag::Em));
    s.italic = s.emForItalic || c.take(c.opening(Tag::I));
    s.underline = c.take(c.opening(Tag::U));
    s.strike = c.take(c.opening(Tag::Strike));
}

void readCharacterTags(FontCursor& c, FragmentParts& parts) {
    const std::string head =
        "<" + std::string(c.name(Tag::Font)) + " " + std::string(c.name(Tag::Colour)) + "=\"#";
    const std::string sizeHead = "\" " + std::string(c.name(Tag::Size)) + "=\"";
    const std::string tail = c.closing(Tag::Font);
    while (c.take(head)) {
        FragmentRun run{{}, c.colour("a character's colour"), 0};
        if (c.take(sizeHead)) {
            run.size = c.number("a character's size");
        }
        c.expect({"\">"}, "a character tag's end");
        run.characters = c.until(tail, "a character tag's close");
        parts.add(c, std::move(run));
    }
    if (parts.runs.empty()) {
        c.fail("a character's tag");
    }
}

void readFontClosing(FontCursor& c, const GradationSettings& s) {
    c.close(s.strike, Tag::Strike);
    c.close(s.underline, Tag::U);
    c.close(s.italic, s.emForItalic ? Tag::Em : Tag::I);
    c.close(s.bold, s.strongForBold ? Tag::Strong : Tag::B);
    c.close(s.useFace || (s.useSize && !s.sizePattern), Tag::Font);
    c.close(s.link, Tag::A);
    c.close(s.frame, Tag::Td);
    c.close(s.frame, Tag::Tr);
    c.close(s.frame, Tag::Table);
}

}  // namespace

FragmentParts readFontParts(std::string_view fragment, TextEncoding encoding) {
    const bool upperCase = fragment.size() < 2 || fragment[1] < 'a' || fragment[1] > 'z';
    FontCursor c(fragment, encoding, upperCase);
    FragmentParts parts{unadornedSettings(), {}};
    GradationSettings& s = parts.settings;
    s.upperCaseTags = upperCase;
    readFontOpening(c, s);
    readCharacterTags(c, parts);
    s.sizePattern = parts.runs[0].size != 0;
    readFontClosing(c, s);
    s.lineBreak = c.lineBreakAndEnd(c.opening(Tag::Br));
    return parts;
}

}  // namespace huewright
