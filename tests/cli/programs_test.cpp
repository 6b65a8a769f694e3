#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli_fixture.h"

// Tests that start other programs: the real binary under a shell, and Python's HTML5 parser.

namespace huewright::test {
namespace {

// What the span form writes, a strict HTML5 parser reads without a single error, here a face
// name with a control character as a CSS escape; the golden files of the span form are read so
// too, with escaped texts, links, frames and spaces kept.
TEST_F(CliTest, TheSpanFormReadsAsStrictHtml5) {
    writeBytes(dir_ / "ff.DAT", "[Stat]\r\nFontName=x\x0c;color:red\r\n[DATA]\r\ntext=ab\r\n");
    const Outcome outcome = runCli({"--format", "span", "--no-size", "--load", "ff.DAT"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::string page = (dir_ / "span.html").string();
    writeBytes(page, outcome.out);
    EXPECT_EQ(std::system((HUEWRIGHT_PYTHON " " HUEWRIGHT_HTML5_CHECK " " + page).c_str()), 0);
}

// What a shell does with the real binary's descriptors: standard output gets what run() prints,
// a redirected standard output is written into, not replaced, and failures to write or read it
// are failures. A closed standard stream is never the descriptor of a file the run writes.
TEST_F(CliTest, TheBinaryKeepsToTheShellsRedirections) {
    ASSERT_EQ(runCli({"--no-startup-file", "--save", "saved.DAT", "x"}).status, 0);
    const std::string saved = readBytes(dir_ / "saved.DAT");
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
        {cli + " --save page.txt x > /dev/full", 2, ""},
        {cli + " < /", 2, ""},
        {cli + " <&-", 2, ""},
        {cli + " --no-startup-file --save page.txt x >&-", 2, ""},
        {cli + " --save-startup page.txt x >&-", 2, ""},
        {cli + " --length -o page.txt x >&-", 2, ""},
        {cli + " --no-startup-file --save page.txt x 2>&-", 0, saved},
    };
    const std::string shell = "cd '" + dir_.path().string() + "' && sh -c \"";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        std::remove((dir_ / "page.txt").c_str());
        const int status = std::system((shell + row.script + "\" 2>/dev/null").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), row.status);
        EXPECT_EQ(readBytes(dir_ / "page.txt"), row.file);
    }
}

}  // namespace
}  // namespace huewright::test
