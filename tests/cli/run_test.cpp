#include "cli/run.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "../persistence/temporary_directory.h"
#include "generator/output.h"
#include "text/cp932.h"

namespace huewright {
namespace {

using test::readBytes;
using test::writeBytes;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runCli(const std::vector<std::string>& args, const std::string& input = "",
               bool brokenOut = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    if (brokenOut) {
        out.setstate(std::ios::badbit);
    }
    const int status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

// The arguments of a command line whose arguments hold no blanks; "" stands for an empty one.
std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> args;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::string_view word = line.substr(at, end - at);
        args.emplace_back(word == "\"\"" ? std::string_view() : word);
        at = end + 1;
    }
    return args;
}

// What the command prints for `s`.
std::string markupOf(const GradationSettings& s) {
    return cp932ToUtf8(buildOutput(s, {})) + "\n";
}

// Each test runs in a fresh working directory, where the start-up file is looked for.
class CliTest : public testing::Test {
  protected:
    void SetUp() override { std::filesystem::current_path(dir_.path()); }
    void TearDown() override { std::filesystem::current_path(previous_); }

    test::TemporaryDirectory dir_;
    std::filesystem::path previous_ = std::filesystem::current_path();
};

// Every kind of flag once: colour codes are red first, with or without a hash, in either case;
// texts are converted to code page 932; the last of a flag given twice wins; a text after "--"
// may begin with "-".
TEST_F(CliTest, FlagsSetTheirFields) {
    GradationSettings s{.text = "-abc"};
    s.threeColours = s.frame = s.frameBackground = s.link = s.sizePattern = true;
    s.bold = s.italic = s.underline = s.strike = s.strongForBold = s.emForItalic = true;
    s.upperCaseTags = s.lineBreak = false;
    s.mode = GradationMode::Alternate;
    s.startColour = 0xC2B1A0;
    s.middleColour = 0x0C0B0A;
    s.frameWidth = 99;
    s.linkTarget = utf8ToCp932("https://例.jp/");
    s.faceName = utf8ToCp932("メイリオ\"x\"");
    s.patternKind = SizePatternKind::Valley;
    EXPECT_EQ(
        runCli(words("--three-colours --start-colour #a0b1c2 --middle-colour 0A0B0C "
                     "--alternate --frame --frame-width 7 --frame-width 99 --frame-background "
                     "--link --link-target https://例.jp/ --face-name メイリオ\"x\" "
                     "--size-pattern --pattern-kind valley --italic --underline --strike "
                     "--no-bold --bold --strong-for-bold --em-for-italic --upper-case-tags "
                     "--lower-case-tags --no-line-break -- -abc"))
            .out,
        markupOf(s));
}

TEST_F(CliTest, WritesCodePage932BytesOrTheirLength) {
    const std::string markup = buildOutput({.text = "abc"}, {});
    // The face name's seven double-byte characters count two bytes each, not three.
    EXPECT_EQ(runCli({"--length", "abc"}).out, "140\n");

    writeBytes("out.html", "old content that is longer than the markup, to be replaced whole");
    EXPECT_EQ(runCli({"--output", "out.html", "abc"}).out, "");
    EXPECT_EQ(readBytes("out.html"), cp932ToUtf8(markup));
    EXPECT_EQ(runCli({"-o", "out.html", "--encoding", "cp932", "--length", "abc"}).out, "140\n");
    EXPECT_EQ(readBytes("out.html"), markup);
    EXPECT_EQ(dir_.entries(), std::set<std::string>{"out.html"});
}

TEST_F(CliTest, ReadsTheTextFromStandardInputLessOneLineEnd) {
    const struct {
        std::string input;
        std::string text;
    } rows[] = {{"ab\n", "ab"},   {"ab\r\n", "ab"}, {"ab", "ab"},
                {"a\n\n", "a\n"}, {"", ""},         {"あ\n", "あ"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(runCli({}, row.input).out, runCli({"--", row.text}).out);
    }
}

TEST_F(CliTest, RefusesBadInputWithOneMessageAndNoFile) {
    writeBytes("kept.html", "kept");
    writeBytes("lone.DAT", "[DATA]\r\ntext=ab\x82\r\n");
    const struct {
        const char* name;
        std::string_view args;
        std::string message;
        std::string input = "";
        bool brokenOut = false;
    } rows[] = {
        {"unknown flag", "--zork a", "The following argument was not expected: --zork"},
        {"second text", "a b", "The following argument was not expected: b"},
        {"missing value", "a --face-name", "--face-name: 1 required NAME missing"},
        {"five-digit colour", "--start-colour 12345 a",
         "--start-colour: expected #RRGGBB or RRGGBB (six hexadecimal digits, red first), not "
         "\"12345\""},
        {"size 8 with an output file", "-o kept.html --size-value 8 a",
         "--size-value: expected a whole number from 1 to 7, not \"8\""},
        {"size not a number", "--size-value 3x a",
         "--size-value: expected a whole number from 1 to 7, not \"3x\""},
        {"frame width -1", "--frame-width -1 a",
         "--frame-width: expected a whole number from 0 to 99, not \"-1\""},
        {"pattern kind", "--pattern-kind rising a",
         "--pattern-kind: expected one of falling, valley, alternating, none, not \"rising\""},
        {"one colour stop", "--colours FF0000 a",
         "--colours: expected 2 to 16 colour codes (#RRGGBB or RRGGBB) separated by commas, not "
         "\"FF0000\""},
        {"form", "--format html a",
         "--format: expected one of font, span, bbcode, ansi, not \"html\""},
        {"encoding", "--encoding shift_jis a",
         "--encoding: expected one of utf-8, cp932, not \"shift_jis\""},
        {"text outside code page 932 with an output file", "-o kept.html café",
         "text: U+00E9 \"é\" (character 4, counting Unicode characters from 1) is not in code "
         "page 932"},
        {"invalid UTF-8 on standard input", "",
         "standard input: invalid UTF-8 at character 3, byte 3 (counting from 1): truncated "
         "sequence 0xE3 0x81",
         "ab\xE3\x81\n"},
        {"output in a missing directory", "-o missing/x.html a",
         "--output: cannot write missing/x.html: No such file or directory"},
        {"output into a directory", "-o . a", "--output: cannot write .: Is a directory"},
        {"standard output", "abc", "cannot write to standard output", "", true},
        {"missing settings file", "--load missing.DAT",
         "--load: cannot read missing.DAT: No such file or directory"},
        {"settings file with a lone lead byte", "--load lone.DAT --save out.DAT",
         "--load: lone.DAT: text: 0x82 at byte 3 (counting bytes from 1) is a lead byte without "
         "its second byte"},
        {"empty settings file name", "--save \"\" a",
         "--save: cannot write \"\": No such file or directory"},
        {"start-up file in a missing directory", "--save-startup no/lumo.ini a",
         "--save-startup: cannot write no/lumo.ini: No such file or directory"},
        {"settings file with a line break", "--save d.DAT",
         "--save: cannot write d.DAT: the value of text holds a line break or a NUL byte, which a "
         "settings file cannot keep",
         "a\nb"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCli(words(row.args), row.input, row.brokenOut);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "huewright-cli: " + row.message + "\n");
        EXPECT_EQ(dir_.entries(), (std::set<std::string>{"kept.html", "lone.DAT"}));
        EXPECT_EQ(readBytes("kept.html"), "kept");
    }
}

TEST_F(CliTest, HelpShowsTheDefaultsInUtf8) {
    const Outcome outcome = runCli({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("(default: ＭＳ Ｐゴシック)"), std::string::npos);
}

TEST_F(CliTest, ColourStopsAndUnicodeForms) {
    // Three stops are the three-colour mode, byte for byte.
    EXPECT_EQ(runCli(words("--colours FF0000,00FF00,0000FF abcdefg")).out,
              runCli(words("--three-colours --start-colour FF0000 --middle-colour 00FF00 "
                           "--end-colour 0000FF abcdefg"))
                  .out);
    // The Unicode forms take any character and keep a family emoji whole, in one colour.
    const std::string family = "👨‍👩‍👧";
    EXPECT_NE(runCli({"--format", "span", family + "!"}).out.find('>' + family + '<'),
              std::string::npos);
}

TEST_F(CliTest, StartsFromTheStartupFileUnlessToldNot) {
    writeBytes("lumo.ini", "[Stat]\r\nTB=0\r\nKB=1\r\n");
    EXPECT_EQ(runCli({"a"}).out, "<font color=\"#ff00ff\">a</font><br>\n");
    EXPECT_EQ(runCli({"--no-startup-file", "a"}).out, markupOf({.text = "a"}));
    // The saved values and the file's own keys come back on the next start; the persistence
    // tests pin the file's bytes.
    const std::string saving =
        runCli(words("--save-startup lumo.ini --strong-for-bold --end-colour 00FF00 --bold ab"))
            .out;
    EXPECT_EQ(runCli(words("--bold ab")).out, saving);
}

TEST_F(CliTest, WarnsOfWhatALoadedFileDoesNotHold) {
    writeBytes("noise.DAT", std::string("\xFF\x00\x12 no keys here\n", 17));
    writeBytes("emoji.DAT", "\xEF\xBB\xBF[DATA]\r\ntext=\xF0\x9F\x98\x80\r\n");
    Outcome outcome = runCli({"--load", "noise.DAT"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "huewright-cli: warning: --load: noise.DAT holds no settings\n");
    outcome = runCli({"--load", "emoji.DAT"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err,
              "huewright-cli: warning: --load: emoji.DAT: the value of text is not in code page "
              "932, so it keeps its default\n");
}

// The window's load rules are the model's; here the file's text stands in for standard input and
// later flags apply over the file.
TEST_F(CliTest, SavedSettingsLoadBackToTheSameMarkup) {
    const std::string flags = "--frame --frame-width 3 --size-pattern --pattern-kind valley xyzあ";
    const std::string saved = runCli(words("--save b.DAT " + flags)).out;
    EXPECT_EQ(saved, runCli(words(flags)).out);
    EXPECT_EQ(runCli({"--load", "b.DAT"}).out, saved);
    EXPECT_EQ(runCli({"--load", "b.DAT", "--bold"}).out, runCli(words("--bold " + flags)).out);
}

// What a shell does with the real binary's descriptors: standard output gets what run() prints,
// a redirected standard output is written into, not replaced, and failures to write or read it
// are failures.
TEST_F(CliTest, TheBinaryKeepsToTheShellsRedirections) {
    const std::string line = runCli({"x"}).out;
    const std::string markup = line.substr(0, line.size() - 1);  // -o adds no line end
    const std::string cli = "'" HUEWRIGHT_CLI_BINARY "'";
    const struct {
        std::string script;
        int status;
        std::string file;  // what page.txt holds afterwards
    } rows[] = {
        {cli + " x > page.txt", 0, line},
        {"printf 'a\\n' > page.txt; " + cli + " -o /dev/stdout x >> page.txt", 0, "a\n" + markup},
        {"{ echo HEAD; " + cli + " -o /dev/fd/1 x; echo FOOT; } > page.txt", 0,
         "HEAD\n" + markup + "FOOT\n"},
        {cli + " --help > /dev/full", 2, ""},
        {cli + " < /", 2, ""},
        {cli + " <&-", 2, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        std::remove("page.txt");
        const int status = std::system(("sh -c \"" + row.script + "\" 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), row.status);
        EXPECT_EQ(readBytes("page.txt"), row.file);
    }
}

}  // namespace
}  // namespace huewright
