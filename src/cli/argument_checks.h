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

/// Records on a flag the names it takes, for shell completion, in a check that CLI11 never runs:
/// the flag's callback checks the value it keeps with oneOf. Attach it with Option::check.
CLI::Validator choiceList(const std::vector<std::string>& choices);

/// The names that choiceList recorded on `option`, or none.
std::vector<std::string> listedChoices(CLI::Option& option);

/// Accepts well-formed UTF-8.
CLI::Validator utf8Text();

/// Runs `check` on the value a flag took, which it may transform in place. Checking the value
/// the flag keeps, not every value it was given, lets a repeated flag take its last value.
/// Throws CLI::ValidationError naming `flag` when the check refuses the value.
void requireValid(const CLI::Validator& check, const std::string& flag, std::string& value);

}  // namespace huewright
