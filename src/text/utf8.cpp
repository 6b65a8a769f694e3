#include "text/utf8.h"

#include <algorithm>
#include <utility>

#include "text/decimal.h"
#include "text/describe.h"
#include "text/utf8_bytes.h"

namespace huewright {

Utf8Step decodeUtf8(std::string_view text, std::size_t offset) {
    const Utf8Sequence read = utf8SequenceAt(text, offset);
    // Words only for a fault: a well-formed character costs no string.
    const auto refuse = [](std::string problem) { return Utf8Step{0, 0, std::move(problem)}; };
    const auto bytes = [&] { return describeBytes(text.substr(offset, read.length)); };
    const auto codePoint = [&] { return describeCodePoint(read.codePoint); };
    switch (read.fault) {
        case Utf8Fault::None:
            break;
        case Utf8Fault::StrayContinuation:
            return refuse("unexpected continuation byte " + bytes());
        case Utf8Fault::ImpossibleByte:
            return refuse("byte " + bytes() + " never occurs in UTF-8");
        case Utf8Fault::Truncated:
            return refuse("truncated sequence " + bytes());
        case Utf8Fault::Overlong:
            return refuse("overlong encoding " + bytes() + " of " + codePoint());
        case Utf8Fault::Surrogate:
            return refuse("surrogate " + codePoint() + " encoded as " + bytes());
        case Utf8Fault::BeyondUnicode:
            return refuse("value beyond U+10FFFF encoded as " + bytes());
    }
    return Utf8Step{read.codePoint, read.length, {}};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    char bytes[4];
    out.append(bytes, putUtf8(bytes, codePoint));
}

std::size_t utf8CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

std::string_view utf8Beginning(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) {
        return text;
    }
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0U) == 0x80U) {
        --bytes;
    }
    return text.substr(0, bytes);
}

bool looksLikeUtf8(std::string_view bytes) {
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
    return beyondAscii && utf8Problem(bytes).empty();
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
