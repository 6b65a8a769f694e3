#pragma once

#include <cstddef>
#include <string_view>

namespace huewright {

/// The end, in bytes, of the user-perceived character (extended grapheme cluster, by the Unicode
/// rules of libutf8proc, or of the host's Intl.Segmenter under WebAssembly) that starts at byte
/// `start` of UTF-8 `text`, start < text.size(): a family emoji, a flag, an emoji with its skin
/// tone, a letter with its combining marks stay whole. A byte that does not begin well-formed
/// UTF-8 is a character of its own.
std::size_t graphemeEnd(std::string_view text, std::size_t start);

}  // namespace huewright
