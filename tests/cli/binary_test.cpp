#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/run.h"

namespace huewright {
namespace {

TEST(CliBinaryTest, PrintsWhatRunPrints) {
    FILE* pipe = popen("'" HUEWRIGHT_CLI_BINARY "' abc", "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 256> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::istringstream in;
    std::ostringstream expected;
    std::ostringstream err;
    run({"abc"}, in, expected, err);
    EXPECT_EQ(out, expected.str());
    EXPECT_NE(out.find("ＭＳ Ｐゴシック"), std::string::npos);
}

// What a shell does with the real binary's descriptors: a redirected standard output is written
// into, not replaced, and failures to write or read it are failures.
TEST(CliBinaryTest, KeepsToTheShellsRedirections) {
    const std::string cli = "'" HUEWRIGHT_CLI_BINARY "'";
    const struct {
        std::string script;
        int status;
        std::string file;  // what page.txt holds afterwards
    } rows[] = {
        {"printf 'a\\n' > page.txt; " + cli + " -o /dev/stdout x >> page.txt", 0, "a\n"},
        {"{ echo HEAD; " + cli + " -o /dev/fd/1 x; echo FOOT; } > page.txt", 0, "HEAD\n"},
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
        FILE* page = std::fopen("page.txt", "r");
        std::string text;
        for (int c; page != nullptr && (c = std::fgetc(page)) != EOF;) {
            text += static_cast<char>(c);
        }
        if (page != nullptr) {
            std::fclose(page);
        }
        EXPECT_TRUE(text.starts_with(row.file)) << text;
        if (row.script.find("FOOT") != std::string::npos) {
            EXPECT_TRUE(text.ends_with("FOOT\n")) << text;
        }
    }
    std::remove("page.txt");
}

}  // namespace
}  // namespace huewright
