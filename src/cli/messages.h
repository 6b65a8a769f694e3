#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace huewright {

class FileWriteError;

/// The command line is wrong, or what it asks for cannot be done. what() is the whole message
/// for the user, naming the flag, the file and the reason.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// A file name as a message shows it: an empty name must still be seen, as "".
std::string shownName(const std::string& name);

/// "FLAG: cannot write NAME: REASON" for the file that the flag names `name`, which `error` names
/// by its path from `workingDirectory`. The directory where no new file could be made is shown
/// from the working directory, as `name` is, when `name` is relative.
std::string cannotWrite(const std::string& flag, const std::string& name,
                        const FileWriteError& error, const std::filesystem::path& workingDirectory);

}  // namespace huewright
