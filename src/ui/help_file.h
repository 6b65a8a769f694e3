#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/language.h"

namespace huewright {

/// How the bytes of a path form characters.
enum class PathEncoding { CodePage932, Utf8 };

/// The help file of the program at `executablePath` in `language`: the path with its extension
/// replaced by ".hlp" (".en.hlp" in English), or with that appended when the file name has no
/// ".". The extension starts at the
/// last "." after the last "/", "\" and ":"; the path is read character by character, so the
/// trail byte of a double-byte character is never taken for a separator or a dot.
std::string helpFileName(std::string_view executablePath, PathEncoding encoding, Language language);

/// The help file to open for the program at `executablePath`: helpFileName's when `isFile` finds
/// it, else the file of that name in "../share/huewright/" relative to the executable's folder
/// when `isFile` finds that one, else helpFileName's, where a missing help file is reported.
std::string locateHelpFile(std::string_view executablePath, PathEncoding encoding,
                           Language language,
                           const std::function<bool(const std::string&)>& isFile);

}  // namespace huewright
