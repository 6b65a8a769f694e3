#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "persistence/system_calls.h"

namespace huewright {

/// A file could not be written. what() is "cannot write <file name>", the name as the caller gave
/// it; the front ends word it for their readers.
class FileWriteError : public std::runtime_error {
  public:
    explicit FileWriteError(const std::filesystem::path& file);

    /// The file that could not be written, as the caller named it.
    const std::filesystem::path& file() const noexcept { return file_; }

  private:
    std::filesystem::path file_;
};

/// Replaces the whole content of `file` with `bytes` in one step: the bytes go to a new file in the
/// same directory, are flushed to the disk, and that file is renamed over `file`. A symbolic link
/// is written through to its target and stays a link; an existing file keeps its permission bits,
/// a new one gets 0666 less the umask. An existing file without write permission, a directory or
/// another special file is refused. On any failure `file` is left byte for byte as it was, no
/// temporary file remains, and FileWriteError naming `file` is thrown.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

/// As writeFileAtomically(file, bytes), making every file operation through `calls`.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         SystemCalls& calls);

}  // namespace huewright
