// Compares the reading of integer settings with a plain transcription of the rules, and checks
// that a switch is on for any integer but 0 and refused with a text that is none, and that every
// written integer reads back as itself.
// Its seeds hold an example of each rule, at both ends of each range.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "persistence/value_rules.h"

namespace {

// A plain transcription: blanks, then "$" and hexadecimal digits up to FFFFFFFF, or an optional
// sign and decimal digits within the signed 32-bit range; "0x" starting a longer text is "$".
std::optional<std::int32_t> byTheRules(std::string text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text = "$" + text.substr(2);
    }
    text.erase(0, text.find_first_not_of(" \t"));
    const bool hex = text.starts_with('$');
    const bool negative = text.starts_with('-');
    if (hex || negative || text.starts_with('+')) {
        text.erase(0, 1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::string_view digits = hex ? "0123456789abcdef" : "0123456789";
    std::int64_t value = 0;
    for (const char c : text) {
        const std::size_t digit = digits.find(static_cast<char>(std::tolower(c & 0xFF)));
        if (digit == std::string_view::npos) {
            return std::nullopt;
        }
        value = value * std::ssize(digits) + static_cast<std::int64_t>(digit);
        if (value > (hex ? 0xFFFFFFFF : 2147483648)) {
            return std::nullopt;
        }
    }
    if (hex) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    value = negative ? -value : value;
    return value > 2147483647 ? std::nullopt : std::optional(static_cast<std::int32_t>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using huewright::fuzz::check;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = huewright::parseSettingInteger(text);
    check(value == byTheRules(text), "integer differs from the rules");
    check(huewright::parseSettingSwitch(text) ==
              (value ? std::optional<bool>(*value != 0) : std::nullopt),
          "switch differs from its integer");
    check(
        !value || huewright::parseSettingInteger(huewright::formatSettingInteger(*value)) == value,
        "written integer does not read back");
    return 0;
}
