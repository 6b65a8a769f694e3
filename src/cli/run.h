#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace huewright {

/// Runs huewright-cli with `args` (the arguments after the program name): writes the markup, its
/// length or the help to `out`, reads the text from `in` when no text argument is given. Returns
/// the exit status: 0 on success, 2 after one message on `err` for bad input or output that
/// cannot be written, 1 after one message for any other failure.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace huewright
