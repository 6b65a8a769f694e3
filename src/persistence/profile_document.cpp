#include "persistence/profile_document.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
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

// Section and key names, hashed and compared without regard to the case of ASCII letters in
// single-byte characters: the second byte of "ア" is "A" and must not fold. Equal names have the
// same length and their lead bytes, which are no letters, in the same places, so both walk the
// same characters.
struct FoldedHash {
    using is_transparent = void;
    ProfileEncoding encoding;

    std::size_t operator()(std::string_view name) const noexcept {
        std::uint64_t hash = 0xCBF29CE484222325u;  // FNV-1a
        for (std::size_t i = 0; i < name.size();) {
            const std::size_t length = characterLength(encoding, name, i);
            for (std::size_t j = i; j < i + length; ++j) {
                hash = (hash ^
                        static_cast<unsigned char>(length == 1 ? asciiLower(name[j]) : name[j])) *
                       0x100000001B3u;
            }
            i += length;
        }
        return static_cast<std::size_t>(hash ^ (hash >> 32));
    }
};

struct FoldedEqual {
    using is_transparent = void;
    ProfileEncoding encoding;

    bool operator()(std::string_view a, std::string_view b) const noexcept {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size();) {
            const std::size_t length = characterLength(encoding, a, i);
            if (length == 1 ? asciiLower(a[i]) != asciiLower(b[i])
                            : a.compare(i, length, b, i, length) != 0) {
                return false;
            }
            i += length;
        }
        return true;
    }
};

template <typename Value>
using FoldedMap = std::unordered_map<std::string, Value, FoldedHash, FoldedEqual>;

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

// Where a section stands, by its first header.
struct SectionPlace {
    bool found = false;
    std::size_t insertAt = 0;  // the end of its last key line, or of its header
};

// Where the sections and keys of a lookup stand in a text, by their indices.
struct Places {
    std::vector<SectionPlace> sections;
    std::vector<std::optional<Line>> keys;  // the first line of each key in its section
};

// The keys a read or a write asks for, each named once however its letters are cased, grouped by
// section, so that one pass over a file finds them all in time linear in its size.
class KeyLookup {
  public:
    struct Index {
        std::size_t section;
        std::size_t key;
        bool isNew;  // first asked for now
    };

    explicit KeyLookup(ProfileEncoding encoding)
        : encoding_(encoding), sections_(0, FoldedHash{encoding}, FoldedEqual{encoding}) {}

    // The indices of `key` in `section`, both in the file's text; new ones count up from 0.
    Index add(const std::string& section, const std::string& key) {
        auto [place, newSection] = sections_.try_emplace(
            section, Section{sections_.size(), FoldedMap<std::size_t>(0, FoldedHash{encoding_},
                                                                      FoldedEqual{encoding_})});
        auto [found, newKey] = place->second.keys.try_emplace(key, keyCount_);
        keyCount_ += newKey ? 1 : 0;
        return {place->second.index, found->second, newKey};
    }

    // One pass over the lines: only the sections asked for are looked up, so a file of many
    // other sections costs no more than their lines.
    Places locate(std::string_view text) const {
        Places places{std::vector<SectionPlace>(sections_.size()),
                      std::vector<std::optional<Line>>(keyCount_)};
        const Section* current = nullptr;  // the section asked for that the lines stand in
        for (std::size_t begin = 0; begin < text.size();) {
            const Line line = lineAt(encoding_, text, begin);
            begin = line.end;
            if (line.kind == LineKind::Section) {
                // When a section appears twice, the second is passed over like any other.
                const auto wanted = sections_.find(line.name);
                current = wanted == sections_.end() || places.sections[wanted->second.index].found
                              ? nullptr
                              : &wanted->second;
                if (current != nullptr) {
                    places.sections[current->index] = {true, line.end};
                }
                continue;
            }
            if (current == nullptr || line.kind != LineKind::Key) {
                continue;
            }
            places.sections[current->index].insertAt = line.end;
            if (const auto key = current->keys.find(line.name);
                key != current->keys.end() && !places.keys[key->second]) {
                places.keys[key->second] = line;
            }
        }
        return places;
    }

  private:
    struct Section {
        std::size_t index;
        FoldedMap<std::size_t> keys;
    };

    ProfileEncoding encoding_;
    FoldedMap<Section> sections_;
    std::size_t keyCount_ = 0;
};

// A change of a text: the bytes [begin, end) replaced, or `text` inserted where begin == end.
struct Edit {
    // At one place a key's value changes before new keys of its section are inserted after the
    // line, and those before new sections.
    enum class Kind { Replace, NewKeys, NewSections };

    std::size_t begin;
    std::size_t end;
    Kind kind;
    std::string text;
};

// `text` with `edits`, which do not overlap, applied.
std::string edited(std::string_view text, std::vector<Edit> edits) {
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.kind < b.kind;
    });
    // A line added after a last line without a line end gives that line one.
    bool lastLineUnended = !text.empty() && text.back() != '\n' && text.back() != '\r';
    std::size_t added = 0;
    for (const Edit& edit : edits) {
        added += edit.text.size() + 2;
    }
    std::string out;
    out.reserve(text.size() + added);
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        out.append(text, copied, edit.begin - copied);
        if (edit.kind != Edit::Kind::Replace && edit.begin == text.size() && lastLineUnended) {
            out += "\r\n";
            lastLineUnended = false;
        }
        out += edit.text;
        copied = edit.end;
    }
    out.append(text, copied);
    return out;
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
    return std::string(mark) + utf8ToUtf16KeepingLoneSurrogates(text_, utf16ByteOrder(encoding_));
}

std::vector<ProfileDocument::Entry> ProfileDocument::readAll(
    std::span<const SettingsKey> keys) const {
    KeyLookup lookup(encoding_);
    std::vector<std::size_t> indices;
    indices.reserve(keys.size());
    for (const SettingsKey& name : keys) {
        indices.push_back(lookup.add(inFileText(name.section), inFileText(name.key)).key);
    }
    const Places places = lookup.locate(text_);
    std::vector<Entry> entries;
    entries.reserve(keys.size());
    for (const std::size_t index : indices) {
        // A key without "=" counts as found, with no value.
        const std::optional<Line>& line = places.keys[index];
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
    if (encoding_ == ProfileEncoding::Utf16Le || encoding_ == ProfileEncoding::Utf16Be) {
        if (const std::optional<LoneSurrogate> lone = firstLoneSurrogate(value)) {
            return {std::nullopt, false, lone};
        }
    }
    if (value.size() > 1 && isMatchingQuote(value.front(), value.back())) {
        value = value.substr(1, value.size() - 2);
    }
    if (encoding_ == ProfileEncoding::CodePage932) {
        return {std::string(value), false, std::nullopt};
    }
    try {
        return {utf8ToCp932(value), false, std::nullopt};
    } catch (const ConversionError&) {
        return {std::nullopt, true, std::nullopt};
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

void ProfileDocument::write(std::string_view section, std::string_view key, std::string_view text) {
    const SettingsValue value{{section, key}, std::string(text)};
    writeAll({&value, 1});
}

void ProfileDocument::writeAll(std::span<const SettingsValue> values) {
    // Each key is written as first named with its last value, each new section as first named;
    // every value is converted before the text changes, so a refusal changes nothing.
    KeyLookup lookup(encoding_);
    struct KeyWrite {
        std::size_t section;
        std::string line;  // "key=", then the value
        std::size_t valueBegin;
    };
    std::vector<KeyWrite> keys;
    std::vector<std::string> sections;
    for (const SettingsValue& written : values) {
        const std::string value = inFileText(encodeProfileValue(written.key.key, written.text));
        const std::string section = inFileText(written.key.section);
        const std::string key = inFileText(written.key.key);
        const KeyLookup::Index index = lookup.add(section, key);
        if (index.section == sections.size()) {
            sections.push_back(section);
        }
        if (index.isNew) {
            keys.push_back({index.section, key + '=', key.size() + 1});
        }
        KeyWrite& write = keys[index.key];
        write.line.replace(write.valueBegin, std::string::npos, value);
    }

    const Places places = lookup.locate(text_);
    std::vector<Edit> edits;
    std::vector<std::string> sectionLines(sections.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyWrite& key = keys[i];
        if (const std::optional<Line>& line = places.keys[i]; line && line->hasValue) {
            edits.push_back({line->valueBegin, line->contentEnd, Edit::Kind::Replace,
                             key.line.substr(key.valueBegin)});
        } else if (line) {
            // A key without "=": the whole line becomes the key and its value.
            edits.push_back({line->nameBegin, line->contentEnd, Edit::Kind::Replace, key.line});
        } else {
            sectionLines[key.section] += key.line + "\r\n";
        }
    }
    std::string newSections;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionPlace& place = places.sections[i];
        if (!place.found) {
            newSections += '[' + sections[i] + "]\r\n" + sectionLines[i];
        } else if (!sectionLines[i].empty()) {
            edits.push_back(
                {place.insertAt, place.insertAt, Edit::Kind::NewKeys, std::move(sectionLines[i])});
        }
    }
    if (!newSections.empty()) {
        edits.push_back(
            {text_.size(), text_.size(), Edit::Kind::NewSections, std::move(newSections)});
    }
    text_ = edited(text_, std::move(edits));
}

}  // namespace huewright
