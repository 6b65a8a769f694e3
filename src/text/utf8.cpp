#include "text/utf8.h"

#include <utility>

#include "text/decimal.h"
#include "text/describe.h"

namespace huewright {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

Utf8Step refuse(std::string problem) {
    return Utf8Step{0, 0, std::move(problem)};
}

}  // namespace

Utf8Step decodeUtf8(std::string_view text, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(text[offset]);
    if (lead < 0x80) {
        return Utf8Step{lead, 1, {}};
    }
    if (isContinuation(lead)) {
        return refuse("unexpected continuation byte " + describeBytes(text.substr(offset, 1)));
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0xE0) {
        length = 2;
        value = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead < 0xF0) {
        length = 3;
        value = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead < 0xF8) {
        length = 4;
        value = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return refuse("byte " + describeBytes(text.substr(offset, 1)) + " never occurs in UTF-8");
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (offset + i >= text.size() ||
            !isContinuation(static_cast<unsigned char>(text[offset + i]))) {
            return refuse("truncated sequence " + describeBytes(text.substr(offset, i)));
        }
        value = (value << 6) | (static_cast<unsigned char>(text[offset + i]) & 0x3Fu);
    }
    const std::string bytes = describeBytes(text.substr(offset, length));
    if (value < smallest) {
        return refuse("overlong encoding " + bytes + " of " + describeCodePoint(value));
    }
    if (value >= 0xD800 && value <= 0xDFFF) {
        return refuse("surrogate " + describeCodePoint(value) + " encoded as " + bytes);
    }
    if (value > 0x10FFFF) {
        return refuse("value beyond U+10FFFF encoded as " + bytes);
    }
    return Utf8Step{value, length, {}};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    const auto c = static_cast<unsigned>(codePoint);
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8Problem(std::string_view text) {
    std::size_t character = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        ++character;
        const Utf8Step step = decodeUtf8(text, offset);
        if (!step.problem.empty()) {
            return "invalid UTF-8 at character " + decimal(character) + ", byte " +
                   decimal(offset + 1) + " (counting from 1): " + step.problem;
        }
        offset += step.length;
    }
    return {};
}

}  // namespace huewright
