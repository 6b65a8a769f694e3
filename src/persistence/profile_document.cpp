#include "persistence/profile_document.h"

#include <algorithm>
#include <utility>

#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/utf16.h"

namespace huewright {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Blanks are single-byte characters and never the second byte of a double-byte one, so trimming
// bytes cannot split a character.
std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isMatchingQuote(char first, char last) {
    return first == last && (first == '"' || first == '\'');
}

// In code page 932 a double-byte character's second byte may look like ASCII; in UTF-8 no byte
// of a longer sequence does, so it goes byte by byte.
std::size_t characterLength(ProfileEncoding encoding, std::string_view text, std::size_t i) {
    return encoding == ProfileEncoding::CodePage932 ? characterLengthAt(text, i) : 1;
}

// `name` with the ASCII letters of its single-byte characters folded: the second byte of "ア" is
// "A" and must not fold.
std::string folded(ProfileEncoding encoding, std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t length = characterLength(encoding, out, i);
        if (length == 1) {
            out[i] = asciiLower(out[i]);
        }
        i += length;
    }
    return out;
}

enum class LineKind { Other, Section, Key };

// One line of the file, ending before its line break at `contentEnd` and after it at `end`.
struct Line {
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;       // the section or key name, trimmed
    bool hasValue = false;       // a key line with "="
    std::size_t nameBegin = 0;   // where a key line's text starts
    std::size_t valueBegin = 0;  // a key's value: from its first non-blank byte ...
    std::string_view value;      // ... trimmed
};

Line lineAt(ProfileEncoding encoding, std::string_view text, std::size_t begin) {
    Line line;
    // A lone CR ends a line too, so no value read can hold a line break that could not be
    // written back.
    const std::size_t lineBreak = text.find_first_of("\r\n", begin);
    line.contentEnd = lineBreak == std::string_view::npos ? text.size() : lineBreak;
    line.end = lineBreak == std::string_view::npos       ? text.size()
               : text.compare(lineBreak, 2, "\r\n") == 0 ? lineBreak + 2
                                                         : lineBreak + 1;
    const std::string_view content = text.substr(begin, line.contentEnd - begin);
    const std::string_view body = trimmed(content);
    if (body.empty() || body.front() == ';') {
        return line;
    }
    if (body.front() == '[') {
        // A "]" that is the second byte of a double-byte character does not close the name.
        std::size_t close = 1;
        while (close < body.size() && body[close] != ']') {
            close += characterLength(encoding, body, close);
        }
        // Without its "]" the line is no section header: it is read as a key.
        if (close < body.size()) {
            line.kind = LineKind::Section;
            line.name = trimmed(body.substr(1, close - 1));
            return line;
        }
    }
    line.kind = LineKind::Key;
    line.nameBegin = begin + static_cast<std::size_t>(body.data() - content.data());
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = body;
        return line;
    }
    line.hasValue = true;
    line.name = trimmed(content.substr(0, equals));
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && isBlank(content[valueBegin])) {
        ++valueBegin;
    }
    line.valueBegin = begin + valueBegin;
    line.value = trimmed(content.substr(valueBegin));
    return line;
}

// Walks the lines of `text` in order, telling `visit(line, section, counts)` each one with the
// folded name of the section it stands in and whether that section is the first of its name
// (later ones do not count); `visit` returns false to stop.
template <typename Visit>
void scanLines(ProfileEncoding encoding, std::string_view text, Visit&& visit) {
    std::vector<std::string> sectionsSeen;
    std::string section;
    bool counts = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const Line line = lineAt(encoding, text, begin);
        begin = line.end;
        if (line.kind == LineKind::Section) {
            section = folded(encoding, line.name);
            counts =
                std::find(sectionsSeen.begin(), sectionsSeen.end(), section) == sectionsSeen.end();
            if (counts) {
                sectionsSeen.push_back(section);
            }
        }
        if (!visit(line, std::as_const(section), counts)) {
            return;
        }
    }
}

// Where a key lives, or would be added, in the first section of a given name.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<Line> key;   // the first line of the key
    std::size_t insertAt = 0;  // the end of the section's last key line, or of its header
    bool insertAfterUnendedLine = false;
};

KeyPlace findKey(ProfileEncoding encoding, std::string_view text, std::string_view section,
                 std::string_view key) {
    const std::string wantedSection = folded(encoding, section);
    const std::string wantedKey = folded(encoding, key);
    KeyPlace place;
    scanLines(encoding, text, [&](const Line& line, const std::string& in, bool counts) {
        if (line.kind == LineKind::Section) {
            if (place.sectionFound) {
                return false;
            }
            place.sectionFound = counts && in == wantedSection;
            if (!place.sectionFound) {
                return true;
            }
        } else if (!place.sectionFound || line.kind != LineKind::Key) {
            return true;
        } else if (folded(encoding, line.name) == wantedKey) {
            place.key = line;
            return false;
        }
        // The section's header or one of its keys: a new key goes after the last of them.
        place.insertAt = line.end;
        place.insertAfterUnendedLine = line.end == line.contentEnd;
        return true;
    });
    return place;
}

// `text` as written after "key=": inside one more pair of double quotation marks when a reader
// would otherwise change it (blanks at either end, or an enclosing pair of matching quotation
// marks), else unchanged.
std::string encodeProfileValue(std::string_view key, std::string_view text) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        throw LineBreakInValueError(std::string(key));
    }
    const bool readerWouldChange =
        !text.empty() && (isBlank(text.front()) || isBlank(text.back()) ||
                          (text.size() > 1 && isMatchingQuote(text.front(), text.back())));
    if (!readerWouldChange) {
        return std::string(text);
    }
    return '"' + std::string(text) + '"';
}

Utf16ByteOrder utf16ByteOrder(ProfileEncoding encoding) {
    return encoding == ProfileEncoding::Utf16Le ? Utf16ByteOrder::LittleEndian
                                                : Utf16ByteOrder::BigEndian;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        encoding_ = ProfileEncoding::Utf8;
        text_ = bytes.substr(kUtf8Mark.size());
    } else if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        encoding_ =
            bytes.starts_with(kUtf16LeMark) ? ProfileEncoding::Utf16Le : ProfileEncoding::Utf16Be;
        Utf16Decoded decoded =
            utf16ToUtf8(std::string_view(bytes).substr(2), utf16ByteOrder(encoding_));
        text_ = std::move(decoded.utf8);
        intact_ = decoded.complete;
    } else {
        text_ = std::move(bytes);
    }
}

std::string ProfileDocument::bytes() const {
    switch (encoding_) {
        case ProfileEncoding::CodePage932:
            return text_;
        case ProfileEncoding::Utf8:
            return std::string(kUtf8Mark) + text_;
        case ProfileEncoding::Utf16Le:
        case ProfileEncoding::Utf16Be:
            break;
    }
    const std::string_view mark =
        encoding_ == ProfileEncoding::Utf16Le ? kUtf16LeMark : kUtf16BeMark;
    return std::string(mark) + utf8ToUtf16(text_, utf16ByteOrder(encoding_));
}

std::vector<ProfileDocument::Entry> ProfileDocument::readAll(
    std::span<const SettingsKey> keys) const {
    // The first line of each key in the first section of its name; a key without "=" counts as
    // found, with no value.
    std::vector<std::optional<Line>> found(keys.size());
    std::vector<std::string> wantedSections;
    std::vector<std::string> wantedKeys;
    for (const SettingsKey& name : keys) {
        wantedSections.push_back(folded(encoding_, inFileText(name.section)));
        wantedKeys.push_back(folded(encoding_, inFileText(name.key)));
    }
    scanLines(encoding_, text_, [&](const Line& line, const std::string& section, bool counts) {
        if (line.kind != LineKind::Key || !counts) {
            return true;
        }
        std::string name;  // folded only when some key of this section may match
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (found[i] || wantedKeys[i].size() != line.name.size() ||
                wantedSections[i] != section) {
                continue;
            }
            if (name.empty()) {
                name = folded(encoding_, line.name);
            }
            if (wantedKeys[i] == name) {
                found[i] = line;
            }
        }
        return true;
    });
    std::vector<Entry> entries;
    entries.reserve(keys.size());
    for (const std::optional<Line>& line : found) {
        entries.push_back(
            entryOf(line && line->hasValue ? std::optional(line->value) : std::nullopt));
    }
    return entries;
}

ProfileDocument::Entry ProfileDocument::entryOf(std::optional<std::string_view> raw) const {
    if (!raw) {
        return {};
    }
    std::string_view value = *raw;
    // The platform reads a value as a C string: a NUL byte ends it.
    if (const std::size_t nul = value.find('\0'); nul != std::string_view::npos) {
        value = trimmed(value.substr(0, nul));
    }
    if (value.size() > 1 && isMatchingQuote(value.front(), value.back())) {
        value = value.substr(1, value.size() - 2);
    }
    if (encoding_ == ProfileEncoding::CodePage932) {
        return {std::string(value), false};
    }
    try {
        return {utf8ToCp932(value), false};
    } catch (const ConversionError&) {
        return {std::nullopt, true};
    }
}

std::optional<std::string> ProfileDocument::read(std::string_view section,
                                                 std::string_view key) const {
    const SettingsKey name{section, key};
    return readAll({&name, 1})[0].value;
}

std::string ProfileDocument::inFileText(std::string_view cp932) const {
    return encoding_ == ProfileEncoding::CodePage932 ? std::string(cp932) : cp932ToUtf8(cp932);
}

void ProfileDocument::write(std::string_view cp932Section, std::string_view cp932Key,
                            std::string_view text) {
    const std::string value = inFileText(encodeProfileValue(cp932Key, text));
    const std::string section = inFileText(cp932Section);
    const std::string key = inFileText(cp932Key);
    const KeyPlace place = findKey(encoding_, text_, section, key);
    if (place.key && place.key->hasValue) {
        text_.replace(place.key->valueBegin, place.key->contentEnd - place.key->valueBegin, value);
        return;
    }
    if (place.key) {
        // A key without "=": the whole line becomes the key and its value.
        text_.replace(place.key->nameBegin, place.key->contentEnd - place.key->nameBegin,
                      std::string(key) + '=' + value);
        return;
    }
    std::string lines;
    std::size_t insertAt = place.insertAt;
    if (!place.sectionFound) {
        insertAt = text_.size();
        if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r') {
            lines += "\r\n";
        }
        lines += '[';
        lines += section;
        lines += "]\r\n";
    } else if (place.insertAfterUnendedLine) {
        lines += "\r\n";
    }
    lines += key;
    lines += '=';
    lines += value;
    lines += "\r\n";
    text_.insert(insertAt, lines);
}

}  // namespace huewright
