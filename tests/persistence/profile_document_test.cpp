#include "persistence/profile_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huewright {
namespace {

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

}  // namespace
}  // namespace huewright
