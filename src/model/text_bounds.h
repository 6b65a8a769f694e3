#pragma once

#include <cstddef>
#include <string_view>

#include "generator/output.h"
#include "persistence/settings_file.h"

namespace huewright {

/// The longest text, in characters, that the window and the page take in a box. A paste of five
/// million characters froze the window for ten seconds and built 150 MB of markup, and crashed
/// a browser tab; at this bound the markup stays near 30 MB.
inline constexpr std::size_t kLongestText = 1'000'000;

/// Throws TextTooLongError naming `field` when code page 932 `text` holds more than `limit`
/// characters, a double-byte character counting one.
void refuseTextLongerThan(std::size_t limit, std::string_view text, OutputError::Field field);

/// As refuseTextLongerThan for UTF-8 `text`, a character counting one.
void refuseUtf8TextLongerThan(std::size_t limit, std::string_view text, OutputError::Field field);
/// As refuseTextLongerThan for each text of a gradation settings file, as `file` reads its keys,
/// naming the first that is too long.
void refuseTextsLongerThan(std::size_t limit, const SettingsFileReader& file);

}  // namespace huewright
