#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/run_context.h"

namespace huewright {

/// Runs huewright-cli with `args` (the arguments after the program name) in `context`: writes the
/// output, its length, the help or the version to `out`, reads the text from `in` when no text
/// argument or settings file gives one. Returns the exit status: 0 on success, 2 after one message
/// on `err` for any failure.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const RunContext& context);

}  // namespace huewright
