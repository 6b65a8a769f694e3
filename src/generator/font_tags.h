#pragma once

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/tag_names.h"

namespace huewright {

/// Appends the FONT form's tags before the characters: frame, link, face and size wrapper, bold,
/// italic, underline and strike, each as the settings ask.
void appendFontOpeningTags(std::string& out, const GradationSettings& s, const TagNameTable& names);

/// Appends the FONT form's tags after the characters, the opening ones closed in reverse, then
/// the line break.
void appendFontClosingTags(std::string& out, const GradationSettings& s, const TagNameTable& names);

/// Writes the characters' font tags. They differ only in colour, size and the characters
/// themselves, so each is a copy of a prepared head with the digits poked in, and tags collect in
/// a chunk that joins the fragment in one append.
class CharacterTagWriter {
  public:
    CharacterTagWriter(std::string& out, const GradationSettings& s, const TagNameTable& names)
        : out_(out), withSize_(s.sizePattern), upperCase_(s.upperCaseTags) {
        const bool up = s.upperCaseTags;
        std::string head = "<";
        head.append(names.tagName(Tag::Font, up))
            .append(" ")
            .append(names.tagName(Tag::Colour, up));
        head.append("=\"#");
        colourAt_ = head.size();
        head.append("000000");
        if (withSize_) {
            head.append("\" ").append(names.tagName(Tag::Size, up)).append("=\"");
            sizeAt_ = head.size();
            head.append("0");
        }
        head.append("\">");
        headLength_ = head.size();
        head.copy(head_, headLength_);
        std::string tail = "</";
        tail.append(names.tagName(Tag::Font, up)).append(">");
        tailLength_ = tail.size();
        tail.copy(tail_, tailLength_);
    }

    /// Appends the tag of `characters` (one or more whole characters) in `colour` and `size`.
    void append(std::string_view characters, ColourValue colour, int size) {
        if (used_ > kChunk - kLongestTag) {
            flush();
        }
        char* tag = chunk_ + used_;
        // Whole fixed-size blocks copy faster than exact lengths; the extra bytes are overwritten.
        std::memcpy(tag, head_, sizeof head_);
        writeColourCode(tag + colourAt_, colour, upperCase_);
        char* p = tag + headLength_;
        if (withSize_) {
            if (size >= 0 && size <= 9) {
                tag[sizeAt_] = static_cast<char>('0' + size);
            } else {
                // Only limits outside 1..7 give such sizes; write the number in full.
                p = tag + sizeAt_;
                p = std::to_chars(p, p + 12, size).ptr;
                *p++ = '"';
                *p++ = '>';
            }
        }
        if (characters.size() <= 2) {
            // One byte or two, a code page 932 character: cheaper written than copied.
            *p++ = characters[0];
            if (characters.size() == 2) {
                *p++ = characters[1];
            }
        } else {
            p = appendLonger(p, characters);
        }
        std::memcpy(p, tail_, sizeof tail_);
        used_ = static_cast<std::size_t>(p + tailLength_ - chunk_);
    }

    /// Appends the tags still held in the chunk to the fragment.
    void flush() {
        out_.append(chunk_, used_);
        used_ = 0;
    }

  private:
    static constexpr std::size_t kChunk = 8192;
    static constexpr std::size_t kLongestTag = 128;  // head and tail blocks, size digits, 2 bytes

    // Characters of more bytes (a grapheme cluster, a merged run) are copied into the chunk where
    // they fit with room for the tail, else appended to the fragment after the chunk's tags;
    // returns where the tail goes.
    char* appendLonger(char* p, std::string_view characters) {
        const auto used = static_cast<std::size_t>(p - chunk_);
        if (characters.size() <= kChunk - kLongestTag - used) {
            std::memcpy(p, characters.data(), characters.size());
            return p + characters.size();
        }
        used_ = used;
        flush();
        out_.append(characters);
        return chunk_;
    }

    std::string& out_;
    bool withSize_;
    bool upperCase_;
    std::size_t colourAt_ = 0;
    std::size_t sizeAt_ = 0;
    std::size_t headLength_ = 0;
    std::size_t tailLength_ = 0;
    char head_[48] = {};  // <FONT COLOR="#000000" SIZE="0">
    char tail_[16] = {};  // </FONT>
    std::size_t used_ = 0;
    char chunk_[kChunk];
};

}  // namespace huewright
