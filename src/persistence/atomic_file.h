#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "persistence/system_calls.h"

namespace huewright {

/// A file could not be written. what() is "cannot write <file>" and, when the system gave one,
/// ": <reason>"; the front ends word it for their readers.
class FileWriteError : public std::runtime_error {
  public:
    explicit FileWriteError(const std::filesystem::path& file, std::error_code reason = {},
                            std::filesystem::path directory = {});

    /// The file that could not be written, as the caller named it.
    const std::filesystem::path& file() const noexcept { return file_; }
    /// The system's reason, when there is one.
    std::error_code reason() const noexcept { return reason_; }
    /// The directory in which no new file could be made, when that is what failed (the file
    /// itself may be writable); empty otherwise.
    const std::filesystem::path& directory() const noexcept { return directory_; }

  private:
    std::filesystem::path file_;
    std::error_code reason_;
    std::filesystem::path directory_;
};

/// Replaces the whole content of a file in one step, as its bytes arrive: they go to a new file
/// in the same directory (unnamed until the end where the file system allows it), are flushed to
/// the disk on commit(), and that file then takes the target's name. A symbolic link is written
/// through to its target and stays a link; an existing file keeps its permission bits and, where
/// the process may give them, its owner and group; a new one gets 0666 less the umask. Replacing
/// splits a hard link: the other names keep the old content. An existing file without write
/// permission, a directory or another special file is refused. Until commit() succeeds the target
/// stays byte for byte as it was, and no temporary file remains once the writer is gone (nor,
/// with installInterruptCleanup(), after an interrupt). Every failure throws FileWriteError
/// naming the file with the system's reason.
class AtomicFileWriter {
  public:
    AtomicFileWriter(const std::filesystem::path& file, SystemCalls& calls);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    /// Appends `bytes` to the new content.
    void write(std::string_view bytes);
    /// Puts the new content on the disk under a temporary name beside the file, so that all that
    /// commit() has left to do is one rename. Several files saved together are each prepared
    /// before any is committed.
    void prepareCommit();
    /// Makes the new content the file's, preparing it first when that is not done yet. After any
    /// failure the writer is spent: it only removes its temporary file.
    void commit();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

/// The file that a save of `file` replaces: `file` itself, or the end of the chain of symbolic
/// links that starts at it. Throws FileWriteError for a chain that is too long or unreadable.
std::filesystem::path replacedFile(const std::filesystem::path& file);

/// Replaces the whole content of `file` with `bytes` in one step (see AtomicFileWriter).
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

/// As writeFileAtomically(file, bytes), making every file operation through `calls`.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         SystemCalls& calls);

}  // namespace huewright
