#include "text/graphemes.h"

#include <utf8proc.h>

#include <utility>

namespace huewright {

namespace {

// The code point at `pos` and its length in bytes; a length of 0 when the bytes there are not
// well-formed UTF-8.
std::pair<utf8proc_int32_t, std::size_t> codePointAt(std::string_view text, std::size_t pos) {
    utf8proc_int32_t codePoint = 0;
    const utf8proc_ssize_t length =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data() + pos),
                         static_cast<utf8proc_ssize_t>(text.size() - pos), &codePoint);
    return {codePoint, length > 0 ? static_cast<std::size_t>(length) : 0};
}

}  // namespace

std::size_t graphemeEnd(std::string_view text, std::size_t start) {
    auto [previous, length] = codePointAt(text, start);
    if (length == 0) {
        return start + 1;
    }
    // A cluster starts after a break, where the library lets the state start afresh.
    utf8proc_int32_t state = 0;
    std::size_t pos = start + length;
    while (pos < text.size()) {
        const auto [next, nextLength] = codePointAt(text, pos);
        if (nextLength == 0 || utf8proc_grapheme_break_stateful(previous, next, &state)) {
            break;
        }
        previous = next;
        pos += nextLength;
    }
    return pos;
}

}  // namespace huewright
