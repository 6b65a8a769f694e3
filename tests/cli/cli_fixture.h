#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "persistence/file_system.h"
#include "persistence/system_calls.h"
#include "support/temporary_directory.h"

namespace huewright::test {

/// What one in-process run of the CLI gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

/// The arguments of a command line whose arguments hold no blanks; "" stands for an empty one.
inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        args.push_back(word == "\"\"" ? "" : word);
    }
    return args;
}

/// Each test hands the CLI a fresh working directory of its own; the process stays where it is.
class CliTest : public testing::Test {
  protected:
    /// Runs the CLI in-process on `args` with `input` as standard input; with `brokenOut` its
    /// standard output fails. Saves go through `calls` when given.
    Outcome runCli(const std::vector<std::string>& args, const std::string& input = "",
                   bool brokenOut = false, SystemCalls* calls = nullptr) const {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        if (brokenOut) {
            out.setstate(std::ios::badbit);
        }
        SystemCalls system;
        DiskFileSystem files;
        const int status =
            run(args, in, out, err, {files, dir_.path(), calls != nullptr ? *calls : system});
        return {status, out.str(), err.str()};
    }

    TemporaryDirectory dir_;
};

}  // namespace huewright::test
