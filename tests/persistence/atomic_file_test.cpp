#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <string_view>

#include "persistence/file_system.h"
#include "persistence/interrupt_cleanup.h"
#include "support/temporary_directory.h"

namespace huewright {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;
using Names = std::set<std::string>;

// The save follows any chain of links, each resolved from where it stands, and replaces the file at
// its end whole with that file's mode, or creates it with the mode the umask leaves; the links
// stay links and no temporary file is left beside the target.
TEST(AtomicFile, ReplacesOrCreatesTheFileAtTheEndOfLinksKeepingItsMode) {
    TemporaryDirectory dir;
    writeBytes(dir / "lumo.ini", "a much longer old content than the new one");
    ::chmod((dir / "lumo.ini").c_str(), 0604);
    fs::create_directory(dir / "sub");
    fs::create_symlink("../lumo.ini", dir / "sub" / "hop");
    fs::create_symlink(dir / "sub" / "hop", dir / "link.ini");
    fs::create_symlink("out.html", dir / "dangling.html");
    writeFileAtomically(dir / "link.ini", "new");
    const mode_t umask = ::umask(027);
    writeFileAtomically(dir / "dangling.html", "<B>x</B>\r\n");
    ::umask(umask);
    EXPECT_EQ(readBytes(dir / "lumo.ini"), "new");
    EXPECT_EQ(fs::status(dir / "lumo.ini").permissions(), fs::perms{0604});
    EXPECT_EQ(readBytes(dir / "out.html"), "<B>x</B>\r\n");
    EXPECT_EQ(fs::status(dir / "out.html").permissions(), fs::perms{0640});
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini") && fs::is_symlink(dir / "sub" / "hop"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.html"));
    EXPECT_EQ(dir.entries(), (Names{"dangling.html", "link.ini", "lumo.ini", "out.html", "sub"}));
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
        return failing_ == "rename" ? fail(EXDEV) : SystemCalls::rename(from, to);
    }

  private:
    static int fail(int error) {
        errno = error;
        return -1;
    }

    std::string_view failing_;
    bool namedOnly_;
};

// Also where the temporary file has a name from the start, and when a signal ends the process
// half-way.
TEST(AtomicFile, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    // As the programs do at start. The death test must fork this process, so that it writes over
    // this test's file and keeps the signal handlers.
    installInterruptCleanup();
    GTEST_FLAG_SET(death_test_style, "fast");
    const std::string bytes(100000, 'n');
    for (const bool namedOnly : {false, true}) {
        for (const std::string_view step : {"create", "set mode", "short writes", "write nothing",
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
            } else {
                EXPECT_EXIT(writeFileAtomically(dir / "lumo.ini", bytes, calls),
                            testing::KilledBySignal(SIGTERM), "");
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
    EXPECT_EQ(files.readFile(dir / "lumo.ini").bytes, bytes);
    // What cannot be read says why; opening a FIFO must not wait for a writer.
    const struct {
        const char* name;
        std::string reason;
        bool exists;
    } refused[] = {{"missing.ini", "No such file or directory", false},
                   {"folder.ini", "Is a directory", false},
                   {"pipe.ini", "not a regular file", true}};
    for (const auto& row : refused) {
        const FileRead read = files.readFile(dir / row.name);
        EXPECT_EQ(read.bytes, std::nullopt) << row.name;
        EXPECT_EQ(read.error.message(), row.reason) << row.name;
        EXPECT_EQ(files.exists(dir / row.name), row.exists) << row.name;
    }
}

}  // namespace
}  // namespace huewright
