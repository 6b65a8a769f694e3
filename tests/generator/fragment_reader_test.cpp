#include "generator/fragment_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/graphemes.h"

namespace huewright {
namespace {

// Characters of code page 932: ASCII, kana, kanji, the characters markup and chat codes are
// made of, and "表", whose trail byte is a backslash.
const std::vector<std::string> kCp932Characters = {"a",        "<",        "\"",   "&",       " ",
                                                   "[",        "\\",       "'",    "\t",      "#",
                                                   "\x82\xA0", "\x8A\xBF", "\xB1", "\x95\x5C"};
// Characters of UTF-8 the Unicode forms take whole: an accent that combines, a skin tone, a
// voiced mark that joins its kana, a line separator, and the markup's own.
const std::vector<std::string> kUtf8Characters = {"a",
                                                  "<",
                                                  "\"",
                                                  "&",
                                                  " ",
                                                  "[",
                                                  "\\",
                                                  "\t",
                                                  "e\xCC\x81",
                                                  "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",
                                                  "\xEF\xBD\xB6\xEF\xBE\x9E",
                                                  "\xE2\x80\xA8",
                                                  "\xC2\xA7"};

// Random window settings, with texts of `characters`.
GradationSettings randomSettings(std::mt19937& random, const std::vector<std::string>& characters) {
    const auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    const auto coin = [&] { return pick(0, 1) == 1; };
    const auto colour = [&] { return static_cast<ColourValue>(pick(0, 0xFFFFFF)); };
    GradationSettings s;
    s.text.clear();
    for (int n = pick(1, 40); n > 0; --n) {
        s.text +=
            characters[static_cast<std::size_t>(pick(0, static_cast<int>(characters.size()) - 1))];
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
    s.faceName = coin() ? "Arial, serif" : "Courier 'New'";
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

// Any fragment the window's settings make, in any form and with the command line's stops and
// blends, is read back into settings that make it again, byte for byte, with merged runs or
// without; the Unicode forms also in UTF-8, where
// characters are grapheme clusters. Settings a form refuses (such as a chat code in merged
// runs) make no fragment to read.
TEST(FragmentReader, ReadsBackWhatTheWindowsSettingsMakeInEveryForm) {
    std::mt19937 random(20261208);
    int read = 0;
    for (int run = 0; run < 2000; ++run) {
        const bool utf8 = run % 2 == 1;
        OutputOptions options;
        options.form = static_cast<OutputForm>(run / 2 % 7);
        if (utf8 && options.form == OutputForm::Font) {
            continue;
        }
        options.mergeRuns = run % 3 == 0;
        options.utf8Characters = utf8 ? graphemeEnd : nullptr;
        if (run % 4 == 1) {
            // The command line's stops and blends.
            std::uniform_int_distribution<int> pick(0, 0xFFFFFF);
            options.stops.resize(static_cast<std::size_t>(2 + pick(random) % 15));
            for (ColourValue& stop : options.stops) {
                stop = static_cast<ColourValue>(pick(random));
            }
            options.blend = static_cast<Blend>(pick(random) % 3);
            options.exactEnds = pick(random) % 2 == 0;
        }
        const GradationSettings s =
            randomSettings(random, utf8 ? kUtf8Characters : kCp932Characters);
        std::string fragment;
        try {
            fragment = buildOutput(s, options);
        } catch (const OutputError&) {
            continue;
        }
        const FragmentRead back = readFragment(fragment, options.utf8Characters);
        ASSERT_EQ(back.options.form, options.form) << "run " << run << ": " << fragment;
        ASSERT_EQ(buildOutput(back.settings, back.options), fragment) << "run " << run;
        EXPECT_TRUE(back.unrecovered.empty()) << "run " << run << ": " << back.unrecovered[0];
        ++read;
    }
    EXPECT_GT(read, 1000);
}

// A fragment edited by hand keeps its text and colours, as stops while there are few enough
// characters (the command line's test shows a longer one approached); markup of another kind is
// refused.
TEST(FragmentReader, TakesEditedColoursAsStopsAndRefusesOtherMarkup) {
    const std::string edited =
        "<FONT COLOR=\"#FF0000\">a</FONT><FONT COLOR=\"#123456\">b</FONT>"
        "<FONT COLOR=\"#FF0000\">c</FONT><FONT COLOR=\"#00FF00\">d</FONT>";
    const FragmentRead few = readFragment(edited);
    EXPECT_TRUE(few.unrecovered.empty());
    EXPECT_EQ(few.settings.text, "abcd");
    EXPECT_EQ(buildOutput(few.settings, few.options), edited);

    for (const char* other : {"<p>hello</p>", "plain text", "<FONT COLOR=\"#FF0000\">a</FONT>x",
                              "<FONT COLOR=\"#FF00\">a</FONT>", "<B></B>"}) {
        EXPECT_THROW(readFragment(other), FragmentError) << other;
    }
}

}  // namespace
}  // namespace huewright
