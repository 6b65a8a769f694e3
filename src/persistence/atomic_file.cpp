#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <system_error>

namespace huewright {

namespace fs = std::filesystem;

FileWriteError::FileWriteError(const fs::path& file)
    : std::runtime_error("cannot write " + file.string()), file_(file) {}

namespace {

// As the kernel, give up on a chain of links this long: it is most likely a loop.
constexpr int kMaxLinks = 40;
constexpr int kMaxNameAttempts = 16;
// Keeps the temporary name within the 255 bytes a directory entry may have.
constexpr std::size_t kMaxNameStem = 200;
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;

// The file a save replaces: `file` itself, or the end of the chain of links that starts at it.
std::optional<fs::path> followLinks(const fs::path& file) {
    fs::path current = file;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

std::string randomSuffix() {
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) | device();
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, 16);
    return std::string(digits, result.ptr);
}

// A new file beside the one it will replace, closed and removed again unless it was renamed.
class TemporaryFile {
  public:
    explicit TemporaryFile(SystemCalls& calls) : calls_(calls) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) {
            calls_.close(fd_);
        }
        if (!name_.empty()) {
            calls_.unlink(name_.c_str());
        }
    }

    bool create(const fs::path& target) {
        const std::string stem = target.filename().string().substr(0, kMaxNameStem);
        for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
            const fs::path name =
                target.parent_path() / ("." + stem + "." + randomSuffix() + ".tmp");
            fd_ = calls_.open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
            if (fd_ >= 0) {
                name_ = name.string();
                return true;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    bool setMode(mode_t mode) { return calls_.fchmod(fd_, mode) == 0; }

    bool write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = calls_.write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool flushAndClose() {
        const bool flushed = calls_.fsync(fd_) == 0;
        const int fd = fd_;
        fd_ = -1;
        return calls_.close(fd) == 0 && flushed;
    }

    bool renameTo(const fs::path& target) {
        if (calls_.rename(name_.c_str(), target.c_str()) != 0) {
            return false;
        }
        name_.clear();
        return true;
    }

  private:
    SystemCalls& calls_;
    std::string name_;
    int fd_ = -1;
};

// The rename is already done when this runs, so a failure here cannot be undone and is not one of
// the save: at worst a crash in the next moments brings back the old file.
void syncDirectory(const fs::path& target, SystemCalls& calls) {
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int fd = calls.open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        calls.fsync(fd);
        calls.close(fd);
    }
}

}  // namespace

void writeFileAtomically(const fs::path& file, std::string_view bytes) {
    SystemCalls calls;
    writeFileAtomically(file, bytes, calls);
}

void writeFileAtomically(const fs::path& file, std::string_view bytes, SystemCalls& calls) {
    const std::optional<fs::path> target = followLinks(file);
    if (!target) {
        throw FileWriteError(file);
    }
    std::optional<mode_t> keptMode;
    struct stat status {};
    if (::stat(target->c_str(), &status) == 0) {
        // Root passes every access test, so a file without any write bit counts as read-only too.
        if (!S_ISREG(status.st_mode) || (status.st_mode & kAnyWriteBit) == 0 ||
            ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) {
            throw FileWriteError(file);
        }
        keptMode = status.st_mode & kPermissionBits;
    } else if (errno != ENOENT) {
        throw FileWriteError(file);
    }

    TemporaryFile temporary(calls);
    if (!temporary.create(*target) || (keptMode && !temporary.setMode(*keptMode)) ||
        !temporary.write(bytes) || !temporary.flushAndClose() || !temporary.renameTo(*target)) {
        throw FileWriteError(file);
    }
    syncDirectory(*target, calls);
}

}  // namespace huewright
