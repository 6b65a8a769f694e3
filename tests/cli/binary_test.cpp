#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
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

}  // namespace
}  // namespace huewright
