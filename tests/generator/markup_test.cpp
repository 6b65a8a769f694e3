#include "generator/markup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace huewright {
namespace {

TEST(Markup, Fragments) {
    const std::string face{kWindowFaceName};
    const struct {
        const char* name;
        std::string text;
        std::function<void(GradationSettings&)> change;
        std::string expected;
    } rows[] = {
        {"the window's start", "abc", [](GradationSettings&) {},
         "<FONT FACE=\"" + face +
             "\" SIZE=\"3\" ><FONT COLOR=\"#FF00FF\">a</FONT>"
             "<FONT COLOR=\"#8000FF\">b</FONT><FONT COLOR=\"#0000FF\">c</FONT></FONT><BR>"},
        {"every wrapper in lower case", "abcde",
         [](GradationSettings& s) {
             s.upperCaseTags = s.useFace = s.lineBreak = false;
             s.frame = s.frameBackground = s.link = s.sizePattern = true;
             s.frameWidth = 2;
             s.backgroundColour = 0x00FFFF;  // FFFF00
             s.bold = s.strongForBold = s.italic = s.emForItalic = true;
             s.patternKind = SizePatternKind::Valley;
         },
         "<table border=\"2\"><tr><td bgcolor=\"#ffff00\"><a href=\"http://\"><strong><em>"
         "<font color=\"#ff00ff\" size=\"7\">a</font><font color=\"#c000ff\" size=\"5\">b</font>"
         "<font color=\"#8000ff\" size=\"3\">c</font><font color=\"#4000ff\" size=\"5\">d</font>"
         "<font color=\"#0000ff\" size=\"7\">e</font></em></strong></a></td></tr></table>"},
        {"size pattern leaves SIZE off the wrapper", "ab",
         [](GradationSettings& s) { s.sizePattern = true; },
         "<FONT FACE=\"" + face +
             "\" ><FONT COLOR=\"#FF00FF\" SIZE=\"7\">a</FONT>"
             "<FONT COLOR=\"#0000FF\" SIZE=\"3\">b</FONT></FONT><BR>"},
        {"style tags nest in order", "a",
         [](GradationSettings& s) {
             s.useFace = s.useSize = s.lineBreak = false;
             s.bold = s.italic = s.underline = s.strike = true;
         },
         "<B><I><U><STRIKE><FONT COLOR=\"#FF00FF\">a</FONT></STRIKE></U></I></B>"},
        {"empty text in a frame whose width is still being typed", "",
         [](GradationSettings& s) {
             s.useFace = s.useSize = false;
             s.frame = true;
             s.frameWidth = -5;
         },
         "<TABLE BORDER=\"-5\"><TR><TD></TD></TR></TABLE><BR>"},
        // A loaded file may leave the background on without the frame: the attribute would stand
        // outside any tag.
        {"background needs the frame", "",
         [](GradationSettings& s) {
             s.useFace = s.useSize = s.lineBreak = false;
             s.frameBackground = true;
         },
         ""},
        {"user texts are inserted unescaped", "<\"",
         [](GradationSettings& s) {
             s.useSize = s.lineBreak = false;
             s.faceName = "a\"b";
             s.link = true;
             s.linkTarget = "x\"><y";
         },
         "<A HREF=\"x\"><y\"><FONT FACE=\"a\"b\" ><FONT COLOR=\"#FF00FF\"><</FONT>"
         "<FONT COLOR=\"#0000FF\">\"</FONT></FONT></A>"},
        {"size alone, double-byte characters whole", "\x82\xa0\x82\xa2",
         [](GradationSettings& s) {
             s.useFace = s.lineBreak = false;
             s.size = 5;
         },
         "<FONT SIZE=\"5\" ><FONT COLOR=\"#FF00FF\">\x82\xa0</FONT>"
         "<FONT COLOR=\"#0000FF\">\x82\xa2</FONT></FONT>"},
    };
    for (const auto& row : rows) {
        GradationSettings s;  // as the window starts without a start-up file
        s.text = row.text;
        row.change(s);
        EXPECT_EQ(buildMarkup(s, TagNameTable{}), row.expected) << row.name;
    }
}

TEST(Markup, LongTextsKeepEveryTag) {
    GradationSettings s;
    s.text = std::string(5000, 'x');
    s.useFace = s.useSize = s.lineBreak = false;
    s.endColour = s.startColour;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        expected += "<FONT COLOR=\"#FF00FF\">x</FONT>";
    }
    EXPECT_EQ(buildMarkup(s, TagNameTable{}), expected);
}

}  // namespace
}  // namespace huewright
