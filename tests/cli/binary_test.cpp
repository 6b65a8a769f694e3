#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "expected_markup.h"

namespace huewright {
namespace {

TEST(CliBinaryTest, PrintsTheMarkupForItsArgument) {
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
    EXPECT_EQ(out, kAbcMarkup + "\n");
}

}  // namespace
}  // namespace huewright
