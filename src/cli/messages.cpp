#include "cli/messages.h"

#include <algorithm>

#include "persistence/atomic_file.h"

namespace huewright {

namespace {

// `path`, reached by the save of the file that the user named `name`, as the user would name it:
// from the working directory when the name starts there and the path lies there.
std::filesystem::path asNamed(const std::filesystem::path& path, const std::string& name,
                              const std::filesystem::path& workingDirectory) {
    const bool inWorkingDirectory =
        std::mismatch(workingDirectory.begin(), workingDirectory.end(), path.begin(), path.end())
            .first == workingDirectory.end();
    return std::filesystem::path(name).is_relative() && inWorkingDirectory
               ? path.lexically_relative(workingDirectory)
               : path;
}

}  // namespace

std::string shownName(const std::string& name) {
    return name.empty() ? "\"\"" : name;
}

std::string cannotWrite(const std::string& flag, const std::string& name,
                        const FileWriteError& error,
                        const std::filesystem::path& workingDirectory) {
    std::string message = flag + ": cannot write " + shownName(name);
    if (!error.directory().empty()) {
        message += ": cannot make a file in the directory " +
                   shownName(asNamed(error.directory(), name, workingDirectory).string());
    }
    if (error.reason()) {
        message += ": " + error.reason().message();
    }
    return message;
}

}  // namespace huewright
