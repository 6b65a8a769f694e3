#include "text/cp932.h"

#include <string>

#include "text/cp932_bytes.h"
#include "text/cp932_codec.h"
#include "text/decimal.h"
#include "text/describe.h"
#include "text/utf8.h"

namespace huewright {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

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

std::size_t asciiRunEnd(std::string_view bytes, std::size_t offset) {
    while (offset < bytes.size() && static_cast<unsigned char>(bytes[offset]) < 0x80) {
        ++offset;
    }
    return offset;
}

// `bytes` as UTF-8. At a byte that does not begin a character, throws unless `lenient`, in
// which case it shows U+FFFD and goes on with the byte after it.
std::string decode(std::string_view bytes, bool lenient) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t offset = 0; offset < bytes.size();) {
        // Markup is mostly ASCII, the same bytes in both: copy it a run at a time.
        const std::size_t runEnd = asciiRunEnd(bytes, offset);
        if (runEnd != offset) {
            out.append(bytes, offset, runEnd - offset);
            offset = runEnd;
            continue;
        }
        const Cp932Character character = decodeCp932(bytes, offset);
        if (character.length != 0) {
            appendUtf8(out, character.codePoint);
            offset += character.length;
        } else if (lenient) {
            out += kReplacement;
            ++offset;
        } else {
            throw ConversionError(undecodableMessage(bytes, offset));
        }
    }
    return out;
}

}  // namespace

std::string utf8ToCp932(std::string_view utf8) {
    if (const std::string problem = utf8Problem(utf8); !problem.empty()) {
        throw ConversionError(problem);
    }
    std::string out;
    out.reserve(utf8.size());
    std::size_t character = 0;
    for (std::size_t offset = 0; offset < utf8.size();) {
        ++character;
        const Utf8Step step = decodeUtf8(utf8, offset);
        if (!appendCp932(out, step.codePoint)) {
            throw ConversionError(describeCodePoint(step.codePoint) + " (character " +
                                  decimal(character) +
                                  ", counting Unicode characters from 1) is not in code page 932");
        }
        offset += step.length;
    }
    return out;
}

bool cp932CanHold(char32_t codePoint) {
    std::string bytes;
    return appendCp932(bytes, codePoint);
}

std::string cp932ToUtf8(std::string_view bytes) {
    return decode(bytes, false);
}

std::string cp932ToUtf8Lenient(std::string_view bytes) {
    return decode(bytes, true);
}

}  // namespace huewright
