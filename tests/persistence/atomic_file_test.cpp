#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <string_view>

#include "persistence/file_system.h"
#include "persistence/interrupt_cleanup.h"
#include "temporary_directory.h"

namespace huewright {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;
using Names = std::set<std::string>;

unsigned permissionBits(const fs::path& file) {
    return static_cast<unsigned>(fs::status(file).permissions());
}

TEST(AtomicFile, CreatesOrReplacesTheWholeFileKeepingItsMode) {
    TemporaryDirectory dir;
    const mode_t umask = ::umask(027);
    writeFileAtomically(dir / "out.html", "<B>x</B>\r\n");
    ::umask(umask);
    EXPECT_EQ(readBytes(dir / "out.html"), "<B>x</B>\r\n");
    EXPECT_EQ(permissionBits(dir / "out.html"), 0640u);

    writeBytes(dir / "a.ini", "a much longer old content than the new one");
    ::chmod((dir / "a.ini").c_str(), 0604);
    writeFileAtomically(dir / "a.ini", "new");
    EXPECT_EQ(readBytes(dir / "a.ini"), "new");
    EXPECT_EQ(permissionBits(dir / "a.ini"), 0604u);
    EXPECT_EQ(dir.entries(), (Names{"a.ini", "out.html"}));
}

TEST(AtomicFile, WritesThroughSymbolicLinksToTheTarget) {
    TemporaryDirectory dir;
    fs::create_directory(dir / "real");
    writeBytes(dir / "real" / "lumo.ini", "old");
    fs::create_symlink("real/lumo.ini", dir / "hop");
    fs::create_symlink(dir / "hop", dir / "link.ini");
    fs::create_symlink("target.ini", dir / "dangling.ini");
    writeFileAtomically(dir / "link.ini", "new");
    writeFileAtomically(dir / "dangling.ini", "created");
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini") && fs::is_symlink(dir / "hop"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.ini"));
    EXPECT_EQ(readBytes(dir / "real" / "lumo.ini"), "new");
    EXPECT_EQ(readBytes(dir / "target.ini"), "created");
    EXPECT_EQ(dir.entries(), (Names{"dangling.ini", "hop", "link.ini", "real", "target.ini"}));
}

TEST(AtomicFile, RefusesWhatItMustNotReplace) {
    TemporaryDirectory dir;
    writeBytes(dir / "readonly.ini", "keep me");
    ::chmod((dir / "readonly.ini").c_str(), 0444);
    fs::create_directory(dir / "folder");
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    const std::pair<fs::path, std::errc> rows[] = {
        {dir / "readonly.ini", std::errc::permission_denied},
        {dir / "folder", std::errc::is_a_directory},
        {dir / "missing" / "x.ini", std::errc::no_such_file_or_directory},
        {dir / "loop1", std::errc::too_many_symbolic_link_levels}};
    for (const auto& [file, reason] : rows) {
        try {
            writeFileAtomically(file, "new");
            ADD_FAILURE() << file << " was written";
        } catch (const FileWriteError& error) {
            const std::error_code code = std::make_error_code(reason);
            EXPECT_EQ(error.reason(), code);
            EXPECT_EQ(error.what(), "cannot write " + file.string() + ": " + code.message());
        }
    }
    EXPECT_EQ(readBytes(dir / "readonly.ini"), "keep me");
    EXPECT_EQ(dir.entries(), (Names{"folder", "loop1", "loop2", "readonly.ini"}));
}

// The real system calls, except that the step named `failing` fails as on a full or read-only disk
// ("interrupt" raises SIGTERM in the middle of writing instead); with `namedOnly`, the file system
// offers no unnamed temporary files.
class FailingCalls : public SystemCalls {
  public:
    FailingCalls(std::string_view failing, bool namedOnly)
        : failing_(failing), namedOnly_(namedOnly) {}

    int open(const char* path, int flags, mode_t mode) override {
        const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
        if (unnamed && namedOnly_) {
            return fail(EOPNOTSUPP);
        }
        const bool creates = unnamed || (flags & O_CREAT) != 0;
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
        const bool halfway = failing_ == "write halfway";
        if (halfway && (wroteOnce_ || size < 2)) {
            return fail(ENOSPC);
        }
        wroteOnce_ = true;
        return SystemCalls::write(fd, data, halfway ? size / 2 : size);
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
        return failing_ == "rename" ? fail(EXDEV) : SystemCalls::rename(from, to);
    }

  private:
    static int fail(int error) {
        errno = error;
        return -1;
    }

    std::string_view failing_;
    bool namedOnly_;
    bool wroteOnce_ = false;
};

// Also where the temporary file has a name from the start, and when a signal ends the process
// half-way.
TEST(AtomicFile, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    const std::string bytes(100000, 'n');
    for (const bool namedOnly : {false, true}) {
        for (const std::string_view step : {"create", "set mode", "write halfway", "write nothing",
                                            "flush", "link", "close", "rename", "interrupt"}) {
            // A named temporary file needs no link, so that step cannot fail there.
            if (namedOnly && step == "link") {
                continue;
            }
            SCOPED_TRACE(std::string(step) + (namedOnly ? " with a named temporary file" : ""));
            TemporaryDirectory dir;
            writeBytes(dir / "lumo.ini", "[Stat]\r\nCol1=255\r\n");
            FailingCalls calls(step, namedOnly);
            if (step != "interrupt") {
                EXPECT_THROW(writeFileAtomically(dir / "lumo.ini", bytes, calls), FileWriteError);
            } else if (const pid_t child = ::fork(); child == 0) {
                installInterruptCleanup();
                writeFileAtomically(dir / "lumo.ini", bytes, calls);
                std::_Exit(0);
            } else {
                int status = 0;
                ::waitpid(child, &status, 0);
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
            }
            EXPECT_EQ(readBytes(dir / "lumo.ini"), "[Stat]\r\nCol1=255\r\n");
            EXPECT_EQ(dir.entries(), Names{"lumo.ini"});
        }
    }
}

TEST(DiskFileSystem, ReadsWholeRegularFilesOnly) {
    TemporaryDirectory dir;
    const std::string bytes = std::string("[Stat]\r\n\0\x83\x5D\n", 12) + std::string(200000, 'z');
    writeBytes(dir / "lumo.ini", bytes);
    fs::create_directory(dir / "folder.ini");
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);

    const DiskFileSystem files;
    EXPECT_EQ(files.readFile(dir / "lumo.ini"), bytes);
    EXPECT_EQ(files.readFile(dir / "missing.ini"), std::nullopt);
    EXPECT_FALSE(files.exists(dir / "missing.ini"));
    EXPECT_EQ(files.readFile(dir / "folder.ini"), std::nullopt);
    EXPECT_FALSE(files.exists(dir / "folder.ini"));
    // Exists but cannot be read; opening it must not wait for a writer.
    EXPECT_EQ(files.readFile(dir / "pipe.ini"), std::nullopt);
    EXPECT_TRUE(files.exists(dir / "pipe.ini"));
}

}  // namespace
}  // namespace huewright
