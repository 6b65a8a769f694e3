#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "temporary_directory.h"

namespace huewright {
namespace {

using test::permissionBits;
using test::readBytes;
using test::TemporaryDirectory;
using test::writeBytes;

// The message of the FileWriteError that `save` throws, or "" when it throws none.
template <typename Save>
std::string writeErrorOf(Save save) {
    try {
        save();
    } catch (const FileWriteError& error) {
        return error.what();
    }
    return "";
}

class UmaskGuard {
  public:
    explicit UmaskGuard(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskGuard() { ::umask(old_); }

  private:
    mode_t old_;
};

TEST(AtomicFile, CreatesMissingFileWithModeLessUmask) {
    TemporaryDirectory dir;
    const UmaskGuard umask(027);
    writeFileAtomically(dir / "out.html", "<B>x</B>\r\n");
    EXPECT_EQ(readBytes(dir / "out.html"), "<B>x</B>\r\n");
    EXPECT_EQ(permissionBits(dir / "out.html"), 0640u);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"out.html"}));
}

TEST(AtomicFile, ReplacesContentAndKeepsPermissionBits) {
    TemporaryDirectory dir;
    writeBytes(dir / "a.ini", "a much longer old content than the new one");
    ::chmod((dir / "a.ini").c_str(), 0604);
    writeFileAtomically(dir / "a.ini", "new");
    EXPECT_EQ(readBytes(dir / "a.ini"), "new");
    EXPECT_EQ(permissionBits(dir / "a.ini"), 0604u);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"a.ini"}));
}

TEST(AtomicFile, WritesThroughSymbolicLinksToTheTarget) {
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "real");
    writeBytes(dir / "real" / "lumo.ini", "old");
    std::filesystem::create_symlink("real/lumo.ini", dir / "hop");
    std::filesystem::create_symlink(dir / "hop", dir / "link.ini");
    writeFileAtomically(dir / "link.ini", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "hop"));
    EXPECT_EQ(readBytes(dir / "real" / "lumo.ini"), "new");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"hop", "link.ini", "real"}));
}

TEST(AtomicFile, DanglingLinkCreatesItsTarget) {
    TemporaryDirectory dir;
    std::filesystem::create_symlink("target.ini", dir / "link.ini");
    writeFileAtomically(dir / "link.ini", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(readBytes(dir / "target.ini"), "new");
}

TEST(AtomicFile, RefusesWhatItMustNotReplace) {
    TemporaryDirectory dir;
    writeBytes(dir / "readonly.ini", "keep me");
    ::chmod((dir / "readonly.ini").c_str(), 0444);
    std::filesystem::create_directory(dir / "folder");
    std::filesystem::create_symlink("loop2", dir / "loop1");
    std::filesystem::create_symlink("loop1", dir / "loop2");
    const std::filesystem::path refused[] = {dir / "readonly.ini", dir / "folder",
                                             dir / "missing" / "x.ini", dir / "loop1"};
    for (const auto& file : refused) {
        SCOPED_TRACE(file.string());
        EXPECT_EQ(writeErrorOf([&] { writeFileAtomically(file, "new"); }),
                  "cannot write " + file.string());
    }
    EXPECT_EQ(readBytes(dir / "readonly.ini"), "keep me");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"folder", "loop1", "loop2", "readonly.ini"}));
}

TEST(AtomicFile, UnwritableDirectoryOnTheRealDisk) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into any directory; FailingCalls covers a refused create";
    }
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "locked");
    writeBytes(dir / "locked" / "lumo.ini", "old");
    ::chmod((dir / "locked").c_str(), 0555);
    const auto file = dir / "locked" / "lumo.ini";
    EXPECT_EQ(writeErrorOf([&] { writeFileAtomically(file, "new"); }),
              "cannot write " + file.string());
    EXPECT_EQ(readBytes(file), "old");
}

enum class Fault { CreateTemporary, SetMode, WriteHalfway, WriteNothing, Flush, Close, Rename };

// The real system calls, except that one kind of call fails as a full or read-only disk would.
class FailingCalls : public SystemCalls {
  public:
    explicit FailingCalls(Fault fault) : fault_(fault) {}

    int open(const char* path, int flags, mode_t mode) override {
        if (fault_ == Fault::CreateTemporary && (flags & O_CREAT) != 0) {
            return fail(EACCES);
        }
        return SystemCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (fault_ == Fault::WriteNothing) {
            return 0;
        }
        if (fault_ == Fault::WriteHalfway) {
            if (wroteOnce_ || size < 2) {
                return fail(ENOSPC);
            }
            wroteOnce_ = true;
            return SystemCalls::write(fd, data, size / 2);
        }
        return SystemCalls::write(fd, data, size);
    }
    int fchmod(int fd, mode_t mode) override {
        return fault_ == Fault::SetMode ? fail(EPERM) : SystemCalls::fchmod(fd, mode);
    }
    int fsync(int fd) override {
        return fault_ == Fault::Flush ? fail(EIO) : SystemCalls::fsync(fd);
    }
    int close(int fd) override {
        // The descriptor is released even when close reports an error.
        const int result = SystemCalls::close(fd);
        return fault_ == Fault::Close ? fail(EIO) : result;
    }
    int rename(const char* from, const char* to) override {
        return fault_ == Fault::Rename ? fail(EXDEV) : SystemCalls::rename(from, to);
    }

  private:
    static int fail(int error) {
        errno = error;
        return -1;
    }

    Fault fault_;
    bool wroteOnce_ = false;
};

TEST(AtomicFile, EveryFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    const struct {
        const char* name;
        Fault fault;
    } rows[] = {
        {"create temporary", Fault::CreateTemporary},
        {"set mode", Fault::SetMode},
        {"disk full half-way", Fault::WriteHalfway},
        {"write makes no progress", Fault::WriteNothing},
        {"flush", Fault::Flush},
        {"close", Fault::Close},
        {"rename", Fault::Rename},
    };
    const std::string bytes(100000, 'n');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TemporaryDirectory dir;
        writeBytes(dir / "lumo.ini", "[Stat]\r\nCol1=255\r\n");
        FailingCalls calls(row.fault);
        EXPECT_EQ(writeErrorOf([&] { writeFileAtomically(dir / "lumo.ini", bytes, calls); }),
                  "cannot write " + (dir / "lumo.ini").string());
        EXPECT_EQ(readBytes(dir / "lumo.ini"), "[Stat]\r\nCol1=255\r\n");
        EXPECT_EQ(dir.entries(), (std::set<std::string>{"lumo.ini"}));

        FailingCalls freshCalls(row.fault);
        const std::string freshError =
            writeErrorOf([&] { writeFileAtomically(dir / "new.DAT", bytes, freshCalls); });
        // A new file needs no change of mode, so that fault cannot strike it.
        if (row.fault != Fault::SetMode) {
            EXPECT_EQ(freshError, "cannot write " + (dir / "new.DAT").string());
            EXPECT_EQ(dir.entries(), (std::set<std::string>{"lumo.ini"}));
        }
    }
}

}  // namespace
}  // namespace huewright
