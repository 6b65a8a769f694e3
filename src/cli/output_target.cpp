#include "cli/output_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cerrno>
#include <charconv>
#include <optional>
#include <ostream>
#include <system_error>

#include "persistence/atomic_file.h"
#include "persistence/system_calls.h"

#ifdef __EMSCRIPTEN__
// Node's file system writes a descriptor it opened at the position it keeps for it, which a FIFO
// or a terminal refuses ("Invalid seek"); as for the standard streams, it is told to keep none.
// clang-format off
EM_JS(void, writeWithoutPosition, (int fd), {
    FS.getStream(fd).seekable = false;
});
// clang-format on
#endif

namespace huewright {

namespace {

// The descriptor that a name such as "/dev/stdout" or "/proc/self/fd/3" stands for.
std::optional<int> descriptorOf(std::string_view name) {
    if (name == "/dev/stdin") {
        return 0;
    }
    if (name == "/dev/stdout") {
        return 1;
    }
    if (name == "/dev/stderr") {
        return 2;
    }
    for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (name.starts_with(prefix)) {
            const std::string_view digits = name.substr(prefix.size());
            int fd = -1;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), fd);
            if (!digits.empty() && error == std::errc() && end == digits.data() + digits.size()) {
                return fd;
            }
        }
    }
    return std::nullopt;
}

class StreamTarget final : public OutputTarget {
  public:
    explicit StreamTarget(std::ostream& out) : out_(out) {}
    void write(std::string_view bytes) override {
        try {
            out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        } catch (const std::system_error& e) {
            throw FileWriteError("-", e.code());
        }
        check();
    }
    void prepare() override {
        try {
            out_.flush();
        } catch (const std::system_error& e) {
            throw FileWriteError("-", e.code());
        }
        check();
    }
    void commit() override {}
    bool direct() const override { return true; }

  private:
    void check() {
        if (!out_) {
            throw FileWriteError("-");
        }
    }
    std::ostream& out_;
};

// Writes straight into a descriptor, at its own position and with its own flags (O_APPEND).
class DescriptorTarget final : public OutputTarget {
  public:
    DescriptorTarget(std::string name, int fd, bool owned)
        : name_(std::move(name)), fd_(fd), owned_(owned) {}
    ~DescriptorTarget() override {
        if (owned_) {
            ::close(fd_);
        }
    }
    DescriptorTarget(const DescriptorTarget&) = delete;
    DescriptorTarget& operator=(const DescriptorTarget&) = delete;

    void write(std::string_view bytes) override {
        SystemCalls calls;
        if (const std::error_code error = writeAll(calls, fd_, bytes)) {
            throw FileWriteError(name_, error);
        }
    }
    void prepare() override {}
    void commit() override {}
    bool direct() const override { return true; }

  private:
    std::string name_;
    int fd_;
    bool owned_;
};

class ReplacedFileTarget final : public OutputTarget {
  public:
    ReplacedFileTarget(const std::string& name, SystemCalls& calls) : writer_(name, calls) {}
    void write(std::string_view bytes) override { writer_.write(bytes); }
    void prepare() override { writer_.prepareCommit(); }
    void commit() override { writer_.commit(); }
    bool direct() const override { return false; }

  private:
    AtomicFileWriter writer_;
};

bool specialFile(const std::string& name) {
    struct stat status {};
    return ::stat(name.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
           !S_ISDIR(status.st_mode);
}

}  // namespace

bool writtenInPlace(const std::string& name) {
    return name == "-" || descriptorOf(name) || specialFile(name);
}

std::unique_ptr<OutputTarget> openOutput(const std::string& name, std::ostream& standardOutput,
                                         SystemCalls& calls) {
    if (name == "-") {
        return std::make_unique<StreamTarget>(standardOutput);
    }
    if (const std::optional<int> fd = descriptorOf(name)) {
        // Asks only whether the descriptor is open: node's file system, under WebAssembly, has no
        // status for the standard streams.
        if (::fcntl(*fd, F_GETFD) == -1) {
            throw FileWriteError(name, lastSystemError());
        }
        if (*fd == STDOUT_FILENO) {
            standardOutput.flush();  // what went to standard output before goes first
        }
        return std::make_unique<DescriptorTarget>(name, *fd, false);
    }
    if (specialFile(name)) {
        const int fd = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            throw FileWriteError(name, lastSystemError());
        }
#ifdef __EMSCRIPTEN__
        writeWithoutPosition(fd);
#endif
        return std::make_unique<DescriptorTarget>(name, fd, true);
    }
    return std::make_unique<ReplacedFileTarget>(name, calls);
}

}  // namespace huewright
