#include "generator/font_form_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace huewright {
namespace {

// Random window settings: texts of ASCII, kana, kanji and the characters markup is made of.
GradationSettings randomSettings(std::mt19937& random) {
    const auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const auto coin = [&] { return pick(0, 1) == 1; };
    const auto colour = [&] { return static_cast<ColourValue>(pick(0, 0xFFFFFF)); };
    // "a", "<", "\"", "&", " ", "あ", "漢", "ア" (half-width), "表" (trail byte 0x5C).
    const std::vector<std::string> characters = {"a",        "<",        "\"",   "&",       " ",
                                                 "\x82\xA0", "\x8A\xBF", "\xB1", "\x95\x5C"};
    GradationSettings s;
    s.text.clear();
    for (int n = pick(1, 40); n > 0; --n) {
        s.text += characters[static_cast<std::size_t>(pick(0, 8))];
    }
    s.mode = coin() ? GradationMode::Gradient : GradationMode::Alternate;
    s.threeColours = coin();
    s.startColour = colour();
    s.middleColour = colour();
    s.endColour = colour();
    s.backgroundColour = colour();
    s.frame = coin();
    s.frameWidth = pick(-5, 99);
    s.frameBackground = coin();
    s.link = coin();
    s.linkTarget = coin() ? "https://example.com/?q=1&r=2" : "";
    s.useFace = coin();
    s.faceName = coin() ? "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E" : "Arial";
    s.useSize = coin();
    s.size = pick(1, 7);
    s.bold = coin();
    s.italic = coin();
    s.underline = coin();
    s.strike = coin();
    s.lineBreak = coin();
    s.sizePattern = coin();
    s.patternKind = static_cast<SizePatternKind>(pick(0, 2));
    s.patternMax = pick(1, 7);
    s.patternMin = pick(1, 7);
    s.upperCaseTags = coin();
    s.strongForBold = coin();
    s.emForItalic = coin();
    return s;
}

// Any fragment the window's settings make is read back into settings that make it again, byte
// for byte, with merged runs or without.
TEST(FontFormReader, ReadsBackWhatTheWindowsSettingsMake) {
    std::mt19937 random(20261208);
    for (int run = 0; run < 1000; ++run) {
        const GradationSettings s = randomSettings(random);
        OutputOptions options;
        options.mergeRuns = run % 3 == 0;
        const std::string fragment = buildOutput(s, options);
        const FragmentRead read = readFontFragment(fragment);
        ASSERT_EQ(buildOutput(read.settings, read.options), fragment) << "run " << run;
        EXPECT_TRUE(read.unrecovered.empty()) << "run " << run << ": " << read.unrecovered[0];
    }
}

// A fragment edited by hand keeps its text and colours: as stops while there are few enough
// characters, else the ends of a gradient, named as not recovered. One not of this form is
// refused with where it stops being one.
TEST(FontFormReader, TakesEditedColoursAsStopsAndRefusesOtherMarkup) {
    const std::string edited =
        "<FONT COLOR=\"#FF0000\">a</FONT><FONT COLOR=\"#123456\">b</FONT>"
        "<FONT COLOR=\"#FF0000\">c</FONT><FONT COLOR=\"#00FF00\">d</FONT>";
    const FragmentRead few = readFontFragment(edited);
    EXPECT_TRUE(few.unrecovered.empty());
    EXPECT_EQ(few.settings.text, "abcd");
    EXPECT_EQ(buildOutput(few.settings, few.options), edited);

    std::string many;
    for (int i = 0; i < 20; ++i) {
        many +=
            i % 7 == 0 ? "<FONT COLOR=\"#000000\">x</FONT>" : "<FONT COLOR=\"#FFFFFF\">x</FONT>";
    }
    const FragmentRead approached = readFontFragment(many);
    EXPECT_EQ(approached.unrecovered, std::vector<std::string>{"colours"});
    EXPECT_EQ(approached.settings.text, std::string(20, 'x'));

    for (const char* other : {"<p>hello</p>", "plain text", "<FONT COLOR=\"#FF0000\">a</FONT>x",
                              "<FONT COLOR=\"#FF00\">a</FONT>", "<B></B>"}) {
        EXPECT_THROW(readFontFragment(other), FragmentError) << other;
    }
}

}  // namespace
}  // namespace huewright
