// Compares the reading of integer settings with a plain transcription of the rules, and checks
// that every written integer reads back as itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "persistence/value_rules.h"

namespace {

std::optional<std::int32_t> byTheRules(std::string text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text = "$" + text.substr(2);
    }
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::uint64_t value = 0;
    if (i < text.size() && text[i] == '$') {
        if (++i == text.size()) {
            return std::nullopt;
        }
        for (; i < text.size(); ++i) {
            const char c = text[i];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > 2147483648u) {
            return std::nullopt;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > 2147483647u) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
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
    if (value) {
        check(huewright::parseSettingInteger(huewright::formatSettingInteger(*value)) == value,
              "written integer does not read back");
    }
    return 0;
}
