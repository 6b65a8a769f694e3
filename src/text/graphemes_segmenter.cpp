#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/graphemes.h"
#include "text/utf8.h"

// Under WebAssembly the clusters are the host's: Intl.Segmenter, in node and in every current
// browser, follows the Unicode version of the host's ICU.

namespace {

// Splits the well-formed UTF-8 `bytes` into user-perceived characters with the host's
// Intl.Segmenter and writes the end of each, in bytes, to `ends`; returns how many there are.
// clang-format off
EM_JS(std::size_t, segmentUtf8, (const char* bytes, std::size_t length, std::uint32_t* ends), {
    if (!Module.huewrightSegmenter) {
        Module.huewrightSegmenter = new Intl.Segmenter(undefined, {granularity: "grapheme"});
        // A U+FEFF that starts the bytes is a character of the text, not a byte-order mark.
        Module.huewrightDecoder = new TextDecoder("utf-8", {ignoreBOM: true});
    }
    const text = Module.huewrightDecoder.decode(HEAPU8.subarray(bytes, bytes + length));
    let count = 0;
    let end = 0;
    for (const piece of Module.huewrightSegmenter.segment(text)) {
        for (const character of piece.segment) {
            const c = character.codePointAt(0);
            end += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        }
        HEAPU32[(ends >> 2) + count] = end;
        count += 1;
    }
    return count;
});
// clang-format on

// The bytes handed to the host at a time. Node 20's segmenter takes longer per character the
// longer the string (about 0.3 us up to a few hundred characters, 1 us at 4,000, and a string of
// 100,000 took more than a minute), so a whole text is never handed over at once.
constexpr std::size_t kStretchBytes = 512;
// A break depends on the characters before it and the one after it, which has at most 4 bytes.
constexpr std::size_t kLongestCharacter = 4;

// The characters of the stretch of text split last, so that a walk through a text asks the host
// once per stretch rather than once per character.
class Stretch {
  public:
    // The end of the character at `start` of `text`, when the stretch knows it.
    std::optional<std::size_t> endAt(std::string_view text, std::size_t start) const {
        if (text.data() != text_ || text.size() != size_ || start < origin_) {
            return std::nullopt;
        }
        const std::size_t offset = start - origin_;
        auto next = ends_.begin();
        if (offset != 0) {
            next = std::lower_bound(ends_.begin(), ends_.end(), offset);
            if (next == ends_.end() || *next != offset) {
                return std::nullopt;
            }
            ++next;
        }
        if (next == ends_.end()) {
            return std::nullopt;
        }
        // A text changed in place since it was split: what the break depends on must be as it was.
        const std::size_t checked = std::min<std::size_t>(*next + kLongestCharacter, bytes_.size());
        if (text.substr(start, checked - offset) !=
            std::string_view(bytes_).substr(offset, checked - offset)) {
            return std::nullopt;
        }
        return origin_ + *next;
    }

    // Splits the well-formed UTF-8 that starts at `start` of `text` (at least one character),
    // taking as many bytes as the character at `start` needs to be seen whole.
    void split(std::string_view text, std::size_t start) {
        for (std::size_t window = kStretchBytes;; window *= 2) {
            const std::size_t limit = std::min(text.size(), start + window);
            std::size_t wellFormedEnd = start;
            bool sawAll = false;  // the text or its well-formed run ends within the stretch
            while (wellFormedEnd < limit) {
                const std::size_t length = huewright::decodeUtf8(text, wellFormedEnd).length;
                if (length == 0) {
                    sawAll = true;
                    break;
                }
                wellFormedEnd += length;
            }
            sawAll = sawAll || wellFormedEnd == text.size();
            ends_.resize(wellFormedEnd - start);
            ends_.resize(segmentUtf8(text.data() + start, wellFormedEnd - start, ends_.data()));
            // The last character may go on past the stretch.
            if (!sawAll) {
                ends_.pop_back();
            }
            if (!ends_.empty()) {
                text_ = text.data();
                size_ = text.size();
                origin_ = start;
                bytes_ =
                    text.substr(start, std::min(wellFormedEnd + kLongestCharacter, size_) - start);
                return;
            }
        }
    }

  private:
    const char* text_ = nullptr;
    std::size_t size_ = 0;
    std::size_t origin_ = 0;           // where in the text the stretch starts
    std::string bytes_;                // the stretch's bytes and the character after them
    std::vector<std::uint32_t> ends_;  // the ends of its whole characters, from origin_
};

// Characters that join neither the one before them nor the one after them under any version of
// Unicode's rules (grapheme cluster break Other, or a precomposed Hangul syllable, which joins only
// jamo): between two of them there is always a break. Splitting a character through the host costs
// about as much as writing it, so the common scripts' characters are split without it. The ranges
// hold assigned characters only, so that none of them can become a combining one.
bool standsAlone(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    // clang-format off
    static constexpr Range kRanges[] = {
        {0x0020, 0x007E},  // ASCII without its controls
        {0x00A0, 0x00AC},  // Latin-1 without the soft hyphen (a format control) ...
        {0x00AE, 0x02FF},  // ... to the spacing modifier letters, before the combining marks
        {0x0400, 0x0482},  // Cyrillic, before its combining marks
        {0x3000, 0x3029},  // CJK punctuation, before the ideographic tone marks
        {0x3030, 0x303F},
        {0x3041, 0x3096},  // hiragana, before the combining sound marks
        {0x309B, 0x30FF},  // the spacing sound marks and katakana
        {0x4E00, 0x9FFF},  // CJK unified ideographs
        {0xAC00, 0xD7A3},  // Hangul syllables
        {0xFF01, 0xFF9D},  // full-width forms and half-width katakana, before the sound marks
    };
    // clang-format on
    for (const Range& range : kRanges) {
        if (c <= range.last) {
            return c >= range.first;
        }
    }
    return false;
}

}  // namespace

namespace huewright {

std::size_t graphemeEnd(std::string_view text, std::size_t start) {
    const Utf8Step here = decodeUtf8(text, start);
    if (here.length == 0) {
        return start + 1;
    }
    const std::size_t next = start + here.length;
    if (standsAlone(here.codePoint)) {
        // The host splits well-formed runs only, so a break also comes before bytes that are not.
        if (next == text.size()) {
            return next;
        }
        const Utf8Step after = decodeUtf8(text, next);
        if (after.length == 0 || standsAlone(after.codePoint)) {
            return next;
        }
    }
    // The program runs on one thread; the stretch only saves asking the host again.
    static Stretch stretch;
    if (const std::optional<std::size_t> end = stretch.endAt(text, start)) {
        return *end;
    }
    stretch.split(text, start);
    return *stretch.endAt(text, start);
}

}  // namespace huewright
