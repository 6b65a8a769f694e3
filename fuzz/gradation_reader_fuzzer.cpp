// Loads arbitrary bytes as a gradation settings file into the window, saves the window back over
// the same file, and checks that loading that file again gives the same window and the same save.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/main_window_model.h"
#include "persistence/atomic_file.h"

namespace {

// One file in memory, the one the fuzzer saves to.
class SingleFile : public huewright::FileSystem {
  public:
    explicit SingleFile(std::string bytes) : bytes_(std::move(bytes)) {}

    bool exists(const std::filesystem::path&) const override { return true; }
    std::optional<std::string> readFile(const std::filesystem::path&) const override {
        return bytes_;
    }
    void replaceFile(const std::filesystem::path&, std::string_view bytes) override {
        bytes_ = bytes;
    }
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::fuzz::check;
    SingleFile file(std::string(reinterpret_cast<const char*>(data), size));
    const std::filesystem::path name = "fuzz.DAT";

    huewright::MainWindowModel before(file);
    before.loadGradationFile(name);
    try {
        before.saveGradationFile(name);
    } catch (const huewright::FileWriteError&) {
        // A file whose mark promises an encoding its bytes break is never saved over.
        check(file.bytes() == std::string(reinterpret_cast<const char*>(data), size),
              "a refused save changed the file");
        return 0;
    }
    const std::string saved = file.bytes();

    huewright::MainWindowModel after(file);
    after.loadGradationFile(name);
    check(after.markup() == before.markup(), "the markup changed");
    after.saveGradationFile(name);
    check(file.bytes() == saved, "a second save differs");
    return 0;
}
