#include "persistence/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/atomic_file.h"
#include "persistence/system_calls.h"

namespace huewright {

namespace {

// Reasons of the files' own that the system has no number for.
class FileCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "huewright-file"; }
    std::string message(int) const override { return "not a regular file"; }
};

}  // namespace

std::error_code notRegularFile() {
    static const FileCategory category;
    return {1, category};
}

bool DiskFileSystem::exists(const std::filesystem::path& file) const {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

FileRead DiskFileSystem::readFile(const std::filesystem::path& file) const {
#ifdef __EMSCRIPTEN__
    // Node's file system drops O_NONBLOCK, so there a FIFO is told from its status before the
    // open below could wait for a writer that never comes.
    if (struct stat status{}; ::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
                              !S_ISDIR(status.st_mode)) {
        return {std::nullopt, notRegularFile()};
    }
#endif
    // Not blocking on open keeps a FIFO under the settings file's name from hanging the program.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {std::nullopt, lastSystemError()};
    }
    FileRead read;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        read.error = lastSystemError();
    } else if (!S_ISREG(status.st_mode)) {
        read.error = S_ISDIR(status.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                             : notRegularFile();
    } else {
        read.bytes.emplace();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                read.bytes->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0) {
                break;
            } else if (errno != EINTR) {
                read = {std::nullopt, lastSystemError()};
                break;
            }
        }
    }
    ::close(fd);
    return read;
}

void DiskFileSystem::replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    if (calls_ != nullptr) {
        writeFileAtomically(file, bytes, *calls_);
    } else {
        writeFileAtomically(file, bytes);
    }
}

}  // namespace huewright
