#include "persistence/profile_document.h"

#include <gtest/gtest.h>

#include <string>

namespace huewright {
namespace {

// Laid out as a Windows editor or the platform's profile functions leave a file: CRLF, odd
// spacing, Shift-JIS names and values, a second section of the same name, a last line that is
// an LF line and one that has no line end at all.
const std::string kWindowsFile =
    "; written by hand\r\n"
    "[Stat]\r\n"
    "Col1=255\r\n"
    "  col2 =  65535  \r\n"
    "Col3\t=\t\"  padded  \"\r\n"
    "Quoted='x'\r\n"
    "Mismatch=\"x'\r\n"
    "Inner=a \"b\" c\r\n"
    "Blank=   \r\n"
    "OnlyQuote=\"\r\n"
    "TwoQuotes=\"\"\r\n"
    "Col1=second\r\n"
    ";Hidden=1\r\n"
    "   ; Indented=1\r\n"
    "NoEquals\r\n"
    "Mac=old\rNext=line\r\n"
    "\x83\x41=katakana a\r\n"  // "ア": its second byte is "A"
    "\x83\x61=small ya\r\n"    // "ャ": its second byte is "a"
    "\x82\x60=full-width A\r\n"
    "Wide=\x81\x40x\x81\x40\r\n"
    "\r\n"
    "[\x95\x5C]\r\n"  // "表": its second byte is a backslash
    "k=hyou\r\n"
    "[\x83\x5D\x83\x5B]\r\n"  // "ゾゼ": second bytes "]" and "["
    "k=zoze\r\n"
    "[ \x83\x5B ] trailing words\r\n"
    "k=ze\r\n"
    "[stat]\r\n"
    "Extra=never\r\n"
    "[DATA]\n"
    "text=a=b; and more";

TEST(ProfileDocument, ReadsAFileWrittenTheWindowsWay) {
    const ProfileDocument file(kWindowsFile);
    const struct {
        std::string_view section;
        std::string_view key;
        std::optional<std::string> expected;
    } rows[] = {
        {"Stat", "Col1", "255"},
        {"STAT", "COL2", "65535"},
        {"Stat", "Col3", "  padded  "},
        {"Stat", "Quoted", "x"},
        {"Stat", "Mismatch", "\"x'"},
        {"Stat", "Inner", "a \"b\" c"},
        {"Stat", "Blank", ""},
        {"Stat", "OnlyQuote", "\""},
        {"Stat", "TwoQuotes", ""},
        {"Stat", ";Hidden", std::nullopt},
        {"Stat", "Indented", std::nullopt},
        {"Stat", "NoEquals", std::nullopt},
        {"Stat", "Mac", "old"},
        {"Stat", "Next", "line"},
        {"Stat", "\x83\x41", "katakana a"},
        {"Stat", "\x83\x61", "small ya"},
        {"Stat", "\x82\x60", "full-width A"},
        {"Stat", "\x82\x81", std::nullopt},  // full-width "ａ" is not folded to "Ａ"
        {"Stat", "Wide", "\x81\x40x\x81\x40"},
        {"Stat", "Extra", std::nullopt},
        {"\x95\x5C", "k", "hyou"},
        {"\x83\x5D\x83\x5B", "k", "zoze"},
        {"\x83", "k", std::nullopt},
        {"\x83\x5B", "k", "ze"},
        {"data", "TEXT", "a=b; and more"},
        {"Missing", "Col1", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(file.read(row.section, row.key), row.expected)
            << "[" << row.section << "] " << row.key;
    }
}

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
        {"replace only the first of two", "[Stat]\r\nk=1\r\nk=2\r\n", "Stat", "k", "3",
         "[Stat]\r\nk=3\r\nk=2\r\n"},
        {"replace the last line without line end", "[Stat]\r\nk=1", "Stat", "k", "22",
         "[Stat]\r\nk=22"},
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
        {"section names with double-byte characters",
         "[\x83\x5D\x83\x5B]\r\nk=1\r\n[\x95\x5C]\r\nk=1\r\n", "\x95\x5C", "k", "\x95\x5C",
         "[\x83\x5D\x83\x5B]\r\nk=1\r\n[\x95\x5C]\r\nk=\x95\x5C\r\n"},
        {"blanks at the ends are quoted", "", "S", "k", "  a  ", "[S]\r\nk=\"  a  \"\r\n"},
        {"enclosing quotes are quoted", "", "S", "k", "\"q\"", "[S]\r\nk=\"\"q\"\"\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileDocument file(row.before);
        file.write(row.section, row.key, row.text);
        EXPECT_EQ(file.bytes(), row.after);
    }
}

TEST(ProfileDocument, EveryTextComesBackExactly) {
    const std::string texts[] = {"",
                                 " lead",
                                 "trail\t",
                                 " ",
                                 "\"",
                                 "'",
                                 "\"\"",
                                 "''",
                                 "'single'",
                                 "\"mixed'",
                                 "\" spaced \"",
                                 "a=b=c",
                                 ";not a comment",
                                 "[not a section]",
                                 "\x83\x5D\x83\x5B\x95\x5C",
                                 "\x81\x40",
                                 "ends in a lead byte \x83",
                                 std::string(5000, '\x82') + " "};
    ProfileDocument file(kWindowsFile);
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        file.write("DATA", "text", text);
        file.write("Stat", "NewKey", text);
        file.write("New", "text", text);
        EXPECT_EQ(file.read("DATA", "text"), text);
        EXPECT_EQ(file.read("Stat", "NewKey"), text);
        EXPECT_EQ(file.read("New", "text"), text);
        EXPECT_EQ(file.read("Stat", "Col3"), "  padded  ");
    }
}

TEST(ProfileDocument, RefusesLineBreaksAndChangesNothing) {
    for (const std::string_view text : {"two\r\nlines", "cr\r", "\nlf"}) {
        ProfileDocument file(kWindowsFile);
        try {
            file.write("DATA", "text", text);
            ADD_FAILURE() << "no error for a line break";
        } catch (const LineBreakInValueError& error) {
            EXPECT_EQ(error.key(), "text");
        }
        EXPECT_EQ(file.bytes(), kWindowsFile);
    }
}

}  // namespace
}  // namespace huewright
