#include "generator/output.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace huewright {
namespace {

TEST(Output, TwoAndThreeStopsAreTheWindowsModesByteForByte) {
    std::mt19937 random(12);
    GradationSettings s;
    s.patternKind = SizePatternKind::Valley;
    for (int n = 1; n <= 300; ++n) {
        // One character more, ASCII or double-byte at random, on the text before.
        s.text += random() % 3 == 0 ? std::string("\x82\xa0") : std::string(1, 'a');
        s.startColour = random() & 0xFFFFFFu;
        s.middleColour = random() & 0xFFFFFFu;
        s.endColour = random() & 0xFFFFFFu;
        s.sizePattern = n % 2 == 0;
        for (const bool three : {false, true}) {
            for (const auto mode : {GradationMode::Gradient, GradationMode::Alternate}) {
                s.threeColours = three;
                s.mode = mode;
                OutputOptions options;
                const std::string markup = buildOutput(s, options);
                options.stops = three ? std::vector{s.startColour, s.middleColour, s.endColour}
                                      : std::vector{s.startColour, s.endColour};
                s.threeColours = !three;  // the stops, not the switch, now say how many colours
                ASSERT_EQ(buildOutput(s, options), markup) << n << " characters as stops";
            }
        }
    }
}

TEST(Output, MergedRunsShareOneTag) {
    const struct {
        OutputForm form;
        std::string text;
        bool sizePattern;
        std::string expected;
    } rows[] = {
        {OutputForm::Font, "a\x82\xa0", false, "<FONT COLOR=\"#FF00FF\">a\x82\xa0</FONT>"},
        {OutputForm::Font, "ab", true,
         R"(<FONT COLOR="#FF00FF" SIZE="7">a</FONT><FONT COLOR="#FF00FF" SIZE="3">b</FONT>)"},
        {OutputForm::Span, "a  b", false, R"(<span style="color:#ff00ff">a &nbsp;b</span>)"},
        // A typed "[b]" must not become a tag, so the run parts after the bracket.
        {OutputForm::Bbcode, "[b]", false, "[color=#FF00FF][[/color][color=#FF00FF]b][/color]"},
        // A terminal and a chat show no sizes, so they part no runs.
        {OutputForm::Ansi, "abc", true, "\x1b[38;2;255;0;255mabc\x1b[0m"},
        // "ソ" ends in the byte of "\", which stays as it is; a typed "\" or "<" is escaped.
        {OutputForm::Minimessage, "\x83\x5c\\<", false, "<#ff00ff>\x83\x5c\\\\\\<"},
        {OutputForm::Ampersand, "ab", true, "&#FF00FFab"},
        {OutputForm::Json, "\x83\x5c\"\\\t", false,
         R"([{"text":")"
         "\x83\x5c"
         R"(\"\\\t","color":"#ff00ff"}])"},
    };
    for (const auto& row : rows) {
        GradationSettings s;
        s.text = row.text;
        s.endColour = s.startColour | 0x01000000u;  // one colour; bits 24-31 part no runs
        s.useFace = s.useSize = s.lineBreak = false;
        s.sizePattern = row.sizePattern;
        OutputOptions options;
        options.form = row.form;
        options.mergeRuns = true;
        EXPECT_EQ(buildOutput(s, options), row.expected) << row.text;
    }
}

// A long run that follows a chunk of tags nearly full is written whole after them, wherever the
// chunk ends: a run of blue, single characters to white, then a run of white.
TEST(Output, MergedRunsOfAnyLengthFollowAFullChunkWhole) {
    OutputOptions options;
    options.mergeRuns = true;
    options.stops = {0xFF0000, 0xFF0000, 0xFFFFFF, 0xFFFFFF};
    GradationSettings s;
    s.useFace = s.useSize = s.lineBreak = false;
    for (std::size_t each = 200; each < 600; ++each) {
        s.text = std::string(each, 'a') + std::string(each, 'b') + std::string(each, 'c');
        std::string text;
        const std::string markup = buildOutput(s, options);
        for (std::size_t at = 0; at < markup.size(); ++at) {
            if (markup[at] == '<') {
                at = markup.find('>', at);
            } else {
                text += markup[at];
            }
        }
        ASSERT_EQ(text, s.text) << each;
        ASSERT_TRUE(markup.starts_with("<FONT COLOR=\"#0000FF\">aaa")) << each;
        ASSERT_TRUE(markup.ends_with("c</FONT>")) << each;
    }
}

// From 2 to 16 stops, which the command line checks first. A BBCode face name cannot hold a
// bracket, though a double-byte character's trail byte may look like one.
TEST(Output, RefusesWhatItCannotHold) {
    GradationSettings s;
    OutputOptions options;
    for (const std::size_t count : {1u, 17u}) {
        options.stops.assign(count, 0);
        EXPECT_THROW(buildOutput(s, options), OutputError) << count;
    }
    options.stops.assign(16, 0);
    EXPECT_NO_THROW(buildOutput(s, options));
    options.stops.clear();
    options.form = OutputForm::Bbcode;
    s.faceName = "\x83\x5d";  // "ゾ", whose trail byte is "]"
    EXPECT_NO_THROW(buildOutput(s, options));
    s.faceName = "a]";
    EXPECT_THROW(buildOutput(s, options), OutputError);
}

// An "&" or "§" before a code letter would be read as a code where a run of one colour puts
// them side by side; each character's own colour code parts them.
TEST(Output, AmpersandRunsRefuseCodesOfTheText) {
    GradationSettings s;
    s.endColour = s.startColour;
    OutputOptions options;
    options.form = OutputForm::Ampersand;
    options.mergeRuns = true;
    for (const char* text : {"&a", "x&#", "\x81\x98L", "&R"}) {
        s.text = text;
        EXPECT_THROW(buildOutput(s, options), OutputError) << text;
    }
    for (const char* text : {"&g", "& a", "a&", "\x81\x97L"}) {
        s.text = text;
        EXPECT_NO_THROW(buildOutput(s, options)) << text;
    }
    s.text =
        "ab\x81\x98"
        "0";
    try {
        buildOutput(s, options);
        ADD_FAILURE() << "no refusal";
    } catch (const OutputError& e) {
        EXPECT_EQ(e.reason(), OutputError::Reason::CodeInText);
        EXPECT_EQ(e.character(), U'\u00A7');
        EXPECT_EQ(e.position(), 3u);
    }
    options.mergeRuns = false;
    s.text = "&a\x81\x98L";
    s.useFace = s.useSize = s.lineBreak = false;
    EXPECT_EQ(buildOutput(s, options), "&#FF00FF&&#FF00FFa&#FF00FF\x81\x98&#FF00FFL");
}

// A long text crosses many of the tag writer's chunks and is streamed in many pieces.
TEST(Output, LongTextsKeepEveryTagAndStreamInBoundedPieces) {
    GradationSettings s;
    s.text = std::string(100'000, 'x');
    s.useFace = s.useSize = s.lineBreak = false;
    s.endColour = s.startColour;
    std::string expected;
    for (int i = 0; i < 100'000; ++i) {
        expected += "<FONT COLOR=\"#FF00FF\">x</FONT>";
    }
    EXPECT_EQ(buildOutput(s, {}), expected);
    struct Pieces : OutputSink {
        std::string joined;
        std::size_t largest = 0;
        void write(std::string_view piece) override {
            joined += piece;
            largest = std::max(largest, piece.size());
        }
    } pieces;
    writeOutput(s, {}, pieces);
    EXPECT_EQ(pieces.joined, expected);
    EXPECT_LT(pieces.largest, 2 * 65'536u);  // the whole is some 3 MB
}

}  // namespace
}  // namespace huewright
