#include "cli/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "expected_markup.h"

namespace huewright {
namespace {

namespace fs = std::filesystem;

// The window's face name in code page 932.
const std::string kFaceBytes = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runCli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh empty directory for one test, removed afterwards.
class CliFileTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("huewright-cli-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
};

TEST(CliRunTest, DefaultsAreTheWindowsStart) {
    EXPECT_EQ(runCli({"abc"}).out, kAbcMarkup + "\n");
    EXPECT_EQ(runCli({"--length", "abc"}).out, "140\n");
    const std::string cp932 = "<FONT FACE=\"" + kFaceBytes +
                              "\" SIZE=\"3\" ><FONT COLOR=\"#FF00FF\">a</FONT>"
                              "<FONT COLOR=\"#8000FF\">b</FONT><FONT COLOR=\"#0000FF\">c</FONT>"
                              "</FONT><BR>\n";
    EXPECT_EQ(runCli({"--encoding", "cp932", "abc"}).out, cp932);
    const Outcome outcome = runCli({"abc"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
}

TEST(CliRunTest, FlagsSetTheirFields) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string out;
    } rows[] = {
        {"frame, background, link, strong, valley, lower case",
         {"--lower-case-tags", "--frame", "--frame-width", "2", "--frame-background",
          "--background-colour", "FFFF00", "--link", "--bold", "--strong-for-bold",
          "--size-pattern", "--pattern-kind", "valley", "--no-face", "--no-line-break", "abcde"},
         "<table border=\"2\"><tr><td bgcolor=\"#ffff00\"><a href=\"http://\"><strong>"
         "<font color=\"#ff00ff\" size=\"7\">a</font><font color=\"#c000ff\" size=\"5\">b</font>"
         "<font color=\"#8000ff\" size=\"3\">c</font><font color=\"#4000ff\" size=\"5\">d</font>"
         "<font color=\"#0000ff\" size=\"7\">e</font></strong></a></td></tr></table>"},
        {"colours red first, either case, with or without hash",
         {"--no-face", "--no-size", "--no-line-break", "--start-colour", "#a0b1c2", "--end-colour",
          "0A0B0C", "ab"},
         "<FONT COLOR=\"#A0B1C2\">a</FONT><FONT COLOR=\"#0A0B0C\">b</FONT>"},
        {"three colours through the middle",
         {"--no-face", "--no-size", "--no-line-break", "--three-colours", "--middle-colour",
          "FFFF00", "abcd"},
         "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#FFFF00\">b</FONT>"
         "<FONT COLOR=\"#80807F\">c</FONT><FONT COLOR=\"#0000FF\">d</FONT>"},
        {"alternate",
         {"--no-face", "--no-size", "--no-line-break", "--alternate", "abc"},
         "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#0000FF\">b</FONT>"
         "<FONT COLOR=\"#FF00FF\">c</FONT>"},
        {"size without face",
         {"--no-face", "--size-value", "7", "a"},
         "<FONT SIZE=\"7\" ><FONT COLOR=\"#FF00FF\">a</FONT></FONT><BR>"},
        {"face name without size",
         {"--no-size", "--face-name", "メイリオ \"x\"", "a"},
         "<FONT FACE=\"メイリオ \"x\"\" ><FONT COLOR=\"#FF00FF\">a</FONT></FONT><BR>"},
        {"every style, em and b",
         {"--no-face", "--no-size", "--no-line-break", "--bold", "--italic", "--underline",
          "--strike", "--em-for-italic", "--b-for-bold", "a"},
         "<B><EM><U><STRIKE><FONT COLOR=\"#FF00FF\">a</FONT></STRIKE></U></EM></B>"},
        {"alternating pattern with its limits",
         {"--no-face", "--no-line-break", "--size-pattern", "--pattern-kind", "alternating",
          "--pattern-max", "1", "--pattern-min", "2", "ab"},
         "<FONT COLOR=\"#FF00FF\" SIZE=\"1\">a</FONT><FONT COLOR=\"#0000FF\" SIZE=\"2\">b</FONT>"},
        {"link target in Japanese",
         {"--no-face", "--no-size", "--no-line-break", "--link", "--link-target", "https://例.jp/",
          "a"},
         "<A HREF=\"https://例.jp/\"><FONT COLOR=\"#FF00FF\">a</FONT></A>"},
        {"widest frame",
         {"--no-face", "--no-size", "--frame", "--frame-width", "99", ""},
         "<TABLE BORDER=\"99\"><TR><TD></TD></TR></TABLE><BR>"},
        {"last of a flag given twice wins",
         {"--no-face", "--no-bold", "--bold", "--size-value", "2", "--size-value", "4",
          "--upper-case-tags", "--lower-case-tags", "--no-line-break", "a"},
         "<font size=\"4\" ><b><font color=\"#ff00ff\">a</font></b></font>"},
        {"a text after -- may begin with -",
         {"--no-face", "--no-size", "--no-line-break", "--", "-"},
         "<FONT COLOR=\"#FF00FF\">-</FONT>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCli(row.args);
        EXPECT_EQ(outcome.out, row.out + "\n");
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.status, 0);
    }
}

TEST(CliRunTest, ReadsStandardInputWithoutText) {
    const struct {
        const char* name;
        std::string input;
        std::string out;
    } rows[] = {
        {"line feed", "ab\n", "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#0000FF\">b</FONT>"},
        {"carriage return and line feed", "ab\r\n",
         "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#0000FF\">b</FONT>"},
        {"no line end", "ab", "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#0000FF\">b</FONT>"},
        {"only one line end is removed", "a\n\n",
         "<FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#0000FF\">\n</FONT>"},
        {"nothing", "", ""},
        {"double-byte", "あ\n", "<FONT COLOR=\"#FF00FF\">あ</FONT>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCli({"--no-face", "--no-size", "--no-line-break"}, row.input);
        EXPECT_EQ(outcome.out, row.out + "\n");
        EXPECT_EQ(outcome.status, 0);
    }
    EXPECT_EQ(runCli({"--length"}, "abc\n").out, "140\n");
}

TEST(CliRunTest, RefusesBadInputWithOneMessage) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string input;
        std::string message;
    } rows[] = {
        {"unknown flag", {"--zork", "a"}, "", "The following argument was not expected: --zork"},
        {"second text", {"a", "b"}, "", "The following argument was not expected: b"},
        {"missing value", {"a", "--face-name"}, "", "--face-name: 1 required NAME missing"},
        {"five-digit colour",
         {"--start-colour", "12345", "a"},
         "",
         "--start-colour: expected #RRGGBB or RRGGBB (six hexadecimal digits, red first), not "
         "\"12345\""},
        {"colour with a non-hex digit",
         {"--background-colour", "#FG0000", "a"},
         "",
         "--background-colour: expected #RRGGBB or RRGGBB (six hexadecimal digits, red first), "
         "not \"#FG0000\""},
        {"size 0",
         {"--size-value", "0", "a"},
         "",
         "--size-value: expected a whole number from 1 to 7, not \"0\""},
        {"size 8",
         {"--size-value", "8", "a"},
         "",
         "--size-value: expected a whole number from 1 to 7, not \"8\""},
        {"size not a number",
         {"--size-value", "3x", "a"},
         "",
         "--size-value: expected a whole number from 1 to 7, not \"3x\""},
        {"pattern maximum 8",
         {"--pattern-max", "8", "a"},
         "",
         "--pattern-max: expected a whole number from 1 to 7, not \"8\""},
        {"frame width -1",
         {"--frame-width", "-1", "a"},
         "",
         "--frame-width: expected a whole number from 0 to 99, not \"-1\""},
        {"frame width 100",
         {"--frame-width", "100", "a"},
         "",
         "--frame-width: expected a whole number from 0 to 99, not \"100\""},
        {"pattern kind",
         {"--pattern-kind", "rising", "a"},
         "",
         "--pattern-kind: expected one of falling, valley, alternating, none, not \"rising\""},
        {"encoding",
         {"--encoding", "shift_jis", "a"},
         "",
         "--encoding: expected one of utf-8, cp932, not \"shift_jis\""},
        {"text outside code page 932",
         {"caf\xC3\xA9"},
         "",
         "text: U+00E9 \"\xC3\xA9\" (character 4, counting Unicode characters from 1) is not in "
         "code page 932"},
        {"face name outside code page 932",
         {"--face-name", "\xF0\x9F\x98\x80", "a"},
         "",
         "--face-name: U+1F600 \"\xF0\x9F\x98\x80\" (character 1, counting Unicode characters "
         "from 1) is not in code page 932"},
        {"link target outside code page 932",
         {"--link-target", "x\xC2\xA5", "a"},
         "",
         "--link-target: U+00A5 \"\xC2\xA5\" (character 2, counting Unicode characters from 1) "
         "is not in code page 932"},
        {"invalid UTF-8 in the text",
         {"a\x80"},
         "",
         "text: invalid UTF-8 at character 2, byte 2 (counting from 1): unexpected continuation "
         "byte 0x80"},
        {"invalid UTF-8 on standard input",
         {},
         "ab\xE3\x81\n",
         "standard input: invalid UTF-8 at character 3, byte 3 (counting from 1): truncated "
         "sequence 0xE3 0x81"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCli(row.args, row.input);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "huewright-cli: " + row.message + "\n");
    }
}

TEST(CliRunTest, HelpListsTheFlags) {
    const Outcome outcome = runCli({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_NE(outcome.out.find("Usage: huewright-cli [OPTIONS] [text]"), std::string::npos);
    EXPECT_NE(outcome.out.find("--line-break, --no-line-break"), std::string::npos);
    EXPECT_NE(outcome.out.find("(default: ＭＳ Ｐゴシック)"), std::string::npos);
}

TEST(CliRunTest, ReportsAStandardOutputThatCannotBeWritten) {
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(run({"abc"}, in, out, err), 2);
    EXPECT_EQ(err.str(), "huewright-cli: cannot write to standard output\n");
}

TEST_F(CliFileTest, WritesExactBytesToTheOutputFile) {
    const fs::path file = dir_ / "out.html";
    std::ofstream(file) << "old content that is longer than the markup, to be replaced whole";
    Outcome outcome = runCli({"--output", file.string(), "abc"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(readFile(file), kAbcMarkup);

    outcome = runCli({"-o", file.string(), "--encoding", "cp932", "--length", "abc"});
    EXPECT_EQ(outcome.out, "140\n");
    EXPECT_EQ(readFile(file).size(), 140u);
    EXPECT_EQ(readFile(file).substr(12, kFaceBytes.size()), kFaceBytes);
    EXPECT_EQ(entries(), std::vector<std::string>{"out.html"});
}

TEST_F(CliFileTest, LeavesNoFileBehindOnError) {
    const fs::path kept = dir_ / "kept.html";
    std::ofstream(kept) << "kept";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {"bad flag with an existing file",
         {"-o", kept.string(), "--size-value", "9", "a"},
         "--size-value: expected a whole number from 1 to 7, not \"9\""},
        {"bad text with a new file",
         {"-o", (dir_ / "new.html").string(), "\xC3\xA9"},
         "text: U+00E9 \"\xC3\xA9\" (character 1, counting Unicode characters from 1) is not in "
         "code page 932"},
        {"missing directory",
         {"-o", (dir_ / "missing" / "x.html").string(), "a"},
         "--output: cannot write " + (dir_ / "missing" / "x.html").string()},
        {"a directory", {"-o", dir_.string(), "a"}, "--output: cannot write " + dir_.string()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCli(row.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "huewright-cli: " + row.message + "\n");
        EXPECT_EQ(entries(), std::vector<std::string>{"kept.html"});
        EXPECT_EQ(readFile(kept), "kept");
    }
}

// The settings files are read and written relative to the working directory, as the window does.
class CliSettingsFileTest : public CliFileTest {
  protected:
    void SetUp() override {
        CliFileTest::SetUp();
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        CliFileTest::TearDown();
    }

  private:
    fs::path previous_;
};

TEST_F(CliSettingsFileTest, LoadsAFileAsTheWindowWouldAndWritesItsBytes) {
    // The start-up file's upper-case option is off; the loaded file sets text, colours and frame.
    std::ofstream("lumo.ini") << "[Stat]\r\nTB=0\r\n";
    std::ofstream("a.DAT") << "[Stat]\r\nCol1=255\r\nCol3=16711680\r\nWB=1\r\nWS=150\r\n"
                              "[DATA]\r\ntext=ab\r\n";
    const Outcome outcome =
        runCli({"--load", "a.DAT", "--encoding", "cp932", "--output", "out.html"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(readFile(dir_ / "out.html"),
              "<table border=\"99\"><tr><td><font color=\"#ff0000\">a</font>"
              "<font color=\"#0000ff\">b</font></td></tr></table>");
}

TEST_F(CliSettingsFileTest, FlagsApplyAfterTheLoadedFile) {
    std::ofstream("a.DAT") << "[Stat]\r\nKB=0\r\nFS=0\r\nSS=0\r\n[DATA]\r\ntext=ab\r\n";
    const Outcome outcome = runCli({"--load", "a.DAT", "--bold", "--end-colour", "#00FF00"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "<B><FONT COLOR=\"#FF00FF\">a</FONT><FONT COLOR=\"#00FF00\">b</FONT></B>\n");
}

TEST_F(CliSettingsFileTest, SavedFilesLoadBackToTheSameMarkup) {
    const std::vector<std::string> flags = {"--three-colours",
                                            "--frame",
                                            "--frame-width",
                                            "3",
                                            "--frame-background",
                                            "--link",
                                            "--link-target",
                                            "http://x/",
                                            "--size-pattern",
                                            "--pattern-kind",
                                            "valley",
                                            "--pattern-max",
                                            "6",
                                            "--pattern-min",
                                            "2",
                                            "--italic",
                                            "--no-line-break",
                                            "xyz\xE3\x81\x82"};
    std::vector<std::string> saving = {"--save", "b.DAT"};
    saving.insert(saving.end(), flags.begin(), flags.end());
    const Outcome saved = runCli(saving);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, runCli(flags).out);
    const std::string file = readFile(dir_ / "b.DAT");
    EXPECT_NE(file.find("Ftype1B=0\r\nFtype2B=1\r\nFtype3B=0\r\nFDsize=6\r\nFSsize=2\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("[DATA]\r\ntext=xyz\x82\xA0\r\n"), std::string::npos);
    const Outcome loaded = runCli({"--load", "b.DAT"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.out, saved.out);
}

TEST_F(CliSettingsFileTest, RefusesFilesItCannotUse) {
    Outcome outcome = runCli({"--load", "missing.DAT"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "huewright-cli: --load: cannot read missing.DAT\n");
    const std::string target = (dir_ / "no" / "c.DAT").string();
    outcome = runCli({"--save", target, "a"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "huewright-cli: --save: cannot write " + target + "\n");

    outcome = runCli({"--save", "d.DAT"}, "a\nb");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "huewright-cli: --save: cannot write d.DAT: the value of text holds a line break or "
              "a NUL byte, which a settings file cannot keep\n");
    EXPECT_FALSE(fs::exists(dir_ / "d.DAT"));
}

}  // namespace
}  // namespace huewright
