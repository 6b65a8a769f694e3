#include "persistence/settings_file.h"

#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "persistence/atomic_file.h"

namespace huewright {
namespace {

using test::MemoryFileSystem;

const std::filesystem::path kFile = "/home/user/Lumo.DAT";

TEST(SettingsFile, ReaderAnswersOnlyForPresentValidValues) {
    const SettingsFileReader reader(ProfileDocument(
        "[stat]\r\ncol1=0x0000FF\r\nCol2=FF\r\nGtype1B=0\r\nCB=2\r\nBB=yes\r\nWS=-3\r\n"
        "FontName=\r\nlink_e=\"\"\r\n[DATA]\r\ntext=" +
        std::string(1500, 't') + "\r\n"));
    EXPECT_EQ(reader.number({"Stat", "Col1"}), 255);
    EXPECT_EQ(reader.number({"Stat", "Col2"}), std::nullopt);
    EXPECT_EQ(reader.number({"Stat", "Col3"}), std::nullopt);
    EXPECT_EQ(reader.switchOn({"Stat", "Gtype1B"}), false);
    EXPECT_EQ(reader.switchOn({"Stat", "CB"}), true);
    EXPECT_EQ(reader.switchOn({"Stat", "BB"}), std::nullopt);
    EXPECT_EQ(reader.number({"Stat", "WS"}), -3);
    EXPECT_EQ(reader.text({"Stat", "FontName"}), "");
    EXPECT_EQ(reader.text({"Stat", "link_e"}), "");
    EXPECT_EQ(reader.text({"DATA", "text"}), std::string(1500, 't'));

    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nCol1=1\r\n";
    files.unreadable.insert(kFile);
    for (const std::filesystem::path& file : {kFile, std::filesystem::path("/missing.DAT")}) {
        EXPECT_EQ(SettingsFileReader(files, file).text({"Stat", "Col1"}), std::nullopt) << file;
    }
}

TEST(SettingsFile, SaveReplacesKeysInPlaceAndKeepsTheRest) {
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nColB=1\r\nTB=0\r\n\r\n[Mine]\r\nx=y\r\n";
    const SettingsValue values[] = {
        {{"Stat", "Col1"}, "255"}, {{"Stat", "TB"}, "1"}, {{"DATA", "text"}, " two blanks "}};
    saveSettingsValues(files, kFile, values);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(files.files[kFile],
              "[Stat]\r\nColB=1\r\nTB=1\r\nCol1=255\r\n\r\n[Mine]\r\nx=y\r\n"
              "[DATA]\r\ntext=\" two blanks \"\r\n");
    EXPECT_EQ(SettingsFileReader(files, kFile).text({"DATA", "text"}), " two blanks ");
}

TEST(SettingsFile, FailedSavesChangeNothing) {
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nCol1=1\r\n";
    const SettingsValue broken[] = {{{"Stat", "Col1"}, "2"}, {{"DATA", "text"}, "two\r\nlines"}};
    try {
        saveSettingsValues(files, kFile, broken);
        ADD_FAILURE() << "a line break was stored";
    } catch (const LineBreakInValueError& error) {
        EXPECT_EQ(error.key(), "text");
    }

    const SettingsValue fine[] = {{{"Stat", "Col1"}, "2"}};
    files.unwritable.insert(kFile);
    EXPECT_THROW(saveSettingsValues(files, kFile, fine), FileWriteError);
    files.unwritable.clear();
    // A file that exists but cannot be read would lose its other keys if saved over.
    files.unreadable.insert(kFile);
    EXPECT_THROW(saveSettingsValues(files, kFile, fine), FileWriteError);

    EXPECT_EQ(files.replaceCount, 0);
    EXPECT_EQ(files.files[kFile], "[Stat]\r\nCol1=1\r\n");
}

}  // namespace
}  // namespace huewright
