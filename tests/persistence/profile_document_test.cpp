#include "persistence/profile_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace huewright {
namespace {

using namespace std::string_literals;

// Two sections, the last ending in a line without a line end after one that ends in LF alone.
const std::string kDocument = "[Stat]\r\nCol1=1\r\n[DATA]\ntext=old";

TEST(ProfileDocument, WritesChangeOnlyWhatTheyMust) {
    const struct {
        const char* name;
        std::string before;
        std::string_view section, key, text;
        std::string after;
    } rows[] = {
        {"create the file", "", "Stat", "Col1", "255", "[Stat]\r\nCol1=255\r\n"},
        {"replace keeping layout and line end", "[Stat]\r\n  Col1 = 1  \r\nCol2=2\n", "Stat",
         "Col1", "255", "[Stat]\r\n  Col1 = 255\r\nCol2=2\n"},
        {"replace keeps the file's spelling", "[STAT]\r\ncol1=1\r\n", "Stat", "Col1", "2",
         "[STAT]\r\ncol1=2\r\n"},
        {"append a section after a CR", "[S]\rk=1\r", "T", "k", "3", "[S]\rk=1\r[T]\r\nk=3\r\n"},
        {"a key without = gets one where it stands", "[Stat]\r\n  k  \r\nk=0\r\n", "Stat", "k", "1",
         "[Stat]\r\n  k=1\r\nk=0\r\n"},
        {"replace only the first of two", "[Stat]\r\nk=1\r\nk=2\r\n", "Stat", "k", "3",
         "[Stat]\r\nk=3\r\nk=2\r\n"},
        {"append after the last key, before blank lines", "[Stat]\r\nA=1\r\n\r\n[DATA]\r\nt=x\r\n",
         "Stat", "B", "5", "[Stat]\r\nA=1\r\nB=5\r\n\r\n[DATA]\r\nt=x\r\n"},
        {"append right after a header with no keys", "[Stat]\r\n; note\r\n\r\n[DATA]\r\n", "Stat",
         "A", "1", "[Stat]\r\nA=1\r\n; note\r\n\r\n[DATA]\r\n"},
        {"append to the first of two sections", "[Stat]\r\na=1\r\n[Stat]\r\nb=2\r\n", "Stat", "b",
         "3", "[Stat]\r\na=1\r\nb=3\r\n[Stat]\r\nb=2\r\n"},
        {"append after a last line without line end", "[Stat]\r\nA=1", "Stat", "B", "2",
         "[Stat]\r\nA=1\r\nB=2\r\n"},
        {"append a section after a line without line end", "; only a comment", "DATA", "text", "hi",
         "; only a comment\r\n[DATA]\r\ntext=hi\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileDocument file(row.before);
        file.write(row.section, row.key, row.text);
        EXPECT_EQ(file.bytes(), row.after);
    }
}

// A batch is one write after another (the profile reader's fuzzer checks that for any file and
// writes): a key keeps the spelling it was first written with and takes its last value; new keys
// follow the last key of their section and new sections the end of the file, each in the order
// first written.
TEST(ProfileDocument, ABatchWritesAsOneWriteAfterAnother) {
    const struct {
        const char* name;
        std::string before;
        std::vector<SettingsValue> values;
        std::string after;
    } rows[] = {
        {"one key twice in two spellings",
         "",
         {{{"Stat", "col1"}, "1"}, {{"STAT", "Col1"}, "2"}},
         "[Stat]\r\ncol1=2\r\n"},
        {"new sections and keys in first-written order",
         "[A]\r\na=0\r\n; end of A\r\n[B]\nb=0\n",
         {{{"C", "c"}, "1"},
          {{"A", "x"}, "2"},
          {{"B", "b"}, "3"},
          {{"D", "d"}, "4"},
          {{"A", "y"}, "5"},
          {{"c", "e"}, "6"},
          {{"a", "X"}, "7"}},
         "[A]\r\na=0\r\nx=7\r\ny=5\r\n; end of A\r\n[B]\nb=3\n[C]\r\nc=1\r\ne=6\r\n[D]\r\nd=4\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileDocument batch(row.before);
        batch.writeAll(row.values);
        EXPECT_EQ(batch.bytes(), row.after);
    }

    // A refused value, even the last, leaves the file as it was.
    ProfileDocument file(kDocument);
    const SettingsValue values[] = {{{"Stat", "Col1"}, "2"}, {{"Stat", "New"}, "x\ry"}};
    EXPECT_THAT([&] { file.writeAll(values); },
                testing::Throws<LineBreakInValueError>(
                    testing::Property(&LineBreakInValueError::key, "New")));
    EXPECT_EQ(file.bytes(), kDocument);
}

TEST(ProfileDocument, EveryTextComesBackExactly) {
    // Blanks and quotation marks a reader would strip, then double-byte characters.
    std::vector<std::string> texts = {"",         " lead",    "trail\t",      " ",
                                      "\"",       "'",        "\"\"",         "''",
                                      "'single'", "\"mixed'", "\" spaced \"", "a=b=c"};
    texts.insert(texts.end(), {"\x81\x40", "\x83\x5D\x83\x5B\x95\x5C", "ends in a lead byte \x83",
                               std::string(5000, '\x82') + " "});
    ProfileDocument file(kDocument);
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        file.write("DATA", "text", text);
        file.write("Stat", "NewKey", text);
        EXPECT_EQ(file.read("DATA", "text"), text);
        EXPECT_EQ(file.read("Stat", "NewKey"), text);
    }
}

TEST(ProfileDocument, RefusesLineBreaksAndNulsAndChangesNothing) {
    const std::string_view texts[] = {"two\r\nlines", "cr\r", "\nlf", {"nul\0", 4}};
    for (const std::string_view text : texts) {
        ProfileDocument file(kDocument);
        EXPECT_THAT([&] { file.write("DATA", "text", text); },
                    testing::Throws<LineBreakInValueError>(
                        testing::Property(&LineBreakInValueError::key, "text")))
            << testing::PrintToString(text);
        EXPECT_EQ(file.bytes(), kDocument);
    }
}

// Files as people write them by hand or with other editors, read as the platform reads them.
TEST(ProfileReading, ReadsWhatThePlatformReads) {
    struct Row {
        const char* name;
        std::string file;
        const char* key;
        std::optional<std::string> expected;
        const char* section = "Stat";
    };
    const Row rows[] = {
        {"names in any ASCII case, blanks around", "[STAT]\r\n  col2 =  65535  \r\n", "COL2",
         "65535"},
        {"quotes enclosing blanks go", "[Stat]\r\nTB\t=\t\"  padded  \"\r\n", "TB", "  padded  "},
        {"single quotes enclose too", "[Stat]\r\nTB='x'\r\n", "TB", "x"},
        {"quotes that do not match stay", "[Stat]\r\nTB=\"x'\r\n", "TB", "\"x'"},
        {"a lone quote stays", "[Stat]\r\nTB=\"\r\n", "TB", "\""},
        {"two quotes are an empty value", "[Stat]\r\nTB=\"\"\r\n", "TB", ""},
        {"blanks alone are an empty value", "[Stat]\r\nTB=   \r\n", "TB", ""},
        {"a key without = has no value", "[Stat]\r\nTB\r\nTB=1\r\n", "TB", std::nullopt},
        {"the first line of a key wins", "[Stat]\r\nTB=0\r\nTB=1\r\n", "TB", "0"},
        {"a comment is no key", "[Stat]\r\n;TB=1\r\n", ";TB", std::nullopt},
        {"a lone CR ends a line", "[Stat]\r\nMac=old\rTB=1\r\n", "TB", "1"},
        {"the last line may end in LF or not at all; = and ; in a value", "[Stat]\n\nTB=a=b; c",
         "tb", "a=b; c"},
        {"only the first section of a name counts", "[Stat]\r\n[stat]\r\nTB=1\r\n", "TB",
         std::nullopt},
        {"[ without ] is no section", "[Stat]\r\n[Oops\r\nTB=1\r\n", "TB", "1"},
        {"words after ] do not count", "[ \x83\x5B ] words\r\nTB=1\r\n", "TB", "1", "\x83\x5B"},
        {"a second byte ] does not close a section", "[\x83\x5D\x83\x5B]\r\nTB=1\r\n", "TB", "1",
         "\x83\x5D\x83\x5B"},
        {"a second byte A is not folded", "[Stat]\r\n\x83\x41=A\r\n\x83\x61=a\r\n", "\x83\x61",
         "a"},
        {"full-width letters are not folded", "[Stat]\r\n\x82\x60=1\r\n", "\x82\x81", std::nullopt},
        {"vertical tab and form feed are blanks", "[Stat]\r\n\vTB\f=\t1\v\r\n", "TB", "1"},
        {"a full-width space is no blank", "[Stat]\r\nTB=\x81\x40x\x81\x40\r\n", "TB",
         "\x81\x40x\x81\x40"},
        {"NUL ends the value", "[Stat]\r\nTB=1\0 2\r\n"s, "TB", "1"},
        {"UTF-8 mark", "\xEF\xBB\xBF[Stat]\r\nTB=\xE3\x81\x82\r\n", "TB", "\x82\xA0"},
        {"UTF-8 value that code page 932 cannot hold",
         "\xEF\xBB\xBF[Stat]\r\nTB=\xF0\x9F\x98\x80\r\n", "TB", std::nullopt},
        {"UTF-16LE mark", "\xFF\xFE[\0S\0t\0a\0t\0]\0\n\0T\0B\0=\0B\x30\n\0"s, "TB", "\x82\xA0"},
        {"UTF-16BE mark", "\xFE\xFF\0[\0S\0t\0a\0t\0]\0\n\0T\0B\0=\x30\x42\0\n"s, "TB", "\x82\xA0"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ProfileDocument(row.file).read(row.section, row.key), row.expected) << row.name;
    }
}

TEST(ProfileReading, WritesKeepTheEncoding) {
    const std::string utf16 = "\xFF\xFE[\0S\0t\0a\0t\0]\0\n\0"s;
    ProfileDocument unicode(utf16);
    unicode.write("Stat", "text", "\x82\xA0");
    EXPECT_EQ(unicode.bytes(), utf16 + "t\0e\0x\0t\0=\0B\x30\r\0\n\0"s);

    // Half a UTF-16 unit is text the mark promised and the bytes do not keep.
    EXPECT_FALSE(ProfileDocument(utf16 + "x").intact());
    EXPECT_TRUE(ProfileDocument(utf16).intact());
}

// A surrogate without its other half makes its value unreadable, not the rest of the file, and a
// write elsewhere keeps it.
TEST(ProfileReading, ALoneSurrogateSpoilsOnlyItsValue) {
    const std::string file =
        "\xFF\xFE[\0S\0t\0a\0t\0]\0\n\0"
        "t\0e\0x\0t\0=\0 \0\"\0a\0\x00\xDC\"\0\n\0"
        "T\0B\0=\0\x3D\xD8\x3D\xD8\x00\xDE\n\0"
        "C\0o\0l\0\x3D\xD8=\0"
        "1\0\n\0"
        "F\0S\0=\0"
        "1\0"s;
    ProfileDocument document(file);
    EXPECT_TRUE(document.intact());
    const SettingsKey keys[] = {{"Stat", "text"}, {"Stat", "TB"}, {"Stat", "FS"}};
    const std::vector<ProfileDocument::Entry> entries = document.readAll(keys);
    EXPECT_EQ(entries[0].value, std::nullopt);
    ASSERT_TRUE(entries[0].loneSurrogate);
    // The quotation mark is the first character of the value.
    EXPECT_EQ(entries[0].loneSurrogate->unit, 0xDC00);
    EXPECT_EQ(entries[0].loneSurrogate->character, 3u);
    EXPECT_EQ(entries[1].loneSurrogate->unit, 0xD83D);
    EXPECT_EQ(entries[1].loneSurrogate->character, 1u);
    EXPECT_EQ(entries[2].value, "1");
    EXPECT_FALSE(entries[2].loneSurrogate || entries[2].unrepresentable);

    document.write("Stat", "FS", "0");
    EXPECT_EQ(document.bytes(), file.substr(0, file.size() - 2) + "0\0"s);
}

}  // namespace
}  // namespace huewright
