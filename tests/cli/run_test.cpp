#include "cli/run.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/cli_fixture.h"
#include "generator/output.h"
#include "support/failing_calls.h"
#include "support/temporary_directory.h"
#include "text/cp932.h"
#include "text/decimal.h"

namespace huewright::test {
namespace {

// Every file of `directory` with its bytes.
std::map<std::string, std::string> filesIn(const std::filesystem::path& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? readBytes(entry.path()) : "(not a file)";
    }
    return files;
}

// What the command prints for `s`.
std::string markupOf(const GradationSettings& s) {
    return cp932ToUtf8(buildOutput(s, {})) + "\n";
}

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
    // The length is of the bytes written: the face name's seven double-byte characters take
    // three bytes each in UTF-8, two in code page 932.
    EXPECT_EQ(runCli({"--length", "abc"}).out, "147\n");
    OutputOptions bbcode;
    bbcode.form = OutputForm::Bbcode;
    EXPECT_EQ(runCli({"--length", "--format", "bbcode", "--encoding", "cp932", "abc"}).out,
              decimal(buildOutput({.text = "abc"}, bbcode).size()) + "\n");

    writeBytes(dir_ / "out.html", std::string(200, 'o'));  // longer than the markup: replaced whole
    EXPECT_EQ(runCli({"--output", "out.html", "abc"}).out, "");
    EXPECT_EQ(readBytes(dir_ / "out.html"), cp932ToUtf8(markup));
    EXPECT_EQ(runCli({"-o", "out.html", "--encoding", "cp932", "--length", "abc"}).out, "140\n");
    EXPECT_EQ(readBytes(dir_ / "out.html"), markup);
    EXPECT_EQ(dir_.entries(), std::set<std::string>{"out.html"});
}

TEST_F(CliTest, ReadsTheTextFromStandardInputLessOneLineEnd) {
    const std::pair<std::string, std::string> rows[] = {{"ab\n", "ab"},
                                                        {"ab\r\n", "ab"},
                                                        {"ab\r", "ab"},
                                                        {"ab", "ab"},
                                                        {"a\n\n", "a\n"},
                                                        {"", ""},
                                                        {"あ\n", "あ"},
                                                        {"\xEF\xBB\xBF"
                                                         "ab\n",
                                                         "ab"},
                                                        {"\xEF\xBB\xBF", ""},
                                                        {"a\xEF\xBB\xBF", "a\xEF\xBB\xBF"}};
    for (const auto& [input, text] : rows) {
        SCOPED_TRACE(input);
        EXPECT_EQ(runCli({}, input).out, runCli({"--", text}).out);
    }
}

TEST_F(CliTest, RefusesBadInputWithOneMessageAndNoFile) {
    writeBytes(dir_ / "kept.html", "kept");
    writeBytes(dir_ / "lone.DAT", "[DATA]\r\ntext=ab\x82\r\n");
    writeBytes(dir_ / "good.DAT", "[DATA]\r\ntext=ab\r\n");
    writeBytes(dir_ / "utf16.DAT", std::string("[\0D\0A\0T\0A\0]\0", 12));
    writeBytes(dir_ / "utf8.DAT", "[DATA]\r\ntext=あいう\r\n");
    std::filesystem::create_symlink("kept.html", dir_ / "link.html");
    std::string seventeen = "000000";
    for (int i = 1; i < 17; ++i) {
        seventeen += ",000000";
    }
    const struct {
        const char* name;
        std::string args;
        std::string message;
        std::string input = "";
        bool brokenOut = false;
    } rows[] = {
        {"unknown flag", "--zork a", "unknown flag --zork (see --help)"},
        {"mistyped flag", "--colors FF0000,00FF00 ab",
         "unknown flag --colors; did you mean --colours?"},
        {"the beginning of a flag", "--thr a", "unknown flag --thr; did you mean --three-colours?"},
        {"a switch negated by no-", "--no-three-colours a",
         "unknown flag --no-three-colours; did you mean --two-colours?"},
        {"three dashes", "---bold", "unknown flag ---bold; did you mean --bold?"},
        // "=" with nothing after it is an empty value, never the next argument.
        {"an empty output name", "--output= kept.html",
         "--output: expected a file name, not an empty one", "text"},
        {"a text that looks like a flag", "-abc",
         "unknown flag -abc; put -- before a text that "
         "begins with -"},
        {"second text", "-- a b",
         "one text is taken, but 2 were given: \"a\", \"b\" (quote a text that holds blanks)"},
        // No switch takes a value, however it is spelt; CLI11 alone would take some for a count
        // and stop on others with an exception.
        {"a plain flag with a huge count", "--merge-runs=99999999999999999999 a",
         "--merge-runs: takes no value, not \"99999999999999999999\""},
        {"a field's switch with a count", "--bold=1 a", "--bold: takes no value, not \"1\""},
        {"missing value", "a --face-name", "--face-name: 1 required NAME missing"},
        {"five-digit colour", "--start-colour 12345 a",
         "--start-colour: expected #RRGGBB or RRGGBB (six hexadecimal digits, red first), not "
         "\"12345\""},
        {"size 8 with an output file", "-o kept.html --size-value 8 a",
         "--size-value: expected a whole number from 1 to 7, not \"8\""},
        {"one colour stop", "--colours FF0000 a",
         "--colours: 1 colour code given; a run takes 2 to 16"},
        {"seventeen colour stops", "--colours " + seventeen + " a",
         "--colours: 17 colour codes given; a run takes 2 to 16"},
        {"a bad colour stop", "--colours FF0000,red a",
         "--colours: expected 2 to 16 colour codes (#RRGGBB or RRGGBB) separated by commas, not "
         "\"FF0000,red\""},
        {"form", "--format html a",
         "--format: expected one of font, span, bbcode, ansi, minimessage, ampersand, json, not "
         "\"html\""},
        {"text outside code page 932 with an output file", "-o kept.html café",
         "text: U+00E9 \"é\" (character 4, counting Unicode characters from 1) is not in code "
         "page 932"},
        {"invalid UTF-8 on standard input", "",
         "standard input: invalid UTF-8 at character 3, byte 3 (counting from 1): truncated "
         "sequence 0xE3 0x81",
         "ab\xE3\x81\n"},
        {"output in a missing directory", "-o missing/x.html a",
         "--output: cannot write missing/x.html: cannot make a file in the directory missing: No "
         "such file or directory"},
        {"output into a directory", "-o . a", "--output: cannot write .: Is a directory"},
        {"standard output", "abc", "cannot write to standard output", "", true},
        {"missing settings file", "--load missing.DAT",
         "--load: cannot read missing.DAT: No such file or directory"},
        {"settings file with a lone lead byte", "--load lone.DAT --save out.DAT",
         "--load: lone.DAT: text: 0x82 at byte 3 (counting bytes from 1) is a lead byte without "
         "its second byte"},
        {"settings file without settings", "--load kept.html",
         "--load: kept.html holds no "
         "gradation settings"},
        {"settings file in UTF-16 without a mark", "--load utf16.DAT",
         "--load: utf16.DAT holds no gradation settings (it looks like UTF-16 without a "
         "byte-order mark; save it as code page 932 or with one)"},
        {"settings file in UTF-8 without a mark", "--load utf8.DAT",
         "--load: utf8.DAT: text: 0x86 at byte 9 (counting bytes from 1) is a lead byte without "
         "its second byte (it looks like UTF-8 without a byte-order mark; save it as code page 932 "
         "or with one)"},
        {"the output over the loaded file", "--load good.DAT -o good.DAT",
         "--output and --load name the same file, good.DAT"},
        {"the same file through a link", "--save link.html -o kept.html a",
         "--output and --save name the same file, link.html"},
        {"a start-up file that is not one", "--save-startup /dev/full a",
         "--save-startup: cannot write /dev/full: not a regular file"},
        {"empty settings file name", "--save \"\" a",
         "--save: cannot write \"\": No such file or directory"},
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
        EXPECT_EQ(dir_.entries(), (std::set<std::string>{"kept.html", "lone.DAT", "good.DAT",
                                                         "utf16.DAT", "utf8.DAT", "link.html"}));
        EXPECT_EQ(readBytes(dir_ / "kept.html"), "kept");
        EXPECT_EQ(readBytes(dir_ / "good.DAT"), "[DATA]\r\ntext=ab\r\n");
    }
}

TEST_F(CliTest, HelpShowsTheDefaultsInUtf8AndTheVersion) {
    EXPECT_NE(runCli({"--help"}).out.find("(default: ＭＳ Ｐゴシック)"), std::string::npos);
    EXPECT_EQ(runCli({"--version", "ignored"}).out,
              "huewright-cli (HuewrightHTML) " + std::string(HUEWRIGHT_VERSION) + "\n");
}

TEST_F(CliTest, StartsFromTheStartupFileUnlessToldNot) {
    writeBytes(dir_ / "lumo.ini", "[Stat]\r\nTB=0\r\nKB=1\r\n");
    EXPECT_EQ(runCli({"a"}).out, "<font color=\"#ff00ff\">a</font><br>\n");
    EXPECT_EQ(runCli({"--no-startup-file", "a"}).out, markupOf({.text = "a"}));
    // The saved values and the file's own keys come back on the next start; the persistence
    // tests pin the file's bytes.
    const std::string saving =
        runCli(words("--save-startup lumo.ini --strong-for-bold --end-colour 00FF00 --bold ab"))
            .out;
    EXPECT_EQ(runCli(words("--bold ab")).out, saving);
    // A tag form keeps its own value while it still says STRONG, with or without --save.
    writeBytes(dir_ / "lumo.ini", "[Stat]\r\nF_TAG=5\r\n");
    runCli(words("--save-startup d.ini --save s.DAT x"));
    EXPECT_NE(readBytes(dir_ / "d.ini").find("F_TAG=5\r\n"), std::string::npos);
}

TEST_F(CliTest, WarnsOfValuesALoadedFileCannotHold) {
    writeBytes(dir_ / "emoji.DAT", "\xEF\xBB\xBF[DATA]\r\ntext=\xF0\x9F\x98\x80\r\n");
    const Outcome outcome = runCli({"--load", "emoji.DAT"});
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

    // The form and the extended options come back from the file's own section, and flags given
    // with the load override them; a file without the section loads as the window's.
    const std::string extended =
        "--format span --colours FF0000,00FF00,0000FF --blend oklch --merge-runs --exact-ends ";
    EXPECT_EQ(runCli(words("--save e.DAT " + extended + flags)).out,
              runCli(words(extended + flags)).out);
    EXPECT_EQ(runCli({"--load", "e.DAT"}).out, runCli(words(extended + flags)).out);
    EXPECT_EQ(runCli({"--load", "e.DAT", "--no-merge-runs", "--format", "bbcode"}).out,
              runCli(words(extended + "--no-merge-runs --format bbcode " + flags)).out);
    // The window's own options add nothing to what the window saves, unless the file holds the
    // section already: then they overwrite it.
    EXPECT_EQ(readBytes(dir_ / "b.DAT").find("[HuewrightHTML]"), std::string::npos);
    runCli(
        words("--load e.DAT --save e.DAT --format font --colours FF0000,0000FF --no-merge-runs "
              "--no-exact-ends --blend rgb"));
    EXPECT_EQ(runCli({"--load", "e.DAT"}).out,
              runCli(words("--colours FF0000,0000FF " + flags)).out);
    writeBytes(dir_ / "plain.DAT", "[DATA]\r\ntext=ab\r\n[HuewrightHTML]\r\nForm=zork\r\n");
    const Outcome plain = runCli({"--load", "plain.DAT"});
    EXPECT_EQ(plain.out, runCli({"--", "ab"}).out);
    EXPECT_EQ(plain.err,
              "huewright-cli: warning: --load: plain.DAT: the value of Form is not one this "
              "version reads, so it keeps its default\n");
    // "--face-name=" is the empty name, and the next argument stays the text.
    EXPECT_EQ(runCli({"--face-name=", "abc"}).out, runCli({"--face-name", "", "abc"}).out);
}

// A FONT fragment the program wrote, in either encoding, reads back into settings that write it
// again; flags go over them, and --save keeps them. Other markup, and --load beside it, are
// refused; colours no settings make are said.
TEST_F(CliTest, ReadsAFragmentOfAnyFormBackIntoItsSettings) {
    const std::string flags = "--three-colours --frame --italic --size-pattern ";
    const Outcome made = runCli(words(flags + "グラデ<x>"));
    writeBytes(dir_ / "a.html", made.out);
    EXPECT_EQ(runCli({"--read-markup", "a.html"}).out, made.out);
    EXPECT_EQ(runCli({"--read-markup", "a.html", "--bold", "--format", "span"}).out,
              runCli(words(flags + "--bold --format span グラデ<x>")).out);
    runCli({"--read-markup", "a.html", "--save", "a.DAT"});
    EXPECT_EQ(runCli({"--load", "a.DAT"}).out, made.out);

    // The Unicode forms keep their grapheme clusters, and their stops and blend; a fragment
    // written to standard output or to a file keeps its line break, where it is a line end too.
    for (const std::string form : {"span", "bbcode", "ansi", "minimessage", "json"}) {
        const std::string made_flags = "--format " + form +
                                       " --colours ff0000,00ff00,0000ff,ffffff --blend oklch "
                                       "--bold e\xCC\x81👍🏽[x]\\<y>abcdefghijklmnopqrstuvwxyz";
        const std::string unicode = runCli(words(made_flags)).out;
        writeBytes(dir_ / "u.txt", unicode);
        EXPECT_EQ(runCli({"--read-markup", "u.txt"}).out, unicode) << form;
        runCli(words(made_flags + " --output o.txt"));
        EXPECT_EQ(runCli({"--read-markup", "o.txt", "--output", "p.txt"}).status, 0) << form;
        EXPECT_EQ(readBytes(dir_ / "p.txt"), readBytes(dir_ / "o.txt")) << form;
    }

    writeBytes(dir_ / "p.html", "<p>x</p>\n");
    const Outcome other = runCli({"--read-markup", "p.html"});
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(other.err,
              "huewright-cli: --read-markup: p.html: not a fragment of this program: read as the "
              "FONT form, a character's tag expected at byte 0\n");
    EXPECT_EQ(runCli({"--read-markup", "a.html", "--load", "a.DAT"}).status, 2);
    std::string edited;
    for (int i = 0; i < 20; ++i) {
        edited += i == 3 || i == 11 || i == 12 ? "<FONT COLOR=\"#000000\">x</FONT>"
                                               : "<FONT COLOR=\"#FFFFFF\">x</FONT>";
    }
    writeBytes(dir_ / "e.html", edited);
    EXPECT_EQ(runCli({"--read-markup", "e.html"}).err,
              "huewright-cli: warning: --read-markup: e.html: no settings make its colours; the "
              "output approaches the fragment\n");
}

// Every combination of destinations with one of them failing leaves every file as it was: the
// output file, the settings file and the start-up file are all prepared before any is committed,
// and standard output is written before them.
TEST_F(CliTest, AFailingDestinationLeavesEveryFileAsItWas) {
    writeBytes(dir_ / "out.html", "old output");
    writeBytes(dir_ / "s.DAT", "[DATA]\r\ntext=old\r\n");
    writeBytes(dir_ / "lumo.ini", "[Stat]\r\nTB=1\r\n");
    writeBytes(dir_ / "utf16.ini", "\xFF\xFE[\x00");  // a mark and half a character: cannot be kept
    std::filesystem::create_directory(dir_ / "folder");
    const std::string missing = "no/x";
    const struct {
        const char* name;
        std::string output, save, startup;
        bool brokenOut = false;
    } rows[] = {
        {"output in a missing directory", missing, "s.DAT", "lumo.ini"},
        {"output into a directory", "folder", "s.DAT", "lumo.ini"},
        {"settings file in a missing directory", "out.html", missing, "lumo.ini"},
        {"settings file that is a directory", "-", "folder", "lumo.ini"},
        {"start-up file that cannot be decoded", "out.html", "s.DAT", "utf16.ini"},
        {"standard output", "-", "s.DAT", "lumo.ini", true},
        {"standard output alone with a settings file", "", "s.DAT", "", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto before = filesIn(dir_.path());
        std::vector<std::string> args = {"NEWTEXT"};
        for (const auto& [flag, file] :
             {std::pair{"-o", row.output}, {"--save", row.save}, {"--save-startup", row.startup}}) {
            if (!file.empty()) {
                args.insert(args.end(), {flag, file});
            }
        }
        const Outcome outcome = runCli(args, "", row.brokenOut);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(filesIn(dir_.path()), before);
    }
}

// A rename that fails after another succeeded cannot be taken back: the message says where
// things stand.
TEST_F(CliTest, ACommitThatFailsLateSaysWhatWasWritten) {
    FailingCalls calls("second rename", false);
    const Outcome outcome =
        runCli(words("-o out.html --save s.DAT --save-startup d.ini x"), "", false, &calls);
    EXPECT_EQ(outcome.status, 2);
    // The C library words the reason: glibc and Emscripten's musl differ.
    const std::string reason = std::make_error_code(std::errc::cross_device_link).message();
    EXPECT_EQ(outcome.err, "huewright-cli: --save: cannot write s.DAT: " + reason +
                               " (written: out.html; not written: s.DAT, d.ini)\n");
    EXPECT_EQ(dir_.entries(), std::set<std::string>{"out.html"});
}

// A directory where no file can be made is named as the culprit, not the file.
TEST_F(CliTest, ADirectoryThatTakesNoFileIsNamed) {
    FailingCalls calls("create", false);
    const Outcome outcome = runCli(words("--save s.DAT x"), "", false, &calls);
    EXPECT_EQ(outcome.err,
              "huewright-cli: --save: cannot write s.DAT: cannot make a file in the "
              "directory .: " +
                  std::make_error_code(std::errc::permission_denied).message() + "\n");
    EXPECT_EQ(dir_.entries(), std::set<std::string>{});
}

// Typed, pasted or loaded text stays text in the forms we made: what would drive a browser or a
// terminal is refused with its culprit, what HTML gives meaning to is escaped. The FONT form takes
// its texts as typed.
TEST_F(CliTest, UntrustedTextStaysText) {
    writeBytes(dir_ / "ff.DAT", "[Stat]\r\nFontName=x\x0c;color:red\r\n[DATA]\r\ntext=ab\r\n");
    // The refusal of character 2 of `field`, `what`, which `form` does not pass through.
    const auto notPassed = [](const std::string& field, const std::string& character,
                              const std::string& form,
                              const std::string& what = "a control character") {
        return field + ": " + character + " (character 2, counting from 1) is " + what +
               ", which the " + form + " form does not pass through";
    };
    const struct {
        std::vector<std::string> args;
        std::string expected;  // the output, or the message after "huewright-cli: "
        bool refused = true;
    } rows[] = {
        {{"--format", "ansi", "a\x1b]52;c;eA==\x07"}, notPassed("text", "U+001B", "ansi")},
        {{"--format", "bbcode", "a\uFFFE"},
         notPassed("text", "U+FFFE", "bbcode", "a noncharacter")},
        {{"--format", "span", "--link", "--link-target", "a\nb", "x"},
         notPassed("--link-target", "U+000A", "span")},
        {{"--format", "span", "--link", "--link-target", " JavaScript:alert(1)", "x"},
         "--link-target: the span form takes links that are relative or use http, https, mailto "
         "or ftp, not \"JavaScript:\""},
        {{"--format", "bbcode", "--face-name", "a]", "x"},
         "--face-name: a bbcode face name cannot hold \"[\" or \"]\""},
        {{"--format", "bbcode", "--load", "ff.DAT"},
         notPassed("--load: ff.DAT: FontName", "U+000C", "bbcode")},
        {{"--format", "span", "--no-size", "--no-line-break", "--load", "ff.DAT"},
         "<span style=\"font-family:'x\\c ;color:red'\"><span style=\"color:#ff00ff\">a</span>"
         "<span style=\"color:#0000ff\">b</span></span>\n",
         false},
        {{"--format", "span", "--no-face", "--no-size", "--no-line-break", "--link",
          "--link-target", "mailto:a@b?x=<&>", "a\tb"},
         "<a href=\"mailto:a@b?x=&lt;&amp;&gt;\"><span style=\"color:#ff00ff\">a</span><span "
         "style=\"color:#8000ff\">\t</span><span style=\"color:#0000ff\">b</span></a>\n",
         false},
        {{"--format", "bbcode", "--face-name", "", "--no-size", "--no-line-break", "--link",
          "--link-target", "page.html?t=2:30", "x"},
         "[url=page.html?t=2:30][color=#FF00FF]x[/color][/url]\n",
         false},
        // A Unicode form keeps a family emoji whole, in one colour.
        {{"--format", "span", "--no-face", "--no-size", "--no-line-break", "👨‍👩‍👧"},
         "<span style=\"color:#ff00ff\">👨‍👩‍👧</span>\n",
         false},
        // Chat: no text becomes a tag or a code, and the link keeps to its quotes.
        {{"--format", "minimessage", "--no-line-break", "--link", "--link-target", "a'<b>", "<b>"},
         "<click:open_url:'a\\'<b>'><#ff00ff>\\<<#8000ff>b<#0000ff>></click>\n",
         false},
        {{"--format", "ampersand", "--merge-runs", "--colours", "FF0000,FF0000", "x&l"},
         "text: U+0026 \"&\" (character 2, counting from 1) starts a colour or format code in "
         "chat, and the ampersand form has no escape; without --merge-runs each character has a "
         "colour code of its own"},
        {{"--format", "json", "--no-line-break", "--link", "--link-target", "javascript:x", "a"},
         "--link-target: the json form takes links that are relative or use http, https, mailto "
         "or ftp, not \"javascript:\""},
        {{"--no-face", "--no-size", "--no-line-break", "--link", "--link-target", "javascript:x",
          "<"},
         "<A HREF=\"javascript:x\"><FONT COLOR=\"#FF00FF\"><</FONT></A>\n",
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const Outcome outcome = runCli(row.args);
        EXPECT_EQ(outcome.status, row.refused ? 2 : 0);
        EXPECT_EQ(row.refused ? outcome.err : outcome.out,
                  row.refused ? "huewright-cli: " + row.expected + "\n" : row.expected);
    }
}

}  // namespace
}  // namespace huewright::test
