#include "persistence/gradation_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <variant>
#include <vector>

#include "memory_file_system.h"
#include "persistence/atomic_file.h"

namespace huewright {
namespace {

using test::MemoryFileSystem;

const std::filesystem::path kFile = "/home/user/Lumo.DAT";

using Value = std::variant<std::int32_t, bool, std::string>;

// One value per key, in write order, as a window might hold them.
std::vector<Value> sampleValues() {
    return {255,   65535,
            -1,    16777215,
            true,  false,
            true,  std::string("\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"),
            7,     true,
            false, true,
            false, true,
            false, true,
            99,    false,
            true,  std::string(" http://example.com/?a='b' "),
            true,  false,
            false, true,
            7,     1,
            false, std::string("\"") + std::string(2000, 'x') + "\""};
}

GradationFileWriter writerWith(const std::vector<Value>& values) {
    GradationFileWriter writer;
    for (std::size_t i = 0; i < kGradationWriteOrder.size(); ++i) {
        const GradationKey& key = kGradationWriteOrder[i];
        if (key.kind == ValueKind::Text) {
            writer.setText(key, std::get<std::string>(values[i]));
        } else if (key.kind == ValueKind::Switch) {
            writer.setSwitch(key, std::get<bool>(values[i]));
        } else {
            writer.setNumber(key, std::get<std::int32_t>(values[i]));
        }
    }
    return writer;
}

template <typename Action>
std::string errorOf(Action action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

TEST(GradationFile, ReadOrderTakesTheGradationModeBeforeTheThreeColourSwitch) {
    std::vector<std::string_view> expected;
    for (const GradationKey& key : kGradationWriteOrder) {
        expected.push_back(key.key);
    }
    ASSERT_EQ(expected[4], "CB");
    expected[4] = "Gtype1B";
    expected[5] = "Gtype2B";
    expected[6] = "CB";
    std::vector<std::string_view> read;
    for (const GradationKey& key : kGradationReadOrder) {
        read.push_back(key.key);
    }
    EXPECT_EQ(read, expected);
}

TEST(GradationFile, SavesANewFileInWriteOrder) {
    MemoryFileSystem files;
    std::vector<Value> values = sampleValues();
    values.back() = std::string("hello");
    writerWith(values).save(files, kFile);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(files.files[kFile],
              "[Stat]\r\nCol1=255\r\nCol2=65535\r\nCol3=-1\r\nCol_B=16777215\r\nCB=1\r\n"
              "Gtype1B=0\r\nGtype2B=1\r\n"
              "FontName=\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e\r\n"
              "FontSize=7\r\nBB=1\r\nEB=0\r\nUB=1\r\nSB=0\r\nFS=1\r\nSS=0\r\nWB=1\r\nWS=99\r\n"
              "HB=0\r\nLB=1\r\nlink_e=\" http://example.com/?a='b' \"\r\nTB=1\r\nFtype1B=0\r\n"
              "Ftype2B=0\r\nFtype3B=1\r\nFDsize=7\r\nFSsize=1\r\nKB=0\r\n"
              "[DATA]\r\ntext=hello\r\n");
}

TEST(GradationFile, SavingOverAStartupFileKeepsWhatItDoesNotWrite) {
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nColB=1\r\nTB=0\r\nCol1=9\r\n\r\n[Mine]\r\nx=y\r\n";
    writerWith(sampleValues()).save(files, kFile);
    const std::string& saved = files.files[kFile];
    EXPECT_EQ(saved.substr(0, 40), "[Stat]\r\nColB=1\r\nTB=1\r\nCol1=255\r\nCol2=655");
    EXPECT_NE(saved.find("KB=0\r\n\r\n[Mine]\r\nx=y\r\n[DATA]\r\ntext="), std::string::npos);
}

TEST(GradationFile, EveryKeyComesBackAfterASave) {
    MemoryFileSystem files;
    const std::vector<Value> values = sampleValues();
    writerWith(values).save(files, kFile);

    const GradationFileReader reader(files, kFile);
    for (std::size_t i = 0; i < kGradationKeyCount; ++i) {
        const GradationKey& key = kGradationWriteOrder[i];
        SCOPED_TRACE(key.key);
        if (key.kind == ValueKind::Text) {
            EXPECT_EQ(reader.text(key), std::get<std::string>(values[i]));
        } else if (key.kind == ValueKind::Switch) {
            EXPECT_EQ(reader.switchOn(key), std::get<bool>(values[i]));
        } else {
            EXPECT_EQ(reader.number(key), std::get<std::int32_t>(values[i]));
        }
    }
}

TEST(GradationFile, ReaderAnswersOnlyForPresentValidValues) {
    const auto key = [](std::string_view name) {
        for (const GradationKey& candidate : kGradationReadOrder) {
            if (candidate.key == name) {
                return candidate;
            }
        }
        throw std::logic_error("no such key");
    };
    const GradationFileReader reader(ProfileDocument(
        "[stat]\r\ncol1=0x0000FF\r\nCol2=FF\r\nGtype1B=0\r\nCB=2\r\nBB=yes\r\nFontSize=9\r\n"
        "WS=-3\r\nFontName=\r\nlink_e=\"\"\r\n[DATA]\r\ntext=" +
        std::string(1500, 't') + "\r\n"));
    EXPECT_EQ(reader.number(key("Col1")), 255);
    EXPECT_EQ(reader.number(key("Col2")), std::nullopt);
    EXPECT_EQ(reader.number(key("Col3")), std::nullopt);
    EXPECT_EQ(reader.switchOn(key("Gtype1B")), false);
    EXPECT_EQ(reader.switchOn(key("Gtype2B")), std::nullopt);
    EXPECT_EQ(reader.switchOn(key("CB")), true);
    EXPECT_EQ(reader.switchOn(key("BB")), std::nullopt);
    EXPECT_EQ(reader.number(key("FontSize")), 9);
    EXPECT_EQ(reader.number(key("WS")), -3);
    EXPECT_EQ(reader.text(key("FontName")), "");
    EXPECT_EQ(reader.text(key("link_e")), "");
    EXPECT_EQ(reader.text(key("text")), std::string(1500, 't'));

    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nCol1=1\r\n";
    files.unreadable.insert(kFile);
    for (const std::filesystem::path& file : {kFile, std::filesystem::path("/missing.DAT")}) {
        const GradationFileReader empty(files, file);
        for (const GradationKey& each : kGradationReadOrder) {
            EXPECT_EQ(empty.text(each), std::nullopt) << each.key;
        }
    }
}

TEST(GradationFile, FailedSavesChangeNothing) {
    MemoryFileSystem files;
    files.files[kFile] = "[Stat]\r\nCol1=1\r\n";

    std::vector<Value> broken = sampleValues();
    broken.back() = std::string("two\r\nlines");
    EXPECT_EQ(errorOf([&] { writerWith(broken).save(files, kFile); }),
              "text の値は改行を含むため書き込めません");

    GradationFileWriter incomplete;
    incomplete.setNumber(kGradationWriteOrder[0], 1);
    EXPECT_EQ(errorOf([&] { incomplete.save(files, kFile); }), "no value for the key Col2");

    files.unwritable.insert(kFile);
    EXPECT_EQ(errorOf([&] { writerWith(sampleValues()).save(files, kFile); }),
              "/home/user/Lumo.DAT に書き込めません");

    files.unwritable.clear();
    files.unreadable.insert(kFile);
    EXPECT_THROW(writerWith(sampleValues()).save(files, kFile), FileWriteError);

    EXPECT_EQ(files.replaceCount, 0);
    EXPECT_EQ(files.files[kFile], "[Stat]\r\nCol1=1\r\n");
}

TEST(GradationFile, WriterRefusesKeysOutsideTheTableAndWrongKinds) {
    GradationFileWriter writer;
    EXPECT_THROW(writer.setNumber({"Stat", "ColB", ValueKind::Colour}, 1), std::logic_error);
    EXPECT_THROW(writer.setNumber({"DATA", "Col1", ValueKind::Colour}, 1), std::logic_error);
    EXPECT_THROW(writer.setSwitch(kGradationWriteOrder[0], true), std::logic_error);
    EXPECT_THROW(writer.setText(kGradationWriteOrder[8], "7"), std::logic_error);
    EXPECT_THROW(writer.setNumber(kGradationWriteOrder[4], 1), std::logic_error);
}

}  // namespace
}  // namespace huewright
