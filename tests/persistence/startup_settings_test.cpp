#include "persistence/startup_settings.h"

#include <gtest/gtest.h>

#include "persistence/atomic_file.h"
#include "support/memory_file_system.h"

namespace huewright::test {
namespace {

const std::filesystem::path kStartupFile = startupFilePath("/home/user/work/");

// Without a file or with one that cannot be read, the built-in values; a file without keys switches
// size, font and line break off; any other key that is missing or not a number falls back on its
// built-in value on its own.
TEST(StartupSettings, ReadsEachKeyOrFallsBack) {
    MemoryFileSystem files;
    EXPECT_EQ(readStartupFile(files, kStartupFile).settings, StartupSettings{});

    const StartupSettings keysMissing{.useSize = false, .useFace = false, .lineBreak = false};
    for (const char* content : {"", "[Stat]\r\n", "[Other]\r\nSS=1\r\n", "Stat\r\nSS=1\r\n"}) {
        files.files[kStartupFile] = content;
        EXPECT_EQ(readStartupFile(files, kStartupFile).settings, keysMissing) << content;
        EXPECT_FALSE(readStartupFile(files, kStartupFile).heldSettings) << content;
    }

    files.files[kStartupFile] =
        "[Stat]\r\nCol1=0xFF\r\nCol2=FF\r\nCol3=$ff\r\nColB=0x\r\nSS=2\r\nFS=on\r\nKB=$10\r\n"
        "TB=0\r\nCS=yes\r\nF_TAG=5\r\nS_TAG=-1\r\n";
    const StartupSettings expected{.startColour = 255,
                                   .endColour = 255,
                                   .useFace = false,
                                   .upperCaseTags = false,
                                   .boldTagForm = 5,
                                   .italicTagForm = -1};
    EXPECT_EQ(readStartupFile(files, kStartupFile).settings, expected);
    EXPECT_FALSE(readStartupFile(files, kStartupFile).unreadable);
    EXPECT_TRUE(readStartupFile(files, kStartupFile).heldSettings);
    // A file that cannot be read gives the built-in values, as none does, and says why.
    files.unreadable.insert(kStartupFile);
    const StartupFileRead unreadable = readStartupFile(files, kStartupFile);
    EXPECT_EQ(unreadable.settings, StartupSettings{});
    ASSERT_TRUE(unreadable.unreadable);
    EXPECT_EQ(unreadable.unreadable->file(), kStartupFile);
    EXPECT_EQ(unreadable.unreadable->reason(), std::errc::permission_denied);
}

TEST(StartupSettings, WritesElevenKeysInOneSaveKeepingTheRestOrNone) {
    MemoryFileSystem files;
    files.files[kStartupFile] =
        "; mine\r\n[Stat]\r\nTB=1\r\nmine=kept\r\n\r\n[Other]\r\nCol1=9\r\n";
    const StartupSettings settings{.startColour = 255,
                                   .backgroundColour = 0xFFFFFFFF,
                                   .useSize = false,
                                   .hashInColourCodes = false,
                                   .boldTagForm = 1};
    writeStartupSettings(files, kStartupFile, settings);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(files.files[kStartupFile],
              "; mine\r\n[Stat]\r\nTB=1\r\nmine=kept\r\n"
              "Col1=255\r\nCol2=65535\r\nCol3=16711680\r\nColB=-1\r\n"
              "SS=0\r\nFS=1\r\nKB=1\r\nCS=0\r\nF_TAG=1\r\nS_TAG=0\r\n"
              "\r\n[Other]\r\nCol1=9\r\n");

    const StartupSettings extremes[] = {
        {0x80000000, 0x7FFFFFFF, 0, 0xFFFFFFFF, false, false, false, false, false, -1, 2147483647},
        {0x12345678, 1, 2, 3, true, false, true, false, true, 0, -2147483647 - 1},
    };
    for (const StartupSettings& extreme : extremes) {
        writeStartupSettings(files, kStartupFile, extreme);
        EXPECT_EQ(readStartupFile(files, kStartupFile).settings, extreme);
    }

    // Saving over a file that cannot be read would lose what it holds.
    files.unreadable.insert(kStartupFile);
    EXPECT_THROW(writeStartupSettings(files, kStartupFile, settings), FileWriteError);
    EXPECT_EQ(files.replaceCount, 3);
}

}  // namespace
}  // namespace huewright::test
