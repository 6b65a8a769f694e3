#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <set>
#include <string>
#include <string_view>

#include "persistence/system_calls.h"
#include "support/temporary_directory.h"

namespace huewright::test {

/// The real system calls, except that the step named `failing` fails as on a full or read-only
/// disk ("interrupt" raises SIGTERM in the middle of writing instead); with `namedOnly`, the file
/// system offers no unnamed temporary files.
class FailingCalls : public SystemCalls {
  public:
    FailingCalls(std::string_view failing, bool namedOnly)
        : failing_(failing), namedOnly_(namedOnly) {}

    int open(const char* path, int flags, mode_t mode) override {
        if ((flags & O_TMPFILE) == O_TMPFILE && namedOnly_) {
            return fail(EOPNOTSUPP);
        }
        // Opening the directory to flush it comes only after the file is created.
        const bool creates = (flags & (O_TMPFILE | O_CREAT)) != 0;
        return creates && failing_ == "create" ? fail(EACCES)
                                               : SystemCalls::open(path, flags, mode);
    }
    int linkFile(int fd, const char* to) override {
        return failing_ == "link" ? fail(EMLINK) : SystemCalls::linkFile(fd, to);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (failing_ == "interrupt") {
            std::raise(SIGTERM);
        }
        if (failing_ == "write nothing") {
            return 0;
        }
        if (failing_ != "short writes") {
            return SystemCalls::write(fd, data, size);
        }
        // Half of what is asked each time, until the disk is full with one byte left.
        return size < 2 ? fail(ENOSPC) : SystemCalls::write(fd, data, size / 2);
    }
    int fchmod(int fd, mode_t mode) override {
        return failing_ == "set mode" ? fail(EPERM) : SystemCalls::fchmod(fd, mode);
    }
    int fsync(int fd) override { return failing_ == "flush" ? fail(EIO) : SystemCalls::fsync(fd); }
    int close(int fd) override {
        // The descriptor is released even when close reports an error.
        const int result = SystemCalls::close(fd);
        return failing_ == "close" ? fail(EIO) : result;
    }
    int rename(const char* from, const char* to) override {
        // "second rename" lets the first through, as when one of several saves fails late.
        const bool fails = failing_ == "rename" || (failing_ == "second rename" && ++renames_ == 2);
        return fails ? fail(EXDEV) : SystemCalls::rename(from, to);
    }

  private:
    static int fail(int error) {
        errno = error;
        return -1;
    }

    std::string_view failing_;
    bool namedOnly_;
    int renames_ = 0;
};

/// Has `save(file, bytes, calls)` replace a start-up file with 100,000 bytes while `step` fails,
/// the file system offering no unnamed temporary files when `namedOnly`, and expects the old file
/// kept with no other file beside it.
template <typename Save>
void expectTheOldFileKept(std::string_view step, bool namedOnly, Save save) {
    SCOPED_TRACE(std::string(step) + (namedOnly ? ", named temporary file" : ""));
    TemporaryDirectory dir;
    writeBytes(dir / "lumo.ini", "[Stat]\r\nCol1=255\r\n");
    FailingCalls calls(step, namedOnly);
    save(dir / "lumo.ini", std::string(100000, 'n'), calls);
    EXPECT_EQ(readBytes(dir / "lumo.ini"), "[Stat]\r\nCol1=255\r\n");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"lumo.ini"});
}

}  // namespace huewright::test
