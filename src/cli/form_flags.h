#pragma once

#include <CLI/CLI.hpp>

#include "generator/output.h"

namespace huewright {

/// Registers the flags that choose the output's form, stops and blend (everything of
/// OutputOptions but how texts are encoded); parsing `app` then fills `options`, which must
/// outlive the parse.
void addFormFlags(CLI::App& app, OutputOptions& options);

}  // namespace huewright
