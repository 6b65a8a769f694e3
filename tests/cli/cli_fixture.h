#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"
#include "support/temporary_directory.h"

namespace huewright::test {

/// What one in-process run of the CLI gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

/// Runs the CLI in-process on `args` with `input` as standard input; with `brokenOut` its
/// standard output fails.
inline Outcome runCli(const std::vector<std::string>& args, const std::string& input = "",
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

/// The arguments of a command line whose arguments hold no blanks; "" stands for an empty one.
inline std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> args;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        const std::string_view word = line.substr(at, end - at);
        args.emplace_back(word == "\"\"" ? std::string_view() : word);
        at = end + 1;
    }
    return args;
}

/// Each test runs in a fresh working directory, where the start-up file is looked for.
class CliTest : public testing::Test {
  protected:
    void SetUp() override { std::filesystem::current_path(dir_.path()); }
    void TearDown() override { std::filesystem::current_path(previous_); }

    TemporaryDirectory dir_;
    std::filesystem::path previous_ = std::filesystem::current_path();
};

}  // namespace huewright::test
