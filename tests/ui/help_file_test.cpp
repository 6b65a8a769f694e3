#include "ui/help_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace huewright
