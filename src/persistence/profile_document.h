#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/utf16.h"

namespace huewright {

/// A text cannot be stored under `key`: a value of an initialisation file holds no line break,
/// and a NUL byte would end it.
class LineBreakInValueError : public std::runtime_error {
  public:
    explicit LineBreakInValueError(std::string key)
        : std::runtime_error("the value of " + key + " holds a line break or a NUL byte"),
          key_(std::move(key)) {}

    /// The key whose value holds the line break or NUL.
    const std::string& key() const noexcept { return key_; }

  private:
    std::string key_;
};

/// A key of a settings file and the section it stands in.
struct SettingsKey {
    std::string_view section;
    std::string_view key;
};

/// A value to store under a key, already written by the value rules.
struct SettingsValue {
    SettingsKey key;
    std::string text;
};

/// How a settings file is encoded: code page 932, or the encoding its byte-order mark names.
enum class ProfileEncoding { CodePage932, Utf8, Utf16Le, Utf16Be };

/// An initialisation file, read and changed one key at a time the way the platform's profile
/// functions do it. Every byte a write does not have to change stays, and the file keeps its
/// encoding and byte-order mark. Names and values go in and come out as code page 932.
///
/// Lines end in CRLF, LF or CR. A line "[name]" opens a section; a line starting with ";" is a
/// comment; any other line of a section is a key: "key=value", or a key without a value when it
/// has no "=". Section and key names match without regard to the case of ASCII letters; blanks
/// (space, tab, vertical tab, form feed) around names and values do not count. When a section
/// appears twice only the first counts, and within it the first line of a key.
class ProfileDocument {
  public:
    /// An empty file, as when none exists.
    ProfileDocument() = default;
    /// The file `bytes`, in code page 932 unless they start with a UTF-8 or UTF-16 mark.
    explicit ProfileDocument(std::string bytes);

    /// The file's bytes in its encoding, with every write applied.
    std::string bytes() const;
    ProfileEncoding encoding() const noexcept { return encoding_; }
    /// False when the file's mark promised UTF-16 and its bytes end in half a code unit; the
    /// rest is read, but saving over the file would lose that byte. (A lone surrogate is kept.)
    bool intact() const noexcept { return intact_; }

    /// The value of `key` in `section`, of any length, up to a NUL byte, without the blanks
    /// around it and without one enclosing pair of matching quotation marks (" or '); nullopt
    /// when the section or the key is missing, when the key has no value, or when the value is
    /// one code page 932 cannot hold or holds a lone surrogate. An empty value is an empty text.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;

    /// What the file holds under one key.
    struct Entry {
        std::optional<std::string> value;  ///< as read() gives it
        /// The key holds a value that code page 932 cannot hold (only a file with a Unicode mark
        /// can).
        bool unrepresentable = false;
        /// In a UTF-16 file, the first surrogate of the key's value that lacks its other half,
        /// counting the value's characters from the first after "=" and the blanks; the value is
        /// then unreadable, and the file keeps it as it is.
        std::optional<LoneSurrogate> loneSurrogate;
    };
    /// The entries of every key of `keys`, found in one pass over the file, in time linear in
    /// its size and the number of keys.
    std::vector<Entry> readAll(std::span<const SettingsKey> keys) const;

    /// Sets `key` in `section` so that read() gives back `text` byte for byte: the value is
    /// replaced where it stands (a key without a value gets its "=" and value); a missing key is
    /// added after the last key of its section, a missing section at the end of the file; new
    /// lines end in CRLF. Names are plain (no blanks at the ends, no line breaks, no "=" in a key
    /// nor "[" or ";" at its start, no "]" in a section). Throws LineBreakInValueError, changing
    /// nothing, when `text` holds a CR, LF or NUL, and ConversionError when a Unicode file cannot
    /// hold it.
    void write(std::string_view section, std::string_view key, std::string_view text);

    /// The same as write() for each of `values` in their order, with one pass over the file and
    /// one rebuild of its text. Throws as the first refused value would, changing nothing.
    void writeAll(std::span<const SettingsValue> values);

  private:
    /// `cp932` as the file's text holds it.
    std::string inFileText(std::string_view cp932) const;
    /// The entry of a key whose first line holds the raw value `raw` (none for no such line).
    Entry entryOf(std::optional<std::string_view> raw) const;

    ProfileEncoding encoding_ = ProfileEncoding::CodePage932;
    bool intact_ = true;
    /// The file's text after its mark: code page 932 bytes, or UTF-8 for a file with a mark (a
    /// UTF-16 file's lone surrogates in the form utf16ToUtf8 keeps them in).
    std::string text_;
};

}  // namespace huewright
