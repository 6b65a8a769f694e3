#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace huewright {

/// An integer as a settings file holds it: decimal, "-" when negative, no leading zeros or blanks.
std::string formatSettingInteger(std::int32_t value);

/// A switch as a settings file holds it: "1" for on, "0" for off.
std::string_view formatSettingSwitch(bool on);

/// The integer that a setting's text spells, or nullopt when it is not a number. A text longer
/// than two bytes that starts "0x" or "0X" reads as "$" and the rest. After any leading blanks a
/// number is an optional sign and decimal digits within the signed 32-bit range, or "$" and
/// hexadecimal digits (either case) up to FFFFFFFF, where 80000000 and above come out negative.
/// No sign may precede "$" and nothing may follow the digits.
std::optional<std::int32_t> parseSettingInteger(std::string_view text);

/// A switch read from a setting's text: on when the integer it spells is not 0; nullopt when the
/// text is not a number.
std::optional<bool> parseSettingSwitch(std::string_view text);

}  // namespace huewright
