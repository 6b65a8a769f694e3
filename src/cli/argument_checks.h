#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace huewright {

/// Accepts a colour code "#RRGGBB" or "RRGGBB" (see parseColourCode).
CLI::Validator colourCode();

/// Accepts a whole number from `lowest` to `highest`, both included.
CLI::Validator wholeNumberIn(int lowest, int highest);

/// Accepts exactly one of `choices`.
CLI::Validator oneOf(std::vector<std::string> choices);

/// Converts a UTF-8 value to code page 932 bytes in place; refuses malformed UTF-8 and characters
/// that code page 932 cannot hold.
CLI::Validator codePage932Text();

}  // namespace huewright
