#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace huewright {

/// One step of UTF-8 decoding: a character, or the reason the bytes are not UTF-8.
struct Utf8Step {
    char32_t codePoint = 0;
    std::size_t length = 0;  ///< bytes taken by the character; 0 when `problem` is set
    std::string problem;     ///< empty for a character, else e.g. "truncated sequence 0xE3 0x81"
};

/// Decodes the character that starts at byte `offset` of `text` (offset < text.size()). Refuses
/// continuation bytes out of place, truncated and overlong sequences, surrogates and values above
/// U+10FFFF.
Utf8Step decodeUtf8(std::string_view text, std::size_t offset);

/// Why `text` is not UTF-8: "invalid UTF-8 at character N, byte M (counting from 1): ..." for
/// its first fault; empty for well-formed UTF-8.
std::string utf8Problem(std::string_view text);

/// Whether `bytes` hold a byte beyond ASCII and are well-formed UTF-8: text that code page 932
/// would misread.
bool looksLikeUtf8(std::string_view bytes);

/// The characters of UTF-8 `text`: its bytes that are no continuation byte.
std::size_t utf8CharacterCount(std::string_view text);

/// The first `bytes` bytes of UTF-8 `text`, or fewer: a character is not split.
std::string_view utf8Beginning(std::string_view text, std::size_t bytes);

/// Appends the UTF-8 form of `codePoint`, which must be a Unicode scalar value.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace huewright
