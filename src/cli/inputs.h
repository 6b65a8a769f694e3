#pragma once

#include <iosfwd>
#include <string>

#include "cli/plan.h"
#include "cli/run_context.h"
#include "generator/fragment_reader.h"
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

/// Reads the fragment `file`, in any output form and in `encoding` as this program writes it to a
/// file or to standard output, back into the settings that make it: their texts are code page 932
/// unless the options' utf8Characters is set. A file that cannot be read, or that holds no
/// fragment of ours, stops the run (UsageError); details it could not recover are warnings on
/// `err`.
FragmentRead readMarkupFile(const RunContext& context, const std::string& file, Encoding encoding,
                            std::ostream& err);

}  // namespace huewright
