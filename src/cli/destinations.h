#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/output_target.h"
#include "cli/run_context.h"
#include "persistence/atomic_file.h"

namespace huewright {

/// A settings file a run writes, with the flag that names it and its whole new content.
struct SettingsFileWrite {
    std::string flag;  ///< "--save" or "--save-startup"
    std::string file;  ///< as the command line names it
    std::string bytes;
};

/// Every place a run writes to, written all or not at all as far as the system allows: each is
/// opened and filled before any is committed, and the files are committed last, one rename each.
/// Until commit() nothing a file held has changed, whatever fails.
class Destinations {
  public:
    /// Makes every save through the calls of `context`, which must outlive this object, and finds
    /// the files named by the command line from its working directory. Opens the output `output`
    /// (none: standard output; with `lengthOnly` and no `output`, nowhere) and prepares `files`
    /// with their content. Throws UsageError when two destinations are one file or the output
    /// would replace the settings file `loaded`, and UsageError naming the flag and the file when
    /// one cannot be opened.
    Destinations(const std::optional<std::string>& output, bool lengthOnly,
                 const std::optional<std::string>& loaded,
                 const std::vector<SettingsFileWrite>& files, std::ostream& standardOutput,
                 const RunContext& context);
    ~Destinations();
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    /// Where the output goes; nullptr when it goes nowhere.
    OutputTarget* output() { return output_.get(); }
    /// Whether the output goes to standard output itself ("-" or no --output).
    bool toStandardOutput() const { return toStandardOutput_; }

    /// Wraps a failed write of the output in the message the user reads.
    [[noreturn]] void outputFailed(const FileWriteError& error) const;

    /// Prepares everything, then commits the output and the files in turn. Throws UsageError
    /// naming what failed; when that happens after something was committed, the message says
    /// what was written and what was not.
    void commit();

  private:
    struct File;

    std::optional<std::string> outputName_;
    bool toStandardOutput_;
    std::filesystem::path workingDirectory_;
    std::unique_ptr<OutputTarget> output_;
    std::vector<File> files_;
};

}  // namespace huewright
