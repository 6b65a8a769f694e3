#pragma once

#include <iosfwd>

#include "cli/plan.h"
#include "cli/run_context.h"

namespace huewright {

/// Carries out `plan`: reads the start-up file and a loaded settings file, reads the text from
/// `in` when the plan gives none, writes the output (or its length) to its destination and the
/// settings files asked for, all or none of them. Warnings go to `err`. Throws UsageError with
/// the whole message for anything that stops the run; no file has changed then, unless the
/// message says what was written.
void execute(const Plan& plan, std::istream& in, std::ostream& out, std::ostream& err,
             const RunContext& context);

}  // namespace huewright
