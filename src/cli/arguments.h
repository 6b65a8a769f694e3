#pragma once

#include <string>
#include <vector>

#include "cli/plan.h"

namespace huewright {

/// What the arguments ask for: a run as planned, the help text, or the version line.
struct ParsedArguments {
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    Plan plan;         ///< for Request::Run
    std::string text;  ///< the help text or the version line, with its line end
};

/// Parses the arguments after the program name. Reads no file. Throws UsageError naming the
/// flag and the value for anything malformed, unknown or superfluous.
ParsedArguments parseArguments(const std::vector<std::string>& args);

}  // namespace huewright
