#include "ui/help_file.h"

#include <gtest/gtest.h>

#include <string>

namespace huewright {
namespace {

TEST(HelpFile, ReplacesOrAppendsTheExtension) {
    const struct {
        const char* path;
        PathEncoding encoding;
        const char* expected;
    } rows[] = {
        // 0x95 0x5C is one code page 932 character whose trail byte looks like a backslash: taken
        // for a separator, it would hide the dot before it. In UTF-8, "あ" (E3 81 82) holds bytes
        // that
        // code page 932 would pair with the next one.
        {"C:\\tools\\tool.exe", PathEncoding::CodePage932, "C:\\tools\\tool.hlp"},
        {"/opt/v1.2/huewright", PathEncoding::Utf8, "/opt/v1.2/huewright.hlp"},
        {"C:tool.x.exe", PathEncoding::CodePage932, "C:tool.x.hlp"},
        {"C:\\a.b\\tool", PathEncoding::CodePage932, "C:\\a.b\\tool.hlp"},
        {"C:\\a.\x95\x5C", PathEncoding::CodePage932, "C:\\a.hlp"},
        {"/home/\xE3\x81\x82.bin", PathEncoding::Utf8, "/home/\xE3\x81\x82.hlp"},
        {"", PathEncoding::Utf8, ".hlp"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(helpFileName(row.path, row.encoding, Language::Japanese), row.expected)
            << row.path;
    }
    EXPECT_EQ(helpFileName("/opt/v1.2/huewright", PathEncoding::Utf8, Language::English),
              "/opt/v1.2/huewright.en.hlp");
    EXPECT_EQ(helpFileName("C:\\tools\\tool.exe", PathEncoding::CodePage932, Language::English),
              "C:\\tools\\tool.en.hlp");
}

// The help file beside the program wins; the one in the shared data folder is taken only when
// it alone is there; with neither, the one beside the program is reported missing.
TEST(HelpFile, FallsBackToTheSharedDataFolder) {
    const struct {
        const char* executable;
        std::string beside;
        std::string shared;
        PathEncoding encoding = PathEncoding::Utf8;
    } rows[] = {
        {"/usr/bin/huewright", "/usr/bin/huewright.hlp",
         "/usr/bin/../share/huewright/huewright.hlp"},
        {"huewright", "huewright.hlp", "../share/huewright/huewright.hlp"},
        // The trail byte 0x5C of 0x95 0x5C is no separator: the name is the whole character.
        {"C:\\bin\\\x95\x5C.exe", "C:\\bin\\\x95\x5C.hlp",
         "C:\\bin\\../share/huewright/\x95\x5C.hlp", PathEncoding::CodePage932},
    };
    for (const auto& row : rows) {
        for (const bool besideThere : {false, true}) {
            for (const bool sharedThere : {false, true}) {
                const auto isFile = [&](const std::string& file) {
                    return (besideThere && file == row.beside) ||
                           (sharedThere && file == row.shared);
                };
                EXPECT_EQ(locateHelpFile(row.executable, row.encoding, Language::Japanese, isFile),
                          sharedThere && !besideThere ? row.shared : row.beside)
                    << row.executable << (besideThere ? ", beside" : "")
                    << (sharedThere ? ", shared" : "");
            }
        }
    }
}

}  // namespace
}  // namespace huewright
