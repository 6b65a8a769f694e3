#include "text/cp932.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "text/cp932_bytes.h"
#include "text/cp932_codec.h"
#include "text/decimal.h"
#include "text/describe.h"
#include "text/utf8.h"
#include "text/utf8_bytes.h"

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

// Calls `piece` with each run of ASCII bytes of code page 932 `bytes` (a string_view), each
// other character (its code point) and each byte that does not begin one (nothing).
template <typename Piece>
void forEachPiece(std::string_view bytes, const Piece& piece) {
    for (std::size_t offset = 0; offset < bytes.size();) {
        // Markup is mostly ASCII, the same bytes in both: a run at a time.
        if (const std::size_t runEnd = asciiRunEnd(bytes, offset); runEnd != offset) {
            piece(offset, bytes.substr(offset, runEnd - offset));
            offset = runEnd;
            continue;
        }
        const Cp932Character character = decodeCp932(bytes, offset);
        if (character.length != 0) {
            piece(offset, character.codePoint);
        } else {
            piece(offset, std::monostate{});
        }
        offset += std::max<std::size_t>(character.length, 1);
    }
}

// `bytes` as UTF-8. At a byte that does not begin a character, throws unless `lenient`, in
// which case it shows U+FFFD and goes on with the byte after it. Measured first, then written
// in place: one allocation, and no call per character that could throw.
std::string decode(std::string_view bytes, bool lenient) {
    std::size_t length = 0;
    forEachPiece(bytes, [&](std::size_t offset, auto piece) {
        using Piece = decltype(piece);
        if constexpr (std::is_same_v<Piece, std::string_view>) {
            length += piece.size();
        } else if constexpr (std::is_same_v<Piece, char32_t>) {
            length += utf8Length(piece);
        } else if (lenient) {
            length += kReplacement.size();
        } else {
            throw ConversionError(undecodableMessage(bytes, offset));
        }
    });
    std::string out(length, '\0');
    char* end = out.data();
    forEachPiece(bytes, [&](std::size_t, auto piece) {
        using Piece = decltype(piece);
        if constexpr (std::is_same_v<Piece, std::string_view>) {
            end = std::copy(piece.begin(), piece.end(), end);
        } else if constexpr (std::is_same_v<Piece, char32_t>) {
            end = putUtf8(end, piece);
        } else {
            end = std::copy(kReplacement.begin(), kReplacement.end(), end);
        }
    });
    return out;
}

}  // namespace

std::string utf8ToCp932(std::string_view utf8) {
    // No character takes more bytes in code page 932 than in UTF-8: written in place, with no
    // call per character that could throw.
    std::string out(utf8.size(), '\0');
    char* end = out.data();
    std::size_t character = 0;
    for (std::size_t offset = 0; offset < utf8.size();) {
        ++character;
        const Utf8Sequence read = utf8SequenceAt(utf8, offset);
        const std::uint16_t bytes =
            read.fault == Utf8Fault::None ? cp932BytesOf(read.codePoint) : 0;
        if (bytes == 0 && (read.codePoint != 0 || read.fault != Utf8Fault::None)) {
            // Text that is not UTF-8 is reported as such, wherever its fault stands.
            if (const std::string problem = utf8Problem(utf8); !problem.empty()) {
                throw ConversionError(problem);
            }
            throw ConversionError(describeCodePoint(read.codePoint) + " (character " +
                                  decimal(character) +
                                  ", counting Unicode characters from 1) is not in code page 932");
        }
        if (bytes > 0xFF) {
            *end++ = static_cast<char>(bytes >> 8);
        }
        *end++ = static_cast<char>(bytes & 0xFF);
        offset += read.length;
    }
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

bool cp932CanHold(char32_t codePoint) noexcept {
    return codePoint == 0 || cp932BytesOf(codePoint) != 0;
}

std::string cp932ToUtf8(std::string_view bytes) {
    return decode(bytes, false);
}

std::string cp932ToUtf8Lenient(std::string_view bytes) {
    return decode(bytes, true);
}

}  // namespace huewright
