#include "persistence/atomic_file.h"
#include "persistence/system_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "persistence/file_system.h"
#include "persistence/interrupt_cleanup.h"

namespace huewright {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& file, std::error_code reason) {
    std::string text = "cannot write " + file.string();
    if (reason) {
        text += ": " + reason.message();
    }
    return text;
}

}  // namespace

FileWriteError::FileWriteError(const fs::path& file, std::error_code reason, fs::path directory)
    : std::runtime_error(describe(file, reason)),
      file_(file),
      reason_(reason),
      directory_(std::move(directory)) {}

namespace {

// As the kernel, give up on a chain of links this long: it is most likely a loop.
constexpr int kMaxLinks = 40;
constexpr int kMaxNameAttempts = 16;
// Keeps the temporary name within the 255 bytes a directory entry may have.
constexpr std::size_t kMaxNameStem = 200;
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;

std::string randomSuffix() {
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) | device();
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, 16);
    // Always sixteen digits, so that every temporary name has one length.
    const std::string text(digits, result.ptr);
    return std::string(sizeof digits - text.size(), '0') + text;
}

fs::path directoryOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// The rename is already done when this runs, so a failure here cannot be undone and is not one of
// the save: at worst a crash in the next moments brings back the old file.
void syncDirectory(const fs::path& target, SystemCalls& calls) {
    const int fd = calls.open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        calls.fsync(fd);
        calls.close(fd);
    }
}

}  // namespace

struct AtomicFileWriter::State {
    State(const fs::path& named, SystemCalls& systemCalls) : file(named), calls(systemCalls) {}
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    const fs::path file;  // as the caller named it
    SystemCalls& calls;
    fs::path target;  // the file the links lead to
    std::optional<struct stat> existing;
    int fd = -1;
    fs::path name;          // the temporary file's name, while it has one
    bool prepared = false;  // synced and named, waiting only for the rename
    std::optional<InterruptCleanupName> cleanup;

    [[noreturn]] void fail(std::error_code reason) const { throw FileWriteError(file, reason); }
    // The new content could not be given a file in the target's directory.
    [[noreturn]] void failInDirectory(std::error_code reason) const {
        throw FileWriteError(file, reason, directoryOf(target));
    }

    // A name beside the target that no file has yet.
    fs::path freshName() const {
        const std::string stem = target.filename().string().substr(0, kMaxNameStem);
        return directoryOf(target) / ("." + stem + "." + randomSuffix() + ".tmp");
    }

    // Gives the temporary file a fresh name beside the target by `take(candidate)`, which
    // creates or links it there; the name is known to the interrupt cleanup before it exists.
    template <typename Take>
    void claimName(Take take) {
        for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
            const fs::path candidate = freshName();
            cleanup.emplace(candidate);
            if (take(candidate)) {
                name = candidate;
                return;
            }
            cleanup.reset();
            if (errno != EEXIST) {
                failInDirectory(lastSystemError());
            }
        }
        failInDirectory(std::make_error_code(std::errc::file_exists));
    }

    void create() {
        // An unnamed file leaves nothing behind whatever happens to the process.
        fd =
            calls.open(directoryOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
        if (fd >= 0) {
            return;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            failInDirectory(lastSystemError());
        }
        claimName([&](const fs::path& candidate) {
            fd = calls.open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            kNewFileMode);
            return fd >= 0;
        });
    }

    void keepOwnerAndMode() {
        if (!existing) {
            return;
        }
        // Only root may give a file to someone else; others keep at least the group they can.
        if ((existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) &&
            calls.fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            calls.fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
        }
        if (calls.fchmod(fd, existing->st_mode & kPermissionBits) != 0) {
            fail(lastSystemError());
        }
    }

    void giveName() {
        if (!name.empty()) {
            return;
        }
        claimName(
            [&](const fs::path& candidate) { return calls.linkFile(fd, candidate.c_str()) == 0; });
    }

    ~State() {
        if (fd >= 0) {
            calls.close(fd);
        }
        if (!name.empty()) {
            calls.unlink(name.c_str());
        }
    }
};

fs::path replacedFile(const fs::path& file) {
    fs::path current = file;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            throw FileWriteError(file, error);
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw FileWriteError(file, std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

AtomicFileWriter::AtomicFileWriter(const fs::path& file, SystemCalls& calls)
    : state_(std::make_unique<State>(file, calls)) {
    State& s = *state_;
    if (file.empty()) {
        s.fail(std::make_error_code(std::errc::no_such_file_or_directory));
    }
    s.target = replacedFile(file);
    struct stat status {};
    if (::stat(s.target.c_str(), &status) == 0) {
        // Root passes every access test, so a file without any write bit counts as read-only too.
        if (S_ISDIR(status.st_mode)) {
            s.fail(std::make_error_code(std::errc::is_a_directory));
        }
        if (!S_ISREG(status.st_mode)) {
            s.fail(notRegularFile());
        }
        if ((status.st_mode & kAnyWriteBit) == 0 ||
            ::faccessat(AT_FDCWD, s.target.c_str(), W_OK, AT_EACCESS) != 0) {
            s.fail(std::make_error_code(std::errc::permission_denied));
        }
        s.existing = status;
    } else if (errno != ENOENT) {
        s.fail(lastSystemError());
    }
    s.create();
}

AtomicFileWriter::~AtomicFileWriter() = default;

void AtomicFileWriter::write(std::string_view bytes) {
    State& s = *state_;
    if (const std::error_code error = writeAll(s.calls, s.fd, bytes)) {
        s.fail(error);
    }
}

void AtomicFileWriter::prepareCommit() {
    State& s = *state_;
    if (s.prepared) {
        return;
    }
    s.keepOwnerAndMode();
    if (s.calls.fsync(s.fd) != 0) {
        s.fail(lastSystemError());
    }
    s.giveName();
    const int fd = s.fd;
    s.fd = -1;
    if (s.calls.close(fd) != 0) {
        s.fail(lastSystemError());
    }
    s.prepared = true;
}

void AtomicFileWriter::commit() {
    prepareCommit();
    State& s = *state_;
    if (s.calls.rename(s.name.c_str(), s.target.c_str()) != 0) {
        s.fail(lastSystemError());
    }
    s.name.clear();
    s.cleanup.reset();
    syncDirectory(s.target, s.calls);
}

void writeFileAtomically(const fs::path& file, std::string_view bytes) {
    SystemCalls calls;
    writeFileAtomically(file, bytes, calls);
}

void writeFileAtomically(const fs::path& file, std::string_view bytes, SystemCalls& calls) {
    AtomicFileWriter writer(file, calls);
    writer.write(bytes);
    writer.commit();
}

}  // namespace huewright
