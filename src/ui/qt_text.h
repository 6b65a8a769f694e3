#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace huewright {

/// Code page 932 bytes for display; a byte that does not decode shows as U+FFFD.
QString fromCp932(std::string_view bytes);

/// `text` as code page 932 bytes. Throws ConversionError for a character it cannot hold.
std::string toCp932(const QString& text);

}  // namespace huewright
