#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <string>
#include <string_view>

#include "persistence/atomic_file.h"
#include "persistence/file_system.h"
#include "persistence/interrupt_cleanup.h"
#include "support/failing_calls.h"
#include "support/temporary_directory.h"

// What the saves and reads meet on Linux alone: unnamed temporary files named through
// /proc/self/fd, signals that end the process half-way, the umask the process sets, FIFOs.

namespace huewright::test {
namespace {

using Names = std::set<std::string>;

TEST(AtomicFile, EveryFailedStepWithAnUnnamedTemporaryFileLeavesTheOldFile) {
    for (const std::string_view step : {"create", "set mode", "short writes", "write nothing",
                                        "flush", "link", "close", "rename"}) {
        expectTheOldFileKept(step, false, [](const auto& file, const auto& bytes, auto& calls) {
            EXPECT_THROW(writeFileAtomically(file, bytes, calls), FileWriteError);
        });
    }
}

TEST(AtomicFile, ASignalHalfWayLeavesTheOldFileAndNoTemporaryFile) {
    // As the programs do at start. The death test must fork this process, so that it writes over
    // this test's file and keeps the signal handlers.
    installInterruptCleanup();
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const bool namedOnly : {false, true}) {
        expectTheOldFileKept("interrupt", namedOnly,
                             [](const auto& file, const auto& bytes, auto& calls) {
                                 EXPECT_EXIT(writeFileAtomically(file, bytes, calls),
                                             testing::KilledBySignal(SIGTERM), "");
                             });
    }
}

TEST(AtomicFile, CreatesAFileWithTheModeTheUmaskLeaves) {
    TemporaryDirectory dir;
    const mode_t umask = ::umask(027);
    writeFileAtomically(dir / "out.html", "<B>x</B>\r\n");
    ::umask(umask);
    EXPECT_EQ(std::filesystem::status(dir / "out.html").permissions(),
              std::filesystem::perms{0640});
}

// Opening a FIFO must not wait for a writer.
TEST(DiskFileSystem, RefusesAFifo) {
    TemporaryDirectory dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
    const DiskFileSystem files;
    const FileRead read = files.readFile(dir / "pipe.ini");
    EXPECT_EQ(read.bytes, std::nullopt);
    EXPECT_EQ(read.error.message(), "not a regular file");
    EXPECT_TRUE(files.exists(dir / "pipe.ini"));
}

}  // namespace
}  // namespace huewright::test
