#include "text/utf16.h"

#include "text/conversion_error.h"
#include "text/utf8.h"

namespace huewright {
namespace {

constexpr char32_t kFirstHighSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kFirstSupplementary = 0x10000;

bool isHighSurrogate(char32_t unit) {
    return unit >= kFirstHighSurrogate && unit < kFirstLowSurrogate;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= kFirstLowSurrogate && unit <= 0xDFFF;
}

char32_t unitAt(std::string_view bytes, std::size_t offset, Utf16ByteOrder order) {
    const auto first = static_cast<unsigned char>(bytes[offset]);
    const auto second = static_cast<unsigned char>(bytes[offset + 1]);
    return order == Utf16ByteOrder::LittleEndian ? char32_t{first} | char32_t{second} << 8
                                                 : char32_t{first} << 8 | char32_t{second};
}

void appendUnit(std::string& out, char32_t unit, Utf16ByteOrder order) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += order == Utf16ByteOrder::LittleEndian ? low : high;
    out += order == Utf16ByteOrder::LittleEndian ? high : low;
}

// A lone surrogate is written as UTF-8 would write its code point if it were a character:
// 0xED, then 0xA0 to 0xBF, then a continuation byte.
void appendLoneSurrogate(std::string& out, char32_t unit) {
    out += static_cast<char>(0xE0 | (unit >> 12));
    out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
}

// The lone surrogate whose three bytes start at `offset`, or 0 when none does.
char32_t loneSurrogateAt(std::string_view text, std::size_t offset) {
    if (offset + 3 > text.size()) {
        return 0;
    }
    const auto first = static_cast<unsigned char>(text[offset]);
    const auto second = static_cast<unsigned char>(text[offset + 1]);
    const auto third = static_cast<unsigned char>(text[offset + 2]);
    if (first != 0xED || second < 0xA0 || second > 0xBF || (third & 0xC0) != 0x80) {
        return 0;
    }
    return char32_t{0xD000} | char32_t{second & 0x3Fu} << 6 | char32_t{third & 0x3Fu};
}

void appendCodePoint(std::string& out, char32_t codePoint, Utf16ByteOrder order) {
    if (codePoint < kFirstSupplementary) {
        appendUnit(out, codePoint, order);
        return;
    }
    const char32_t above = codePoint - kFirstSupplementary;
    appendUnit(out, kFirstHighSurrogate + (above >> 10), order);
    appendUnit(out, kFirstLowSurrogate + (above & 0x3FF), order);
}

}  // namespace

Utf16Decoded utf16ToUtf8(std::string_view bytes, Utf16ByteOrder order) {
    Utf16Decoded decoded;
    decoded.utf8.reserve(bytes.size());
    std::size_t offset = 0;
    for (; offset + 2 <= bytes.size(); offset += 2) {
        char32_t codePoint = unitAt(bytes, offset, order);
        const char32_t next = offset + 4 <= bytes.size() ? unitAt(bytes, offset + 2, order) : 0;
        if (isHighSurrogate(codePoint) && isLowSurrogate(next)) {
            codePoint = kFirstSupplementary + ((codePoint - kFirstHighSurrogate) << 10) +
                        (next - kFirstLowSurrogate);
            offset += 2;
        } else if (isHighSurrogate(codePoint) || isLowSurrogate(codePoint)) {
            appendLoneSurrogate(decoded.utf8, codePoint);
            continue;
        }
        appendUtf8(decoded.utf8, codePoint);
    }
    decoded.complete = offset == bytes.size();
    return decoded;
}

std::string utf8ToUtf16(std::string_view utf8, Utf16ByteOrder order) {
    if (const std::string problem = utf8Problem(utf8); !problem.empty()) {
        throw ConversionError(problem);
    }
    std::string out;
    out.reserve(2 * utf8.size());
    for (std::size_t offset = 0; offset < utf8.size();) {
        const Utf8Step step = decodeUtf8(utf8, offset);
        appendCodePoint(out, step.codePoint, order);
        offset += step.length;
    }
    return out;
}

std::string utf8ToUtf16KeepingLoneSurrogates(std::string_view decoded, Utf16ByteOrder order) {
    std::string out;
    out.reserve(2 * decoded.size());
    for (std::size_t offset = 0; offset < decoded.size();) {
        if (const char32_t unit = loneSurrogateAt(decoded, offset); unit != 0) {
            appendUnit(out, unit, order);
            offset += 3;
            continue;
        }
        const Utf8Step step = decodeUtf8(decoded, offset);
        if (!step.problem.empty()) {
            throw ConversionError(step.problem);
        }
        appendCodePoint(out, step.codePoint, order);
        offset += step.length;
    }
    return out;
}

std::optional<LoneSurrogate> firstLoneSurrogate(std::string_view decoded) {
    std::size_t character = 1;
    for (std::size_t offset = 0; offset < decoded.size(); ++offset) {
        if (const char32_t unit = loneSurrogateAt(decoded, offset); unit != 0) {
            return LoneSurrogate{static_cast<char16_t>(unit), character};
        }
        // Every character has exactly one byte that is no continuation byte.
        if ((static_cast<unsigned char>(decoded[offset]) & 0xC0) != 0x80) {
            ++character;
        }
    }
    return std::nullopt;
}

}  // namespace huewright
