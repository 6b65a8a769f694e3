#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/plan.h"

namespace huewright {

/// Registers the positional text and a flag for every other field of GradationSettings; parsing
/// `app` then fills `fields`, which must outlive the parse. A flag given twice takes its last
/// value.
void addSettingsFlags(CLI::App& app,
                      std::array<std::optional<FieldValue>, kGradationFields.size()>& fields);

/// The flag that gives field `index` of kGradationFields ("text" for the text itself).
std::string flagOf(std::size_t index);

}  // namespace huewright
