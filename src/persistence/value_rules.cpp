#include "persistence/value_rules.h"

#include <charconv>

#include "text/decimal.h"

namespace huewright {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole of `digits` as one number: from_chars takes no blanks, no "+", and a "-" only for a
// signed type, so anything but the digits themselves is refused.
template <typename Integer>
std::optional<Integer> wholeNumber(std::string_view digits, int base) {
    Integer value{};
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> hexadecimal(std::string_view digits) {
    const std::optional<std::uint32_t> bits = wholeNumber<std::uint32_t>(digits, 16);
    if (!bits) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*bits);
}

}  // namespace

std::string formatSettingInteger(std::int32_t value) {
    return decimal(value);
}

std::string_view formatSettingSwitch(bool on) {
    return on ? "1" : "0";
}

std::optional<std::int32_t> parseSettingInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return hexadecimal(text.substr(2));
    }
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '$') {
        return hexadecimal(text.substr(1));
    }
    if (text.size() > 1 && text.front() == '+' && isDecimalDigit(text[1])) {
        text.remove_prefix(1);
    }
    return wholeNumber<std::int32_t>(text, 10);
}

std::optional<bool> parseSettingSwitch(std::string_view text) {
    const std::optional<std::int32_t> value = parseSettingInteger(text);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

}  // namespace huewright
