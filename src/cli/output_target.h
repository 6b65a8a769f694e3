#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace huewright {

class SystemCalls;

/// Where the output goes, written as it is made.
class OutputTarget {
  public:
    virtual ~OutputTarget() = default;
    /// Appends `bytes`. Throws FileWriteError naming the target with the system's reason.
    virtual void write(std::string_view bytes) = 0;
    /// Does all that can fail before the output is committed: flushes a stream, puts a replaced
    /// file's new content on the disk under its temporary name.
    virtual void prepare() = 0;
    /// Makes the output the file's; a stream or descriptor was written into already.
    virtual void commit() = 0;
    /// Whether the bytes reached their destination as they were written, not at commit().
    virtual bool direct() const = 0;
};

/// Whether `name` is written into where it stands rather than replaced: "-" (standard output), a
/// name that stands for an open descriptor ("/dev/stdout", "/dev/fd/N", "/proc/self/fd/N"), or a
/// file that is not a regular one (a terminal, a FIFO, a socket).
bool writtenInPlace(const std::string& name);

/// Opens `name` for the output. "-" is `standardOutput`. A name written in place is written at
/// the descriptor's own position, so a shell's redirection keeps what it holds. A regular file, or
/// a new name, is replaced in one step at commit(), through `calls`. Throws FileWriteError when it
/// cannot be opened.
std::unique_ptr<OutputTarget> openOutput(const std::string& name, std::ostream& standardOutput,
                                         SystemCalls& calls);

}  // namespace huewright
