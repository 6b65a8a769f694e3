// Reads arbitrary bytes as a settings file, writes one key into it, and checks that the key reads
// back exactly while every other key keeps its value; then checks that a batch of writes gives
// the same file as the same writes made one at a time.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "persistence/profile_document.h"
#include "text/cp932.h"

namespace {

// No two names are equal when the case of ASCII letters is ignored. Place i of a file is section
// i % 4 and key i / 4.
constexpr std::array<std::string_view, 4> kSections = {"Stat", "DATA", "\x83\x5D\x83\x5B", "a b"};
constexpr std::array<std::string_view, 4> kKeys = {"Col1", "text", "\x83\x41", "x y"};
// The same names in other cases: a write finds either spelling, and a new line keeps the first.
constexpr std::array<std::string_view, 4> kOtherCaseSections = {"STAT", "data", "\x83\x5D\x83\x5B",
                                                                "A B"};
constexpr std::array<std::string_view, 4> kOtherCaseKeys = {"COL1", "Text", "\x83\x41", "X Y"};

enum class Outcome { Written, LineBreak, Conversion };

template <typename Write>
Outcome outcomeOf(Write&& write) {
    try {
        write();
        return Outcome::Written;
    } catch (const huewright::LineBreakInValueError&) {
        return Outcome::LineBreak;
    } catch (const huewright::ConversionError&) {
        return Outcome::Conversion;
    }
}

// Up to eight writes drawn from the first bytes of `bytes`, each byte picking the place, the
// spelling and the length of a value taken from the bytes after it; a rare line break stays.
std::vector<huewright::SettingsValue> writesDrawnFrom(const std::string& bytes) {
    std::vector<huewright::SettingsValue> values;
    for (std::size_t i = 0; i < std::min<std::size_t>(bytes.size(), 8); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t place = b & 15u;
        const bool otherCase = (b & 16u) != 0;
        std::string value = bytes.substr(i + 1, b >> 5);
        if (i != 7) {
            std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
        }
        values.push_back({{(otherCase ? kOtherCaseSections : kSections)[place % 4],
                           (otherCase ? kOtherCaseKeys : kKeys)[place / 4]},
                          std::move(value)});
    }
    return values;
}

void checkBatchWritesOneByOne(const std::string& bytes) {
    using huewright::fuzz::check;
    const std::vector<huewright::SettingsValue> values = writesDrawnFrom(bytes);
    huewright::ProfileDocument oneByOne(bytes);
    huewright::ProfileDocument batch(bytes);
    const std::string before = batch.bytes();
    const Outcome sequential = outcomeOf([&] {
        for (const huewright::SettingsValue& value : values) {
            oneByOne.write(value.key.section, value.key.key, value.text);
        }
    });
    const Outcome batched = outcomeOf([&] { batch.writeAll(values); });
    check(batched == sequential, "a batch and the writes one by one differ in their refusal");
    if (batched == Outcome::Written) {
        check(batch.bytes() == oneByOne.bytes(), "a batch and the writes one by one differ");
    } else {
        check(batch.bytes() == before, "a refused batch changed the file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::fuzz::check;
    if (size == 0) {
        return 0;
    }
    // The first byte picks the place and the length of the new value, taken from the end of the
    // input without its line breaks; the rest is the file.
    const std::uint8_t choice = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkBatchWritesOneByOne(bytes);
    const std::size_t target = choice & 15u;
    std::string value =
        bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), choice >> 4));
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });

    huewright::ProfileDocument document(bytes);
    const auto read = [&](std::size_t i) { return document.read(kSections[i % 4], kKeys[i / 4]); };
    const auto write = [&] { document.write(kSections[target % 4], kKeys[target / 4], value); };
    std::array<std::optional<std::string>, kSections.size() * kKeys.size()> before;
    for (std::size_t i = 0; i < before.size(); ++i) {
        before[i] = read(i);
    }

    // A file with a Unicode mark holds characters, not bytes: code page 932 bytes that are no
    // character cannot go in, and a character with two codes comes back as its usual one.
    if (document.encoding() != huewright::ProfileEncoding::CodePage932) {
        try {
            value = huewright::utf8ToCp932(huewright::cp932ToUtf8(value));
        } catch (const huewright::ConversionError&) {
            const std::string unchanged = document.bytes();
            try {
                write();
                check(false, "a value the file cannot hold was written");
            } catch (const huewright::ConversionError&) {
                check(document.bytes() == unchanged, "a refused write changed the file");
            }
            return 0;
        }
    }
    write();
    check(read(target) == value, "written value does not read back");
    for (std::size_t i = 0; i < before.size(); ++i) {
        check(i == target || read(i) == before[i], "another key changed");
    }

    const std::string written = document.bytes();
    write();
    check(document.bytes() == written, "writing the same value twice changed the file");
    return 0;
}
