#pragma once

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

/// "FLAG: cannot write FILE: REASON" for a file the flag names.
std::string cannotWrite(const std::string& flag, const FileWriteError& error);

}  // namespace huewright
