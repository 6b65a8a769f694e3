#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace huewright {

/// A text cannot be stored under `key`: a value of an initialisation file holds no line break.
class LineBreakInValueError : public std::runtime_error {
  public:
    explicit LineBreakInValueError(std::string key)
        : std::runtime_error("the value of " + key + " holds a line break"), key_(std::move(key)) {}

    /// The key whose value holds the line break.
    const std::string& key() const noexcept { return key_; }

  private:
    std::string key_;
};

/// The bytes of an initialisation file (code page 932), read and changed one key at a time the way
/// the platform's profile functions do it. Every byte a write does not have to change stays.
///
/// Lines end in CRLF, LF or CR. A line "[name]" opens a section; "key=value" is a key of the
/// section above it; a line starting with ";" is a comment. Section and key names match without
/// regard to the case of ASCII letters; blanks (space, tab) around names and values do not count.
/// When a section appears twice only the first counts, and within it the first line of a key.
class ProfileDocument {
  public:
    /// An empty file, as when none exists.
    ProfileDocument() = default;
    explicit ProfileDocument(std::string bytes) : bytes_(std::move(bytes)) {}

    /// The file's bytes, with every write applied.
    const std::string& bytes() const noexcept { return bytes_; }

    /// The value of `key` in `section`, of any length, without the blanks around it and without
    /// one enclosing pair of matching quotation marks (" or '); nullopt when the section or the key
    /// is missing. An empty value is an empty text.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;

    /// Sets `key` in `section` so that read() gives back `text` byte for byte: the value is
    /// replaced where it stands; a missing key is added after the last key of its section, a
    /// missing section at the end of the file; new lines end in CRLF. Names are plain (no blanks
    /// at the ends, no line breaks, no "=" in a key, no "]" in a section). Throws
    /// LineBreakInValueError, changing nothing, when `text` holds a CR or LF.
    void write(std::string_view section, std::string_view key, std::string_view text);

  private:
    std::string bytes_;
};

}  // namespace huewright
