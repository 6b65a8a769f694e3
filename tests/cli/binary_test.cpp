#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "../persistence/temporary_directory.h"
#include "cli/run.h"

namespace huewright {
namespace {

// What a shell does with the real binary's descriptors: standard output gets what run() prints,
// a redirected standard output is written into, not replaced, and failures to write or read it
// are failures.
TEST(CliBinaryTest, KeepsToTheShellsRedirections) {
    std::istringstream in;
    std::ostringstream printed;
    std::ostringstream err;
    run({"x"}, in, printed, err);
    const std::string line = printed.str();
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
        EXPECT_EQ(test::readBytes("page.txt"), row.file);
    }
    std::remove("page.txt");
}

}  // namespace
}  // namespace huewright
