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

}  // namespace

Utf16Decoded utf16ToUtf8(std::string_view bytes, Utf16ByteOrder order) {
    Utf16Decoded decoded;
    decoded.utf8.reserve(bytes.size());
    std::size_t offset = 0;
    for (; offset + 2 <= bytes.size(); offset += 2) {
        char32_t codePoint = unitAt(bytes, offset, order);
        if (isLowSurrogate(codePoint)) {
            break;
        }
        if (isHighSurrogate(codePoint)) {
            const char32_t low = offset + 4 <= bytes.size() ? unitAt(bytes, offset + 2, order) : 0;
            if (!isLowSurrogate(low)) {
                break;
            }
            codePoint = kFirstSupplementary + ((codePoint - kFirstHighSurrogate) << 10) +
                        (low - kFirstLowSurrogate);
            offset += 2;
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
        if (step.codePoint < kFirstSupplementary) {
            appendUnit(out, step.codePoint, order);
        } else {
            const char32_t above = step.codePoint - kFirstSupplementary;
            appendUnit(out, kFirstHighSurrogate + (above >> 10), order);
            appendUnit(out, kFirstLowSurrogate + (above & 0x3FF), order);
        }
        offset += step.length;
    }
    return out;
}

}  // namespace huewright
