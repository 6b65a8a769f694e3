#pragma once

#include <iosfwd>
#include <string>

#include "cli/plan.h"
#include "cli/run_context.h"
#include "generator/font_form_reader.h"
#include "generator/output.h"
#include "model/main_window_model.h"

namespace huewright {

/// The text from standard input, less a byte-order mark and one trailing line end (CR LF, LF or
/// CR), as well-formed UTF-8. Throws UsageError when it cannot be read or is not UTF-8.
std::string readText(std::istream& in);

/// A settings file as loaded: the form and options its own section keeps, and a hint for
/// messages about its texts when its bytes look like another encoding.
struct LoadedFile {
    OutputOptions extended;
    std::string encodingHint;
};

/// Loads `file`, as the command line names it in `context`, into `window` by the window's rules,
/// reading it once. Unlike the window, which loads silently, a script hears of a file it cannot
/// read or that holds no settings at all (UsageError), and of values it could not take (warnings
/// on `err`).
LoadedFile loadSettingsFile(MainWindowModel& window, const RunContext& context,
                            const std::string& file, std::ostream& err);

/// Reads the FONT fragment `file`, in `encoding` as this program writes it (one trailing line
/// end aside), back into the settings that make it. A file that cannot be read, or that holds no
/// fragment of the FONT form, stops the run (UsageError); details it could not recover are
/// warnings on `err`.
FragmentRead readMarkupFile(const RunContext& context, const std::string& file, Encoding encoding,
                            std::ostream& err);

}  // namespace huewright
