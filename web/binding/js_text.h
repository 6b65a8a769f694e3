#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

// Texts and bytes between the page's JavaScript and the program. A JavaScript string handed over
// as std::string is encoded character by character in JavaScript, which for a pasted text of a
// million characters takes a tenth of a second; the browser's own encoder and one copy of the
// bytes take a few milliseconds.

namespace huewright {

/// A Uint8Array's bytes.
std::string bytesOf(const emscripten::val& array);
/// `bytes` as a new Uint8Array.
emscripten::val arrayOf(std::string_view bytes);
/// A JavaScript string as UTF-8; a lone surrogate becomes U+FFFD, as the browser encodes it.
std::string utf8Of(const emscripten::val& text);
/// UTF-8 `text` as a JavaScript string.
emscripten::val stringOf(std::string_view text);

}  // namespace huewright
