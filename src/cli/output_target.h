#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace huewright {

/// Where --output sends the markup, written as it is made.
class OutputTarget {
  public:
    virtual ~OutputTarget() = default;
    /// Appends `bytes`. Throws FileWriteError naming the target with the system's reason.
    virtual void write(std::string_view bytes) = 0;
    /// Completes the output; until then a file that is replaced keeps its old content.
    virtual void finish() = 0;
};

/// Opens `name` for the markup. "-" is `standardOutput`. A name that stands for an open
/// descriptor ("/dev/stdout", "/dev/fd/N", "/proc/self/fd/N") is written into at the
/// descriptor's own position, so a shell's redirection keeps what it holds; so is a file that is
/// not a regular one (a terminal, a FIFO, a socket). A regular file, or a new name, is replaced in
/// one step when finished. Throws FileWriteError when it cannot be opened.
std::unique_ptr<OutputTarget> openOutput(const std::string& name, std::ostream& standardOutput);

}  // namespace huewright
