// Loads arbitrary bytes as a gradation settings file into the window, saves the window back over
// the same file, and checks that loading that file again gives the same window and the same save.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz_check.h"
#include "model/main_window_model.h"
#include "persistence/atomic_file.h"
#include "support/memory_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::fuzz::check;
    const std::filesystem::path name = "fuzz.DAT";
    const std::string input(reinterpret_cast<const char*>(data), size);
    huewright::test::MemoryFileSystem files;
    files.files[name] = input;

    huewright::MainWindowModel before(files);
    before.loadGradationFile(name);
    try {
        before.saveGradationFile(name);
    } catch (const huewright::FileWriteError&) {
        // A file whose mark promises an encoding its bytes break is never saved over.
        check(files.files[name] == input, "a refused save changed the file");
        return 0;
    }
    const std::string saved = files.files[name];

    huewright::MainWindowModel after(files);
    after.loadGradationFile(name);
    check(after.markup() == before.markup(), "the markup changed");
    after.saveGradationFile(name);
    check(files.files[name] == saved, "a second save differs");
    return 0;
}
