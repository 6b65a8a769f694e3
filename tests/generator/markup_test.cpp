#include "generator/markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

const std::string kFace{kWindowFaceName};

// Program start without a start-up file: face, size and line break on, upper-case tags.
GradationSettings startup(std::string text) {
    GradationSettings s;
    s.text = std::move(text);
    s.startColour = 0xFF00FF;  // FF00FF
    s.endColour = 0xFF0000;    // 0000FF
    return s;
}

std::string build(const GradationSettings& s) {
    static const TagNameTable names;
    return buildMarkup(s, names);
}

TEST(Markup, StartupFragment) {
    const std::string expected = R"(<FONT FACE=")" + kFace + R"(" SIZE="3" >)" +
                                 R"(<FONT COLOR="#FF00FF">a</FONT>)"
                                 R"(<FONT COLOR="#8000FF">b</FONT>)"
                                 R"(<FONT COLOR="#0000FF">c</FONT>)"
                                 R"(</FONT><BR>)";
    const std::string fragment = build(startup("abc"));
    EXPECT_EQ(fragment, expected);
    EXPECT_EQ(fragment.size(), 140u);  // the face name's seven double-byte characters count twice
}

TEST(Markup, EveryWrapperInLowerCase) {
    GradationSettings s = startup("abcde");
    s.upperCaseTags = false;
    s.frame = true;
    s.frameWidth = 2;
    s.frameBackground = true;
    s.backgroundColour = 0x00FFFF;  // FFFF00
    s.link = true;
    s.bold = true;
    s.strongForBold = true;
    s.sizePattern = true;
    s.patternKind = SizePatternKind::Valley;
    s.useFace = false;
    s.lineBreak = false;
    const std::string expected = R"(<table border="2"><tr><td bgcolor="#ffff00">)"
                                 R"(<a href="http://">)"
                                 R"(<strong>)"
                                 R"(<font color="#ff00ff" size="7">a</font>)"
                                 R"(<font color="#c000ff" size="5">b</font>)"
                                 R"(<font color="#8000ff" size="3">c</font>)"
                                 R"(<font color="#4000ff" size="5">d</font>)"
                                 R"(<font color="#0000ff" size="7">e</font>)"
                                 R"(</strong></a></td></tr></table>)";
    const std::string fragment = build(s);
    EXPECT_EQ(fragment, expected);
    EXPECT_EQ(fragment.size(), 296u);
}

TEST(Markup, WrapperAndSizePattern) {
    GradationSettings s = startup("ab");
    s.sizePattern = true;
    s.lineBreak = false;
    EXPECT_EQ(build(s), R"(<FONT FACE=")" + kFace + R"(" >)" +
                            R"(<FONT COLOR="#FF00FF" SIZE="7">a</FONT>)"
                            R"(<FONT COLOR="#0000FF" SIZE="3">b</FONT></FONT>)");
    // Without a face the size pattern leaves no wrapper at all, and Size is written nowhere.
    s.useFace = false;
    s.size = 5;
    EXPECT_EQ(build(s), R"(<FONT COLOR="#FF00FF" SIZE="7">a</FONT>)"
                        R"(<FONT COLOR="#0000FF" SIZE="3">b</FONT>)");
    // Size alone still gets a wrapper, ending in a blank.
    s.sizePattern = false;
    s.text = "a";
    EXPECT_EQ(build(s), R"(<FONT SIZE="5" ><FONT COLOR="#FF00FF">a</FONT></FONT>)");
}

TEST(Markup, EmptyTextInAFrame) {
    GradationSettings s = startup("");
    s.useFace = false;
    s.useSize = false;
    s.frame = true;
    EXPECT_EQ(build(s), R"(<TABLE BORDER="0"><TR><TD></TD></TR></TABLE><BR>)");
    // A width still being typed is written as it reads.
    s.frameWidth = -5;
    EXPECT_EQ(build(s), R"(<TABLE BORDER="-5"><TR><TD></TD></TR></TABLE><BR>)");
}

TEST(Markup, BackgroundNeedsTheFrame) {
    // A loaded file may leave the background checked without the frame: the attribute would
    // stand outside any tag, so it is left out.
    GradationSettings s = startup("");
    s.useFace = false;
    s.useSize = false;
    s.lineBreak = false;
    s.frameBackground = true;
    EXPECT_EQ(build(s), "");
}

TEST(Markup, StyleTagsNestInsideTheWrapper) {
    GradationSettings s = startup("a");
    s.useFace = false;
    s.lineBreak = false;
    s.bold = s.italic = s.underline = s.strike = true;
    EXPECT_EQ(build(s), R"(<FONT SIZE="3" ><B><I><U><STRIKE>)"
                        R"(<FONT COLOR="#FF00FF">a</FONT>)"
                        R"(</STRIKE></U></I></B></FONT>)");
    s.strongForBold = true;
    s.emForItalic = true;
    s.upperCaseTags = false;
    EXPECT_EQ(build(s), R"(<font size="3" ><strong><em><u><strike>)"
                        R"(<font color="#ff00ff">a</font>)"
                        R"(</strike></u></em></strong></font>)");
}

TEST(Markup, UserTextsAreInsertedUnescaped) {
    GradationSettings s = startup("<\"");
    s.useSize = false;
    s.lineBreak = false;
    s.faceName = "a\"b";
    s.link = true;
    s.linkTarget = "x\"><y";
    s.upperCaseTags = false;
    EXPECT_EQ(build(s), R"(<a href="x"><y"><font face="a"b" >)"
                        R"(<font color="#ff00ff"><</font><font color="#0000ff">"</font>)"
                        R"(</font></a>)");
}

TEST(Markup, DoubleByteCharactersCountTwice) {
    GradationSettings s = startup("\x82\xa0\x82\xa2");
    s.useFace = false;
    s.size = 5;
    s.lineBreak = false;
    const std::string fragment = build(s);
    EXPECT_EQ(fragment,
              "<FONT SIZE=\"5\" ><FONT COLOR=\"#FF00FF\">\x82\xa0</FONT>"
              "<FONT COLOR=\"#0000FF\">\x82\xa2</FONT></FONT>");
    EXPECT_EQ(fragment.size(), 16u + 2 * 31u + 7u);
}

TEST(Markup, ObserverSeesEachCharacterBeforeItsTag) {
    struct Recorder : CharacterObserver {
        std::vector<std::string> seen;
        void onCharacter(std::string_view c, ColourValue, int size) override {
            seen.push_back(std::string(c) + std::to_string(size));
        }
    } recorder;
    GradationSettings s = startup(
        "a\x82\xa0"
        "b");
    s.sizePattern = true;
    const TagNameTable names;
    buildMarkup(s, names, &recorder);
    EXPECT_EQ(recorder.seen, (std::vector<std::string>{"a7",
                                                       "\x82\xa0"
                                                       "5",
                                                       "b3"}));
}

TEST(TagNameTable, LowerHalfMirrorsUpperHalf) {
    const TagNameTable names;
    EXPECT_EQ(names.tagName(Tag::BackgroundColour, true), "BGCOLOR");
    EXPECT_EQ(names.tagName(Tag::BackgroundColour, false), "bgcolor");
    EXPECT_EQ(names.tagName(Tag::Strike, false), "strike");
    EXPECT_EQ(names.tagName(Tag::Colour, true), "COLOR");
}

}  // namespace
}  // namespace huewright
