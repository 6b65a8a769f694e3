#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/output.h"
#include "generator/progression.h"
#include "generator/shift_jis.h"
#include "text/utf8_bytes.h"

namespace huewright {

/// The encoding of the texts `options` describe.
inline TextEncoding encodingOf(const OutputOptions& options) {
    return options.utf8Characters != nullptr ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

/// Where a form's output goes as it is made: it grows in `out`, which is handed to `sink` (when
/// there is one) whenever a piece is full; `observer` (when there is one) hears of each character
/// first.
struct FormTarget {
    std::string& out;
    OutputSink* sink;
    CharacterObserver* observer;
};

/// One output form each; the options are checked already. Each instantiates writeForm with its
/// own writer, so that a character reaches its writer without a virtual call.
void writeFontForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to);
void writeSpanForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to);
void writeBbcodeForm(const GradationSettings& s, const OutputOptions& options,
                     const FormTarget& to);
void writeAnsiForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to);
void writeMinimessageForm(const GradationSettings& s, const OutputOptions& options,
                          const FormTarget& to);
void writeAmpersandForm(const GradationSettings& s, const OutputOptions& options,
                        const FormTarget& to);
void writeJsonForm(const GradationSettings& s, const OutputOptions& options, const FormTarget& to);

/// The length of the unit of `text` at `pos` that escaping looks at. A code page 932 lead byte
/// keeps the byte after it, which may look like "[", "]" or "\"; UTF-8 never puts an ASCII byte
/// inside a longer sequence, so there every byte is a unit of its own.
inline std::size_t escapeUnitAt(std::string_view text, std::size_t pos, TextEncoding encoding) {
    return encoding == TextEncoding::Cp932 ? characterLengthAt(text, pos) : 1;
}

/// Hands `visit` each unit of `text` that escaping looks at, in order.
template <typename Visit>
void forEachEscapeUnit(std::string_view text, TextEncoding encoding, Visit&& visit) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = escapeUnitAt(text, pos, encoding);
        visit(text.substr(pos, length));
        pos += length;
    }
}

/// Whether a form we made refuses `c` in a text: C0 controls (tab only where `tabAllowed`), DEL,
/// C1 controls and noncharacters, which an HTML5 parser rejects and a terminal obeys.
constexpr bool isControlOrNoncharacter(char32_t c, bool tabAllowed) {
    if (c == U'\t') {
        return !tabAllowed;
    }
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool noncharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFEu) == 0xFFFEu;
    return control || noncharacter;
}

/// The character at `pos` of `text` and its length in bytes. UTF-8 gives its code point (the
/// texts are checked already; a byte that starts no character stands for itself). Code page 932
/// holds controls only as single bytes in their ASCII places, so a single byte gives its value
/// and a double-byte character U+FFFD, which is neither.
inline std::pair<char32_t, std::size_t> characterAt(std::string_view text, std::size_t pos,
                                                    TextEncoding encoding) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (encoding == TextEncoding::Cp932) {
        const std::size_t length = characterLengthAt(text, pos);
        return {length == 1 ? lead : U'\uFFFD', length};
    }
    const Utf8Sequence read = utf8SequenceAt(text, pos);
    if (read.fault != Utf8Fault::None) {
        return {lead, 1};
    }
    return {read.codePoint, read.length};
}

/// The HTML size `size` held to 1..7, as browsers hold a FONT tag's SIZE.
inline int htmlSizeInRange(int size) {
    return std::clamp(size, 1, 7);
}

/// A FONT tag's SIZE 1..7 as browsers render it, in CSS's font-size keywords.
inline constexpr std::array<std::string_view, 7> kCssSizeKeywords = {
    "x-small", "small", "medium", "large", "x-large", "xx-large", "xxx-large"};

namespace detail {

inline constexpr std::size_t kPieceSize = std::size_t{64} * 1024;

// Hands the characters to the writer one by one, or gathered into runs of one colour and size;
// passes the output on to the sink, when there is one, whenever a piece is full.
template <typename Writer, typename Characters>
void writeCharacters(const GradationSettings& s, const OutputOptions& options,
                     const ColourPlan& plan, const Characters& characters, Writer& writer,
                     const FormTarget& to) {
    const auto passOn = [&] {
        if (to.sink != nullptr && to.out.size() >= kPieceSize) {
            to.sink->write(to.out);
            to.out.clear();
        }
    };
    const auto observe = [&](std::string_view character, ColourValue colour, int size) {
        if (to.observer != nullptr) {
            to.observer->onCharacter(character, colour, size);
        }
    };
    if (!options.mergeRuns) {
        forEachCharacter(s, plan, characters,
                         [&](std::string_view character, ColourValue colour, int size) {
                             observe(character, colour, size);
                             writer.run(character, colour, size);
                             passOn();
                         });
        return;
    }
    // A terminal and a chat show no sizes, so there they do not part runs.
    const bool sizesShow =
        s.sizePattern && (options.form == OutputForm::Font || options.form == OutputForm::Span ||
                          options.form == OutputForm::Bbcode);
    std::string_view run;
    ColourValue runColour = 0;
    int runSize = 0;
    forEachCharacter(s, plan, characters,
                     [&](std::string_view character, ColourValue colour, int size) {
                         observe(character, colour, size);
                         if (!run.empty() && ((colour ^ runColour) & 0xFFFFFFu) == 0 &&
                             (!sizesShow || size == runSize)) {
                             // The characters come in text order, so a run stays one slice.
                             run = std::string_view(run.data(), run.size() + character.size());
                             return;
                         }
                         if (!run.empty()) {
                             writer.run(run, runColour, runSize);
                             passOn();
                         }
                         run = character;
                         runColour = colour;
                         runSize = size;
                     });
    if (!run.empty()) {
        writer.run(run, runColour, runSize);
    }
}

}  // namespace detail

/// Writes one form with `writer`: its open(), then run(characters, colour, size) for each
/// character or run of one colour and size (characters are whole characters in text order;
/// `size` is meaningful only while the size pattern is on), then close().
template <typename Writer>
void writeForm(Writer& writer, const GradationSettings& s, const OutputOptions& options,
               const FormTarget& to) {
    const SettingsStops ownStops(s);
    const ColourPlan plan{
        options.stops.empty() ? ownStops.stops() : std::span<const ColourValue>(options.stops),
        options.blend, options.exactEnds};
    writer.open();
    if (options.utf8Characters != nullptr) {
        detail::writeCharacters(s, options, plan, Utf8Characters{options.utf8Characters}, writer,
                                to);
    } else {
        detail::writeCharacters(s, options, plan, Cp932Characters{}, writer, to);
    }
    writer.close();
}

}  // namespace huewright
