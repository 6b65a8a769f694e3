// Reads arbitrary bytes as a gradation settings file, saves every value it answers back over the
// same file, and checks that the saved file answers the same for every key.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "persistence/gradation_file.h"

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

  private:
    std::string bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::ValueKind;
    using huewright::fuzz::check;
    SingleFile file(std::string(reinterpret_cast<const char*>(data), size));
    const std::filesystem::path name = "fuzz.DAT";

    const huewright::GradationFileReader before(file, name);
    huewright::GradationFileWriter writer;
    for (const huewright::GradationKey& key : huewright::kGradationReadOrder) {
        const std::optional<std::string> text = before.text(key);
        check(before.number(key) == (text ? huewright::parseSettingInteger(*text) : std::nullopt),
              "number differs from the rules applied to the text");
        if (key.kind == ValueKind::Text) {
            writer.setText(key, text.value_or(""));
        } else if (key.kind == ValueKind::Switch) {
            writer.setSwitch(key, before.switchOn(key).value_or(false));
        } else {
            writer.setNumber(key, before.number(key).value_or(0));
        }
    }
    writer.save(file, name);

    const huewright::GradationFileReader after(file, name);
    for (const huewright::GradationKey& key : huewright::kGradationReadOrder) {
        if (key.kind == ValueKind::Text) {
            check(after.text(key) == before.text(key).value_or(""), "text changed");
        } else if (key.kind == ValueKind::Switch) {
            check(after.switchOn(key) == before.switchOn(key).value_or(false), "switch changed");
        } else {
            check(after.number(key) == before.number(key).value_or(0), "number changed");
        }
    }
    return 0;
}
