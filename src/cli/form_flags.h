#pragma once

#include <CLI/CLI.hpp>

#include "cli/plan.h"

namespace huewright {

/// Registers the flags that choose the output's form, stops and blend (everything of
/// OutputOptions but how texts are encoded); parsing `app` then fills `choices`, which must
/// outlive the parse.
void addFormFlags(CLI::App& app, FormChoices& choices);

}  // namespace huewright
