#pragma once

#include <filesystem>
#include <string>

#include "persistence/file_system.h"
#include "persistence/system_calls.h"

namespace huewright {

/// What a run works in besides its arguments and standard streams.
struct RunContext {
    FileSystem& files;  ///< where the settings files are read
    /// Relative file names start here, and the start-up file is looked for here: absolute, or
    /// "." for a working directory that cannot be named.
    std::filesystem::path workingDirectory;
    SystemCalls& calls;  ///< every save goes through these

    /// The file that the command line names `name`: from the working directory unless absolute.
    /// An empty name stays empty, naming no file.
    std::filesystem::path pathOf(const std::string& name) const {
        return name.empty() ? std::filesystem::path() : workingDirectory / name;
    }
};

}  // namespace huewright
