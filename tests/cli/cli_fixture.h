#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "persistence/system_calls.h"
#include "support/temporary_directory.h"

namespace huewright::test {

/// What one in-process run of the CLI gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

/// Runs the CLI in-process on `args` with `input` as standard input; with `brokenOut` its
/// standard output fails. Saves go through `calls` when given.
inline Outcome runCli(const std::vector<std::string>& args, const std::string& input = "",
                      bool brokenOut = false, SystemCalls* calls = nullptr) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    if (brokenOut) {
        out.setstate(std::ios::badbit);
    }
    const int status = calls != nullptr ? run(args, in, out, err, *calls) : run(args, in, out, err);
    return {status, out.str(), err.str()};
}

/// The arguments of a command line whose arguments hold no blanks; "" stands for an empty one.
inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        args.push_back(word == "\"\"" ? "" : word);
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
