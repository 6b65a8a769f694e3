#include "persistence/file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "persistence/atomic_file.h"
#include "temporary_directory.h"

namespace huewright {
namespace {

using test::TemporaryDirectory;

TEST(DiskFileSystem, ReadsWholeFilesAndNothingElse) {
    TemporaryDirectory dir;
    const std::string bytes = std::string("[Stat]\r\n\0\x83\x5D\n", 12) + std::string(200000, 'z');
    test::writeBytes(dir / "lumo.ini", bytes);
    std::filesystem::create_directory(dir / "folder.ini");
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);

    const DiskFileSystem files;
    EXPECT_EQ(files.readFile(dir / "lumo.ini"), bytes);
    EXPECT_TRUE(files.exists(dir / "lumo.ini"));
    EXPECT_EQ(files.readFile(dir / "missing.ini"), std::nullopt);
    EXPECT_FALSE(files.exists(dir / "missing.ini"));
    EXPECT_EQ(files.readFile(dir / "folder.ini"), std::nullopt);
    EXPECT_FALSE(files.exists(dir / "folder.ini"));
    // Exists but cannot be read; opening it must not wait for a writer.
    EXPECT_EQ(files.readFile(dir / "pipe.ini"), std::nullopt);
    EXPECT_TRUE(files.exists(dir / "pipe.ini"));
}

// Makes the creation of the temporary file fail as in a directory the user may not write to.
class RefusingCreate : public SystemCalls {
  public:
    int open(const char* path, int flags, mode_t mode) override {
        if ((flags & O_CREAT) != 0) {
            errno = EACCES;
            return -1;
        }
        return SystemCalls::open(path, flags, mode);
    }
};

TEST(DiskFileSystem, ReplacesThroughTheGivenSystemCalls) {
    TemporaryDirectory dir;
    DiskFileSystem files;
    files.replaceFile(dir / "a.DAT", "one");
    EXPECT_EQ(files.readFile(dir / "a.DAT"), "one");

    RefusingCreate calls;
    DiskFileSystem refusing(calls);
    EXPECT_THROW(refusing.replaceFile(dir / "a.DAT", "two"), FileWriteError);
    EXPECT_EQ(files.readFile(dir / "a.DAT"), "one");
}

}  // namespace
}  // namespace huewright
