#include "persistence/startup_settings.h"

#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "persistence/atomic_file.h"

namespace huewright {
namespace {

using test::MemoryFileSystem;

const std::filesystem::path kFile = "/home/user/work/lumo.ini";

// What a start-up file that exists but lacks every key gives.
StartupSettings keyMissingDefaults() {
    StartupSettings settings;
    settings.useSize = settings.useFace = settings.lineBreak = false;
    return settings;
}

TEST(StartupSettings, FileNameIsLumoIniInTheStartupDirectory) {
    EXPECT_EQ(startupFilePath("/home/user/work"), kFile);
    EXPECT_EQ(startupFilePath("/home/user/work/"), kFile);
}

TEST(StartupSettings, WithoutAFileAllBuiltInsAndNothingIsCreated) {
    MemoryFileSystem files;
    const StartupSettings settings = readStartupSettings(files, kFile);
    EXPECT_EQ(settings, StartupSettings{});
    EXPECT_EQ(settings.startColour, 0xFF00FF);
    EXPECT_EQ(settings.middleColour, 0x00FFFF);
    EXPECT_EQ(settings.endColour, 0xFF0000);
    EXPECT_EQ(settings.backgroundColour, 0xFFFFFF);
    EXPECT_TRUE(settings.useSize && settings.useFace && settings.lineBreak &&
                settings.upperCaseTags && settings.hashInColourCodes);
    EXPECT_EQ(settings.boldTagForm, 0);
    EXPECT_EQ(settings.italicTagForm, 0);
    EXPECT_TRUE(files.files.empty());
}

TEST(StartupSettings, AFileWithoutKeysSwitchesSizeFontAndLineBreakOff) {
    const std::string contents[] = {"", "[Stat]\r\n", "[Other]\r\nSS=1\r\n", "Stat\r\nSS=1\r\n"};
    for (const std::string& content : contents) {
        SCOPED_TRACE(content);
        MemoryFileSystem files;
        files.files[kFile] = content;
        EXPECT_EQ(readStartupSettings(files, kFile), keyMissingDefaults());
    }
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nSS=1\r\n";
    files.unreadable.insert(kFile);
    EXPECT_EQ(readStartupSettings(files, kFile), keyMissingDefaults());
}

TEST(StartupSettings, EachKeyFallsBackOnItsOwn) {
    MemoryFileSystem files;
    files.files[kFile] =
        "[Stat]\r\n"
        "Col1=0xFF\r\n"
        "Col2=FF\r\n"
        "Col3=$ff\r\n"
        "ColB=0x\r\n"
        "SS=2\r\n"
        "FS=on\r\n"
        "KB=$10\r\n"
        "TB=0\r\n"
        "CS=yes\r\n"
        "F_TAG=5\r\n"
        "S_TAG=-1\r\n";
    StartupSettings expected;
    expected.startColour = 255;
    expected.endColour = 255;
    expected.useSize = true;
    expected.useFace = false;
    expected.lineBreak = true;
    expected.upperCaseTags = false;
    expected.hashInColourCodes = true;
    expected.boldTagForm = 5;
    expected.italicTagForm = -1;
    EXPECT_EQ(readStartupSettings(files, kFile), expected);
}

TEST(StartupSettings, WritesElevenKeysInOneSaveKeepingTheRest) {
    MemoryFileSystem files;
    files.files[kFile] = "; mine\r\n[Stat]\r\nTB=1\r\nmine=kept\r\n\r\n[Other]\r\nCol1=9\r\n";
    StartupSettings settings;
    settings.startColour = 255;
    settings.backgroundColour = -1;
    settings.useSize = false;
    settings.hashInColourCodes = false;
    settings.boldTagForm = 1;
    writeStartupSettings(files, kFile, settings);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(files.files[kFile],
              "; mine\r\n[Stat]\r\nTB=1\r\nmine=kept\r\n"
              "Col1=255\r\nCol2=65535\r\nCol3=16711680\r\nColB=-1\r\n"
              "SS=0\r\nFS=1\r\nKB=1\r\nCS=0\r\nF_TAG=1\r\nS_TAG=0\r\n"
              "\r\n[Other]\r\nCol1=9\r\n");
    EXPECT_EQ(readStartupSettings(files, kFile), settings);
}

TEST(StartupSettings, EveryValueComesBackAfterAWrite) {
    const StartupSettings extremes[] = {
        {-2147483647 - 1, 2147483647, 0, -1, false, false, false, false, false, -1, 2147483647},
        {0x12345678, 1, 2, 3, true, false, true, false, true, 0, -2147483647 - 1},
    };
    for (const StartupSettings& settings : extremes) {
        MemoryFileSystem files;
        writeStartupSettings(files, kFile, settings);
        EXPECT_EQ(readStartupSettings(files, kFile), settings);
    }
}

TEST(StartupSettings, RefusedWritesThrowWithTheFileNameAndChangeNothing) {
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nCol1=1\r\n";
    files.unwritable.insert(kFile);
    EXPECT_THROW(
        {
            try {
                writeStartupSettings(files, kFile, StartupSettings{});
            } catch (const FileWriteError& error) {
                EXPECT_STREQ(error.what(), "cannot write /home/user/work/lumo.ini");
                throw;
            }
        },
        FileWriteError);
    EXPECT_EQ(files.files[kFile], "[Stat]\r\nCol1=1\r\n");

    // Saving over a file that cannot be read would lose what it holds.
    files.unwritable.clear();
    files.unreadable.insert(kFile);
    EXPECT_THROW(writeStartupSettings(files, kFile, StartupSettings{}), FileWriteError);
    EXPECT_EQ(files.replaceCount, 0);
}

}  // namespace
}  // namespace huewright
