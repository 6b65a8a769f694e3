#include "persistence/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <string_view>

#include "persistence/file_system.h"
#include "support/failing_calls.h"
#include "support/temporary_directory.h"

namespace huewright::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

// The save follows any chain of links, each resolved from where it stands, and replaces the file at
// its end whole with that file's mode, or creates it; the links stay links and no temporary file
// is left beside the target.
TEST(AtomicFile, ReplacesOrCreatesTheFileAtTheEndOfLinksKeepingItsMode) {
    TemporaryDirectory dir;
    writeBytes(dir / "lumo.ini", "a much longer old content than the new one");
    ::chmod((dir / "lumo.ini").c_str(), 0604);
    fs::create_directory(dir / "sub");
    fs::create_symlink("../lumo.ini", dir / "sub" / "hop");
    fs::create_symlink(dir / "sub" / "hop", dir / "link.ini");
    fs::create_symlink("out.html", dir / "dangling.html");
    writeFileAtomically(dir / "link.ini", "new");
    writeFileAtomically(dir / "dangling.html", "<B>x</B>\r\n");
    EXPECT_EQ(readBytes(dir / "lumo.ini"), "new");
    EXPECT_EQ(fs::status(dir / "lumo.ini").permissions(), fs::perms{0604});
    EXPECT_EQ(readBytes(dir / "out.html"), "<B>x</B>\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini") && fs::is_symlink(dir / "sub" / "hop"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.html"));
    EXPECT_EQ(dir.entries(), (Names{"dangling.html", "link.ini", "lumo.ini", "out.html", "sub"}));
}

TEST(AtomicFile, RefusesWhatItMustNotReplace) {
    TemporaryDirectory dir;
    writeBytes(dir / "readonly.ini", "keep me");
    ::chmod((dir / "readonly.ini").c_str(), 0444);
    fs::create_directory(dir / "folder");
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    const std::pair<fs::path, std::errc> rows[] = {
        {dir / "readonly.ini", std::errc::permission_denied},
        {dir / "folder", std::errc::is_a_directory},
        {dir / "missing" / "x.ini", std::errc::no_such_file_or_directory},
        {dir / "loop1", std::errc::too_many_symbolic_link_levels}};
    for (const auto& [file, reason] : rows) {
        try {
            writeFileAtomically(file, "new");
            ADD_FAILURE() << file << " was written";
        } catch (const FileWriteError& error) {
            const std::error_code code = std::make_error_code(reason);
            EXPECT_EQ(error.reason(), code);
            EXPECT_EQ(error.what(), "cannot write " + file.string() + ": " + code.message());
        }
    }
    EXPECT_EQ(readBytes(dir / "readonly.ini"), "keep me");
    EXPECT_EQ(dir.entries(), (Names{"folder", "loop1", "loop2", "readonly.ini"}));
}

// Where the file system offers no unnamed temporary file, as under node, the temporary file has a
// name from the start.
TEST(AtomicFile, EveryFailedStepWithANamedTemporaryFileLeavesTheOldFile) {
    for (const std::string_view step :
         {"create", "set mode", "short writes", "write nothing", "flush", "close", "rename"}) {
        expectTheOldFileKept(step, true, [](const auto& file, const auto& bytes, auto& calls) {
            EXPECT_THROW(writeFileAtomically(file, bytes, calls), FileWriteError);
        });
    }
}

TEST(DiskFileSystem, ReadsWholeRegularFilesOnly) {
    TemporaryDirectory dir;
    const std::string bytes = std::string("[Stat]\r\n\0\x83\x5D\n", 12) + std::string(200000, 'z');
    writeBytes(dir / "lumo.ini", bytes);
    fs::create_directory(dir / "folder.ini");

    const DiskFileSystem files;
    EXPECT_EQ(files.readFile(dir / "lumo.ini").bytes, bytes);
    // What cannot be read says why.
    const struct {
        const char* name;
        std::string reason;
        bool exists;
    } refused[] = {{"missing.ini", "No such file or directory", false},
                   {"folder.ini", "Is a directory", false}};
    for (const auto& row : refused) {
        const FileRead read = files.readFile(dir / row.name);
        EXPECT_EQ(read.bytes, std::nullopt) << row.name;
        EXPECT_EQ(read.error.message(), row.reason) << row.name;
        EXPECT_EQ(files.exists(dir / row.name), row.exists) << row.name;
    }
}

}  // namespace
}  // namespace huewright::test
