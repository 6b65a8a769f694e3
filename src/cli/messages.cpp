#include "cli/messages.h"

#include "persistence/atomic_file.h"

namespace huewright {

std::string shownName(const std::string& name) {
    return name.empty() ? "\"\"" : name;
}

std::string cannotWrite(const std::string& flag, const FileWriteError& error) {
    std::string message = flag + ": cannot write " + shownName(error.file().string());
    if (!error.directory().empty()) {
        message += ": cannot make a file in the directory " + shownName(error.directory().string());
    }
    if (error.reason()) {
        message += ": " + error.reason().message();
    }
    return message;
}

}  // namespace huewright
