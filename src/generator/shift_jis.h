#pragma once

#include <string_view>

#include "text/cp932_bytes.h"

namespace huewright {

/// Number of characters of code page 932 `text`; a trailing lone lead byte counts as one.
/// An empty text has none.
int characterCount(std::string_view text);

}  // namespace huewright
