#include <emscripten.h>

#include <algorithm>

#include "text/graphemes.h"
#include "text/utf8.h"

// Under WebAssembly the clusters are the host's: Intl.Segmenter, in node and in every current
// browser, follows the Unicode version of the host's ICU.

namespace {

// clang-format off
EM_JS(std::size_t, firstClusterLength, (const char* bytes, std::size_t length), {
    if (!Module.huewrightGraphemes) {
        Module.huewrightGraphemes = {
            segmenter: new Intl.Segmenter(undefined, {granularity: "grapheme"}),
            decoder: new TextDecoder(),
            encoder: new TextEncoder()
        };
    }
    const g = Module.huewrightGraphemes;
    const text = g.decoder.decode(HEAPU8.subarray(bytes, bytes + length));
    const first = g.segmenter.segment(text)[Symbol.iterator]().next().value.segment;
    return g.encoder.encode(first).length;
});
// clang-format on

// The bytes handed to the segmenter at first. A cluster that reaches the end of them is looked at
// again with twice as many, so a call costs about as much as its cluster is long.
constexpr std::size_t kFirstWindow = 64;

}  // namespace

namespace huewright {

std::size_t graphemeEnd(std::string_view text, std::size_t start) {
    // A break depends only on what comes before it and the one character after it, so a cluster
    // that ends inside the bytes looked at ends there in the whole text too.
    std::size_t wellFormedEnd = start;
    bool sawAll = false;  // the text or its well-formed run ends within what was looked at
    for (std::size_t window = kFirstWindow;; window *= 2) {
        const std::size_t limit = std::min(text.size(), start + window);
        while (wellFormedEnd < limit) {
            const std::size_t length = decodeUtf8(text, wellFormedEnd).length;
            if (length == 0) {
                sawAll = true;
                break;
            }
            wellFormedEnd += length;
        }
        if (wellFormedEnd == start) {
            return start + 1;
        }
        sawAll = sawAll || wellFormedEnd == text.size();
        const std::size_t end =
            start + firstClusterLength(text.data() + start, wellFormedEnd - start);
        if (end < wellFormedEnd || sawAll) {
            return end;
        }
    }
}

}  // namespace huewright
