// Reads arbitrary bytes as a settings file, writes one key into it, and checks that the key reads
// back exactly while every other key keeps its value.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_check.h"
#include "persistence/profile_document.h"
#include "text/cp932.h"

namespace {

using Place = std::pair<std::string_view, std::string_view>;

// No two names are equal when the case of ASCII letters is ignored.
constexpr std::array<std::string_view, 4> kSections = {"Stat", "DATA", "\x83\x5D\x83\x5B", "a b"};
constexpr std::array<std::string_view, 4> kKeys = {"Col1", "text", "\x83\x41", "x y"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::fuzz::check;
    if (size == 0) {
        return 0;
    }
    // The first byte picks the key and the length of the new value, taken from the end of the
    // input without its line breaks; the rest is the file.
    const std::uint8_t choice = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Place target{kSections[choice & 3u], kKeys[(choice >> 2) & 3u]};
    std::string value =
        bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), choice >> 4));
    std::erase(value, '\r');
    std::erase(value, '\n');
    std::erase(value, '\0');

    huewright::ProfileDocument document(bytes);
    std::array<std::optional<std::string>, kSections.size() * kKeys.size()> before;
    for (std::size_t i = 0; i < before.size(); ++i) {
        before[i] = document.read(kSections[i / kKeys.size()], kKeys[i % kKeys.size()]);
    }

    // A file with a Unicode mark holds characters, not bytes: code page 932 bytes that are no
    // character cannot go in, and a character with two codes comes back as its usual one.
    if (document.encoding() != huewright::ProfileEncoding::CodePage932) {
        try {
            value = huewright::utf8ToCp932(huewright::cp932ToUtf8(value));
        } catch (const huewright::ConversionError&) {
            const std::string unchanged = document.bytes();
            try {
                document.write(target.first, target.second, value);
                check(false, "a value the file cannot hold was written");
            } catch (const huewright::ConversionError&) {
                check(document.bytes() == unchanged, "a refused write changed the file");
            }
            return 0;
        }
    }
    document.write(target.first, target.second, value);
    check(document.read(target.first, target.second) == value, "written value does not read back");
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Place place{kSections[i / kKeys.size()], kKeys[i % kKeys.size()]};
        if (place != target) {
            check(document.read(place.first, place.second) == before[i], "another key changed");
        }
    }

    const std::string written = document.bytes();
    document.write(target.first, target.second, value);
    check(document.bytes() == written, "writing the same value twice changed the file");
    return 0;
}
