#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string_view>
#include <system_error>

namespace huewright {

/// The operating-system calls an atomic save makes, each as it comes from the system. Tests derive
/// from it and fail single calls to prove that every failure leaves the old file as it was.
class SystemCalls {
  public:
    virtual ~SystemCalls() = default;

    /// open(2): a file descriptor, or -1 with errno set.
    virtual int open(const char* path, int flags, mode_t mode);
    /// write(2): bytes written (possibly fewer than `size`), or -1 with errno set.
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    /// fchmod(2): 0, or -1 with errno set.
    virtual int fchmod(int fd, mode_t mode);
    /// fchown(2): 0, or -1 with errno set.
    virtual int fchown(int fd, uid_t owner, gid_t group);
    /// fsync(2): 0, or -1 with errno set.
    virtual int fsync(int fd);
    /// close(2): 0, or -1 with errno set; the descriptor is released either way.
    virtual int close(int fd);
    /// rename(2): 0, or -1 with errno set.
    virtual int rename(const char* from, const char* to);
    /// linkat(2) of an open file's /proc/self/fd name: 0, or -1 with errno set.
    virtual int linkFile(int fd, const char* to);
    /// unlink(2): 0, or -1 with errno set.
    virtual int unlink(const char* path);
};

/// errno as an error code: the reason the system call just made gave for failing.
std::error_code lastSystemError();

/// Writes the whole of `bytes` to `fd` through `calls`, going on after a short or interrupted
/// write. Returns the system's reason when a write fails; a write that takes nothing counts as a
/// full disk.
std::error_code writeAll(SystemCalls& calls, int fd, std::string_view bytes);

}  // namespace huewright
