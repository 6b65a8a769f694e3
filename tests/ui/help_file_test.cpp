#include "ui/help_file.h"

#include <gtest/gtest.h>

#include <set>
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
        EXPECT_EQ(helpFileName(row.path, row.encoding), row.expected) << row.path;
    }
}

TEST(HelpFile, FallsBackToTheSharedDataFolder) {
    const struct {
        const char* name;
        const char* executable;
        PathEncoding encoding;
        std::set<std::string> files;
        const char* expected;
    } rows[] = {
        {"beside only",
         "/usr/bin/huewright",
         PathEncoding::Utf8,
         {"/usr/bin/huewright.hlp"},
         "/usr/bin/huewright.hlp"},
        {"shared only",
         "/usr/bin/huewright",
         PathEncoding::Utf8,
         {"/usr/bin/../share/huewright/huewright.hlp"},
         "/usr/bin/../share/huewright/huewright.hlp"},
        {"both",
         "/usr/bin/huewright",
         PathEncoding::Utf8,
         {"/usr/bin/huewright.hlp", "/usr/bin/../share/huewright/huewright.hlp"},
         "/usr/bin/huewright.hlp"},
        {"neither", "/usr/bin/huewright", PathEncoding::Utf8, {}, "/usr/bin/huewright.hlp"},
        {"relative",
         "bin/tool.exe",
         PathEncoding::Utf8,
         {"bin/../share/huewright/tool.hlp"},
         "bin/../share/huewright/tool.hlp"},
        {"no folder",
         "huewright",
         PathEncoding::Utf8,
         {"../share/huewright/huewright.hlp"},
         "../share/huewright/huewright.hlp"},
        // The trail byte 0x5C of 0x95 0x5C is no separator: the name is the whole character.
        {"double-byte name",
         "C:\\bin\\\x95\x5C.exe",
         PathEncoding::CodePage932,
         {"C:\\bin\\../share/huewright/\x95\x5C.hlp"},
         "C:\\bin\\../share/huewright/\x95\x5C.hlp"},
    };
    for (const auto& row : rows) {
        const auto isFile = [&](const std::string& file) { return row.files.contains(file); };
        EXPECT_EQ(locateHelpFile(row.executable, row.encoding, isFile), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace huewright
