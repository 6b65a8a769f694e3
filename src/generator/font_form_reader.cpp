// Reads a FONT fragment back: the opening tags give the frame, link, face, size and styles; the
// character tags give the text with each character's colour and size; the closing tags and the
// line break must follow as the form writes them. The colours and sizes are then matched by the
// settings whose progression gives them, and the whole is made again to prove it.
#include "generator/font_form_reader.h"

#include <array>
#include <charconv>
#include <optional>

#include "generator/characters.h"
#include "generator/colour_list.h"
#include "generator/progression.h"
#include "generator/tag_names.h"

namespace huewright {

namespace {

// One tag of the character run: its characters, colour and size (0 without a size).
struct CharacterTag {
    std::string_view characters;
    ColourValue colour;
    int size;
};

// A cursor over the fragment that takes expected pieces in the fragment's case of tags.
class Cursor {
  public:
    Cursor(std::string_view text, bool upperCase) : text_(text), up_(upperCase) {}

    bool atEnd() const { return at_ == text_.size(); }
    std::size_t at() const { return at_; }
    std::string_view name(Tag tag) const { return tagName(tag, up_); }

    /// Takes `piece` when the fragment continues with it.
    bool take(std::string_view piece) {
        if (text_.substr(at_).starts_with(piece)) {
            at_ += piece.size();
            return true;
        }
        return false;
    }
    bool take(std::initializer_list<std::string_view> pieces) {
        const std::size_t start = at_;
        for (const std::string_view piece : pieces) {
            if (!take(piece)) {
                at_ = start;
                return false;
            }
        }
        return true;
    }
    /// Takes `piece` or stops the read.
    void expect(std::initializer_list<std::string_view> pieces, std::string_view what) {
        if (!take(pieces)) {
            fail(what);
        }
    }
    /// The text up to the next `end`, which is taken too; stops the read without one.
    std::string_view until(std::string_view end, std::string_view what) {
        const std::size_t found = text_.find(end, at_);
        if (found == std::string_view::npos) {
            fail(what);
        }
        const std::string_view taken = text_.substr(at_, found - at_);
        at_ = found + end.size();
        return taken;
    }
    int number(std::string_view what) {
        int value = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (error != std::errc()) {
            fail(what);
        }
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    ColourValue colour(std::string_view what) {
        const std::optional<ColourValue> read =
            at_ + 6 <= text_.size() ? parseColourCode(text_.substr(at_, 6)) : std::nullopt;
        if (!read) {
            fail(what);
        }
        at_ += 6;
        return *read;
    }
    [[noreturn]] void fail(std::string_view what) const {
        throw FragmentError("not a FONT fragment of this program: " + std::string(what) +
                            " expected at byte " + std::to_string(at_));
    }

  private:
    std::string_view text_;
    bool up_;
    std::size_t at_ = 0;
};

// The tag `<NAME>` in the cursor's case.
std::string opening(const Cursor& c, Tag tag) {
    return "<" + std::string(c.name(tag)) + ">";
}
std::string closing(const Cursor& c, Tag tag) {
    return "</" + std::string(c.name(tag)) + ">";
}

void readOpeningTags(Cursor& c, GradationSettings& s) {
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
    s.useFace = false;
    s.useSize = false;
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
    s.strongForBold = c.take(opening(c, Tag::Strong));
    s.bold = s.strongForBold || c.take(opening(c, Tag::B));
    s.emForItalic = c.take(opening(c, Tag::Em));
    s.italic = s.emForItalic || c.take(opening(c, Tag::I));
    s.underline = c.take(opening(c, Tag::U));
    s.strike = c.take(opening(c, Tag::Strike));
}

std::vector<CharacterTag> readCharacterTags(Cursor& c) {
    std::vector<CharacterTag> tags;
    const std::string head =
        "<" + std::string(c.name(Tag::Font)) + " " + std::string(c.name(Tag::Colour)) + "=\"#";
    const std::string sizeHead = "\" " + std::string(c.name(Tag::Size)) + "=\"";
    const std::string tail = closing(c, Tag::Font);
    while (c.take(head)) {
        CharacterTag tag{{}, c.colour("a character's colour"), 0};
        if (c.take(sizeHead)) {
            tag.size = c.number("a character's size");
        }
        c.expect({"\">"}, "a character tag's end");
        tag.characters = c.until(tail, "a character tag's close");
        if (tag.characters.empty()) {
            c.fail("a character");
        }
        tags.push_back(tag);
    }
    return tags;
}

void readClosingTags(Cursor& c, const GradationSettings& s) {
    const auto close = [&](bool on, Tag tag) {
        if (on) {
            c.expect({closing(c, tag)}, closing(c, tag));
        }
    };
    close(s.strike, Tag::Strike);
    close(s.underline, Tag::U);
    close(s.italic, s.emForItalic ? Tag::Em : Tag::I);
    close(s.bold, s.strongForBold ? Tag::Strong : Tag::B);
    close(s.useFace || (s.useSize && !s.sizePattern), Tag::Font);
    close(s.link, Tag::A);
    close(s.frame, Tag::Td);
    close(s.frame, Tag::Tr);
    close(s.frame, Tag::Table);
}

// Whether `s`, with the window's own colours, gives every character the colour in `colours` and,
// with `sizes`, the size there. A try stops at its first wrong character, so that the many
// tries of a long text cost little.
struct Mismatch {};
bool gives(const GradationSettings& s, const std::vector<ColourValue>* colours,
           const std::vector<int>* sizes) {
    const SettingsStops own(s);
    const ColourPlan plan{own.stops()};
    std::size_t at = 0;
    try {
        forEachCharacter(s, plan, Cp932Characters{},
                         [&](std::string_view, ColourValue colour, int size) {
                             if ((colours != nullptr && (colour & 0xFFFFFFu) != (*colours)[at]) ||
                                 (sizes != nullptr && size != (*sizes)[at])) {
                                 throw Mismatch{};
                             }
                             ++at;
                         });
    } catch (const Mismatch&) {
        return false;
    }
    return true;
}

// The colours `c` plus or minus one in each channel: where the last character of a segment
// may stop one short of the colour it runs to.
std::vector<ColourValue> nearColours(ColourValue c) {
    std::vector<ColourValue> near;
    for (const int r : {0, -1, 1}) {
        for (const int g : {0, -1, 1}) {
            for (const int b : {0, -1, 1}) {
                const int red = redOf(c) + r;
                const int green = greenOf(c) + g;
                const int blue = blueOf(c) + b;
                if (red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 &&
                    blue <= 255) {
                    near.push_back(static_cast<ColourValue>(red | (green << 8) | (blue << 16)));
                }
            }
        }
    }
    return near;
}

// Finds the window's colours that give `colours`: alternating two or three, or a gradient of two
// or three whose ends may stop one short. Returns whether it found them.
bool matchColours(GradationSettings& s, const std::vector<ColourValue>& colours) {
    const auto givesThem = [&](const GradationSettings& tried) {
        return gives(tried, &colours, nullptr);
    };
    const std::size_t n = colours.size();
    GradationSettings tried = s;
    tried.mode = GradationMode::Gradient;
    tried.startColour = colours[0];
    tried.threeColours = false;
    for (const ColourValue end : nearColours(colours[n - 1])) {
        tried.endColour = end;
        if (givesThem(tried)) {
            s = tried;
            return true;
        }
    }
    tried.mode = GradationMode::Alternate;
    for (const bool three : {false, true}) {
        tried.threeColours = three;
        tried.middleColour = n > 1 && three ? colours[1] : s.middleColour;
        tried.endColour = n > (three ? 2U : 1U) ? colours[three ? 2 : 1] : s.endColour;
        if (givesThem(tried)) {
            s = tried;
            return true;
        }
    }
    tried.mode = GradationMode::Gradient;
    // Three colours: the first half ends at or one short of the middle colour.
    tried.threeColours = true;
    const std::size_t firstHalf = (n + 1) / 2;
    for (const ColourValue middle : nearColours(colours[firstHalf - 1])) {
        tried.middleColour = middle;
        for (const ColourValue end : nearColours(colours[n - 1])) {
            tried.endColour = end;
            if (givesThem(tried)) {
                s = tried;
                return true;
            }
        }
    }
    return false;
}

// Finds the size pattern that gives `sizes`. Returns whether it found it.
bool matchSizes(GradationSettings& s, const std::vector<int>& sizes) {
    GradationSettings tried = s;
    for (const SizePatternKind kind :
         {SizePatternKind::Falling, SizePatternKind::Valley, SizePatternKind::Alternating}) {
        tried.patternKind = kind;
        for (int most = 1; most <= 7; ++most) {
            for (int least = 1; least <= 7; ++least) {
                tried.patternMax = most;
                tried.patternMin = least;
                if (gives(tried, nullptr, &sizes)) {
                    s = tried;
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

FragmentRead readFontFragment(std::string_view fragment) {
    // The case of the first tag's name is the case of every tag.
    if (fragment.size() < 2 || fragment[0] != '<') {
        throw FragmentError("not a FONT fragment of this program: it does not start with a tag");
    }
    const bool upperCase = fragment[1] < 'a' || fragment[1] > 'z';
    Cursor c(fragment, upperCase);
    FragmentRead read;
    GradationSettings& s = read.settings;
    s.upperCaseTags = upperCase;
    readOpeningTags(c, s);
    const std::vector<CharacterTag> tags = readCharacterTags(c);
    if (tags.empty()) {
        c.fail("a character's tag");
    }
    s.sizePattern = tags[0].size != 0;
    readClosingTags(c, s);
    s.lineBreak = c.take(opening(c, Tag::Br));
    if (!c.atEnd()) {
        c.fail("the fragment's end");
    }

    // The text, and each character's colour and size; a merged run gives each of its
    // characters its colour.
    s.text.clear();
    std::vector<ColourValue> colours;
    std::vector<int> sizes;
    for (const CharacterTag& tag : tags) {
        s.text += tag.characters;
        for (std::size_t at = 0; at < tag.characters.size();
             at += characterLengthAt(tag.characters, at)) {
            colours.push_back(tag.colour);
            sizes.push_back(tag.size);
        }
    }
    if (s.sizePattern && !matchSizes(s, sizes)) {
        read.unrecovered.emplace_back("sizes");
    }
    if (!matchColours(s, colours)) {
        // Taken as stops: each character its own in turn, while there are few enough.
        if (colours.size() >= 2 && colours.size() <= kMostStops) {
            s.mode = GradationMode::Alternate;
            read.options.stops = colours;
        } else {
            read.unrecovered.emplace_back("colours");
            s.mode = GradationMode::Gradient;
            s.startColour = colours.front();
            s.endColour = colours.back();
        }
    }
    // Merged runs give the same colours; the bytes tell which.
    if (buildOutput(s, read.options) != fragment) {
        read.options.mergeRuns = true;
        if (buildOutput(s, read.options) != fragment) {
            read.options.mergeRuns = false;
            if (read.unrecovered.empty()) {
                read.unrecovered.emplace_back("the characters' tags");
            }
        }
    }
    return read;
}

}  // namespace huewright
