#include "text/describe.h"

#include <charconv>

#include "text/utf8.h"

namespace huewright {
namespace {

bool isInvisible(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
        return true;
    }
    if ((c & 0xFFFE) == 0xFFFE || (c >= 0xFDD0 && c <= 0xFDEF)) {
        return true;  // noncharacters
    }
    return c == 0xAD || c == 0x61C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) ||
           (c >= 0xD800 && c <= 0xDFFF) || (c >= 0xE000 && c <= 0xF8FF) ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) ||
           (c >= 0xE0000 && c <= 0xE0FFF) || c >= 0xF0000;
}

void appendHex(std::string& out, unsigned value, std::size_t minDigits) {
    char digits[8];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, 16);
    const auto length = static_cast<std::size_t>(end - digits);
    out.append(minDigits > length ? minDigits - length : 0, '0');
    for (const char* p = digits; p != end; ++p) {
        out += (*p >= 'a' && *p <= 'f') ? static_cast<char>(*p - 'a' + 'A') : *p;
    }
}

}  // namespace

std::string unicodeNotation(char32_t codePoint) {
    std::string out = "U+";
    appendHex(out, static_cast<unsigned>(codePoint), 4);
    return out;
}

std::string describeCodePoint(char32_t codePoint) {
    std::string out = unicodeNotation(codePoint);
    if (codePoint <= 0x10FFFF && !isInvisible(codePoint)) {
        out += " \"";
        appendUtf8(out, codePoint);
        out += '"';
    }
    return out;
}

std::string describeBytes(std::string_view bytes) {
    std::string out;
    for (const char byte : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += "0x";
        appendHex(out, static_cast<unsigned char>(byte), 2);
    }
    return out;
}

}  // namespace huewright
