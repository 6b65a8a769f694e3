#include "persistence/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/atomic_file.h"

namespace huewright {

bool DiskFileSystem::exists(const std::filesystem::path& file) const {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

std::optional<std::string> DiskFileSystem::readFile(const std::filesystem::path& file) const {
    // Not blocking on open keeps a FIFO under the settings file's name from hanging the program.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> content;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        content.emplace();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                content->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0) {
                break;
            } else if (errno != EINTR) {
                content.reset();
                break;
            }
        }
    }
    ::close(fd);
    return content;
}

void DiskFileSystem::replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    if (calls_ != nullptr) {
        writeFileAtomically(file, bytes, *calls_);
    } else {
        writeFileAtomically(file, bytes);
    }
}

}  // namespace huewright
