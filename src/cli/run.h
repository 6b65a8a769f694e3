#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace huewright {

class SystemCalls;

/// Runs huewright-cli with `args` (the arguments after the program name): writes the output, its
/// length, the help or the version to `out`, reads the text from `in` when no text argument or
/// settings file gives one. Returns the exit status: 0 on success, 2 after one message on `err`
/// for any failure.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

/// As run(args, in, out, err), making the settings files' and the output file's saves through
/// `calls`.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, SystemCalls& calls);

}  // namespace huewright
