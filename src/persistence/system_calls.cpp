#include "persistence/system_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace huewright {

int SystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t SystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int SystemCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int SystemCalls::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

int SystemCalls::fsync(int fd) {
    return ::fsync(fd);
}

int SystemCalls::close(int fd) {
    return ::close(fd);
}

int SystemCalls::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int SystemCalls::linkFile(int fd, const char* to) {
    const std::string from = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to, AT_SYMLINK_FOLLOW);
}

int SystemCalls::unlink(const char* path) {
    return ::unlink(path);
}

std::error_code lastSystemError() {
    return {errno, std::generic_category()};
}

std::error_code writeAll(SystemCalls& calls, int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = calls.write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return {written == 0 ? ENOSPC : errno, std::generic_category()};
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

}  // namespace huewright
