#include "persistence/profile_document.h"

#include <stdexcept>

#include "text/cp932_bytes.h"

namespace huewright {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Space and tab are single-byte characters and never the second byte of a double-byte one, so
// trimming bytes cannot split a character.
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

// Double-byte characters compare exactly: the second byte of "ア" is "A" and must not fold.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size();) {
        // Where `a` holds a double-byte character `b` does too, or the lead bytes differ.
        const std::size_t length = characterLengthAt(a, i);
        if (length == 1 ? asciiLower(a[i]) != asciiLower(b[i]) : a.compare(i, 2, b, i, 2) != 0) {
            return false;
        }
        i += length;
    }
    return true;
}

bool isMatchingQuote(char first, char last) {
    return first == last && (first == '"' || first == '\'');
}

enum class LineKind { Other, Section, Key };

// One line of the file, ending before its line break at `contentEnd` and after it at `end`.
struct Line {
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;       // the section or key name, trimmed
    std::size_t valueBegin = 0;  // a key's value: from its first non-blank byte ...
    std::string_view value;      // ... trimmed
};

Line lineAt(std::string_view bytes, std::size_t begin) {
    Line line;
    // A lone CR ends a line too, so no value read can hold a line break that could not be
    // written back.
    const std::size_t lineBreak = bytes.find_first_of("\r\n", begin);
    line.contentEnd = lineBreak == std::string_view::npos ? bytes.size() : lineBreak;
    line.end = lineBreak == std::string_view::npos        ? bytes.size()
               : bytes.compare(lineBreak, 2, "\r\n") == 0 ? lineBreak + 2
                                                          : lineBreak + 1;
    const std::string_view content = bytes.substr(begin, line.contentEnd - begin);
    const std::string_view text = trimmed(content);
    if (text.empty() || text.front() == ';') {
        return line;
    }
    if (text.front() == '[') {
        // A "]" that is the second byte of a double-byte character does not close the name.
        std::size_t close = 1;
        while (close < text.size() && text[close] != ']') {
            close += characterLengthAt(text, close);
        }
        line.kind = LineKind::Section;
        line.name = trimmed(text.substr(1, close - 1));
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    line.kind = LineKind::Key;
    line.name = trimmed(content.substr(0, equals));
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && isBlank(content[valueBegin])) {
        ++valueBegin;
    }
    line.valueBegin = begin + valueBegin;
    line.value = trimmed(content.substr(valueBegin));
    return line;
}

// Where a key lives, or would be added, in the first section of a given name.
struct KeyPlace {
    bool sectionFound = false;
    std::optional<Line> key;   // the first line of the key
    std::size_t insertAt = 0;  // the end of the section's last key line, or of its header
    bool insertAfterUnendedLine = false;
};

KeyPlace findKey(std::string_view bytes, std::string_view section, std::string_view key) {
    KeyPlace place;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const Line line = lineAt(bytes, begin);
        begin = line.end;
        if (line.kind == LineKind::Section) {
            if (place.sectionFound) {
                break;
            }
            if (!sameName(line.name, section)) {
                continue;
            }
            place.sectionFound = true;
        } else if (!place.sectionFound || line.kind != LineKind::Key) {
            continue;
        } else if (sameName(line.name, key)) {
            place.key = line;
            return place;
        }
        // The section's header or one of its keys: a new key goes after the last of them.
        place.insertAt = line.end;
        place.insertAfterUnendedLine = line.end == line.contentEnd;
    }
    return place;
}

// `text` as written after "key=": inside one more pair of double quotation marks when a reader
// would otherwise change it (blanks at either end, or an enclosing pair of matching quotation
// marks), else unchanged.
std::string encodeProfileValue(std::string_view key, std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        throw LineBreakInValueError(std::string(key));
    }
    const bool readerWouldChange =
        !text.empty() && (isBlank(text.front()) || isBlank(text.back()) ||
                          (text.size() > 1 && isMatchingQuote(text.front(), text.back())));
    if (!readerWouldChange) {
        return std::string(text);
    }
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace

std::optional<std::string> ProfileDocument::read(std::string_view section,
                                                 std::string_view key) const {
    const KeyPlace place = findKey(bytes_, section, key);
    if (!place.key) {
        return std::nullopt;
    }
    std::string_view value = place.key->value;
    if (value.size() > 1 && isMatchingQuote(value.front(), value.back())) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void ProfileDocument::write(std::string_view section, std::string_view key, std::string_view text) {
    const std::string value = encodeProfileValue(key, text);
    const KeyPlace place = findKey(bytes_, section, key);
    if (place.key) {
        bytes_.replace(place.key->valueBegin, place.key->contentEnd - place.key->valueBegin, value);
        return;
    }
    std::string lines;
    std::size_t insertAt = place.insertAt;
    if (!place.sectionFound) {
        insertAt = bytes_.size();
        if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') {
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
    bytes_.insert(insertAt, lines);
}

}  // namespace huewright
