#include "text/cp932.h"

#include <string>

#include "text/cp932_bytes.h"
#include "text/decimal.h"
#include "text/describe.h"
#include "text/iconv_converter.h"
#include "text/utf8.h"

namespace huewright {
namespace {

// glibc's CP932 (not its SHIFT_JIS) has Windows' single-byte half: 0x5C backslash, 0x7E tilde.
constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Appends the code page 932 bytes of one character given as its UTF-8 `bytes`; false, with `out`
// unchanged, when code page 932 does not hold it. iconv alone is not enough: it also maps yen and
// overline onto ASCII bytes, and it drops Unicode tag characters without a word.
bool appendHeld(IconvConverter& toCp932, std::string_view bytes, char32_t codePoint,
                std::string& out) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);  // the ASCII half is the same in code page 932
        return true;
    }
    if (codePoint == 0xA5 || codePoint == 0x203E) {
        return false;
    }
    const std::size_t before = out.size();
    const auto outcome = toCp932.convert(bytes, out);
    if (outcome.error != 0 || outcome.consumed != bytes.size() || outcome.irreversible != 0 ||
        out.size() == before) {
        out.resize(before);
        return false;
    }
    return true;
}

std::string undecodableMessage(std::string_view bytes, std::size_t offset) {
    const auto byte = static_cast<unsigned char>(bytes[offset]);
    const std::string where = " at byte " + decimal(offset + 1) + " (counting bytes from 1)";
    if (!isLeadByte(byte)) {
        return describeBytes(bytes.substr(offset, 1)) + where + " is not a code page 932 character";
    }
    if (offset + 1 == bytes.size()) {
        return describeBytes(bytes.substr(offset, 1)) + where +
               " is a lead byte without its second byte";
    }
    return describeBytes(bytes.substr(offset, 2)) + where + " is not a code page 932 character";
}

}  // namespace

std::string utf8ToCp932(std::string_view utf8) {
    IconvConverter toCp932(kCp932, kUtf8);
    std::string out;
    out.reserve(utf8.size());
    if (const std::string problem = utf8Problem(utf8); !problem.empty()) {
        throw ConversionError(problem);
    }
    std::size_t character = 0;
    for (std::size_t offset = 0; offset < utf8.size();) {
        ++character;
        const Utf8Step step = decodeUtf8(utf8, offset);
        if (!appendHeld(toCp932, utf8.substr(offset, step.length), step.codePoint, out)) {
            throw ConversionError(describeCodePoint(step.codePoint) + " (character " +
                                  decimal(character) +
                                  ", counting Unicode characters from 1) is not in code page 932");
        }
        offset += step.length;
    }
    return out;
}

bool cp932CanHold(char32_t codePoint) {
    if (codePoint < 0x80) {
        return true;
    }
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return false;
    }
    std::string utf8;
    appendUtf8(utf8, codePoint);
    IconvConverter toCp932(kCp932, kUtf8);
    std::string out;
    return appendHeld(toCp932, utf8, codePoint, out);
}

std::string cp932ToUtf8(std::string_view bytes) {
    IconvConverter toUtf8(kUtf8, kCp932);
    std::string out;
    const auto outcome = toUtf8.convert(bytes, out);
    if (outcome.error != 0) {
        throw ConversionError(undecodableMessage(bytes, outcome.consumed));
    }
    return out;
}

std::string cp932ToUtf8Lenient(std::string_view bytes) {
    IconvConverter toUtf8(kUtf8, kCp932);
    std::string out;
    for (std::size_t offset = 0; offset < bytes.size();) {
        const auto outcome = toUtf8.convert(bytes.substr(offset), out);
        offset += outcome.consumed;
        if (outcome.error == 0) {
            break;
        }
        out += kReplacement;
        ++offset;
    }
    return out;
}

}  // namespace huewright
