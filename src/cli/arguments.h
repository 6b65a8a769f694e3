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

/// A flag of huewright-cli as a shell completes it.
struct FlagSummary {
    std::vector<std::string> names;    ///< such as "-o" and "--output", or "--bold" and "--no-bold"
    std::string valueName;             ///< such as "FILE"; empty for a flag that takes no value
    std::vector<std::string> choices;  ///< the names its value is one of; empty when free
};

/// Every flag huewright-cli takes (not its text), read from the parser parseArguments uses.
std::vector<FlagSummary> flagSummaries();

/// Parses the arguments after the program name. Reads no file. Throws UsageError naming the
/// flag and the value for anything malformed, unknown or superfluous.
ParsedArguments parseArguments(const std::vector<std::string>& args);

}  // namespace huewright
