// The forms we made ourselves never let a typed text drive what reads them: no control
// character reaches a page or a terminal, and no link runs a script. The FONT form is the
// window's own markup, where web authors type entities and tags on purpose, so it is left alone.
#include "generator/output_refusals.h"

#include <algorithm>
#include <array>

#include "generator/form_writer.h"
#include "generator/progression.h"
#include "text/decimal.h"

namespace huewright {

namespace {

using Field = OutputError::Field;

constexpr std::array<std::string_view, 4> kLinkSchemes = {"http", "https", "mailto", "ftp"};

// Refuses the first character of `text` that `refused` picks.
template <typename Refused>
void refuseCharacters(std::string_view text, Field field, TextEncoding encoding, Refused refused) {
    std::size_t position = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        ++position;
        const auto [c, length] = characterAt(text, pos, encoding);
        if (refused(c)) {
            throw OutputError::controlCharacter(field, c, position);
        }
        pos += length;
    }
}

void refuseControls(std::string_view text, Field field, TextEncoding encoding, bool tabAllowed) {
    refuseCharacters(text, field, encoding,
                     [tabAllowed](char32_t c) { return isControlOrNoncharacter(c, tabAllowed); });
}

// A link with a scheme ("name:" before any "/", "?" or "#") keeps to the few that only lead
// somewhere; a relative link has none.
void refuseLinkScheme(std::string_view link) {
    link.remove_prefix(std::min(link.find_first_not_of(' '), link.size()));
    const std::size_t colon = link.find(':');
    if (colon == std::string_view::npos || link.find_first_of("/?#") < colon) {
        return;
    }
    const std::string_view scheme = link.substr(0, colon);
    const auto isSchemeCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '-' || c == '.';
    };
    const bool startsWithLetter =
        !scheme.empty() && (scheme[0] | 0x20) >= 'a' && (scheme[0] | 0x20) <= 'z';
    if (!startsWithLetter || !std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter)) {
        return;  // no scheme, but a colon in the path, such as "2:30" or "a b:c"
    }
    const bool known = std::any_of(kLinkSchemes.begin(), kLinkSchemes.end(), [&](auto name) {
        return std::equal(scheme.begin(), scheme.end(), name.begin(), name.end(),
                          [](char a, char b) { return (a | 0x20) == b; });
    });
    if (!known) {
        throw OutputError::linkScheme(std::string(link.substr(0, colon + 1)));
    }
}

// Whether chat reads `c` after "&" or "§" as a colour or format code: 0-9, a-f, k-o, r, x or
// "#", in either case.
bool isChatCodeLetter(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'f') ||
           (lower >= 'k' && lower <= 'o') || lower == 'r' || lower == 'x' || c == '#';
}

// Refuses an "&" or "§" of `text` that chat would read as the start of a code. "§" is 0xA7 in
// UTF-8 and 0x81 0x98 in code page 932; the letter after it is a single byte in either.
void refuseChatCodes(std::string_view text, TextEncoding encoding) {
    std::size_t position = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        ++position;
        const auto [c, length] = characterAt(text, pos, encoding);
        const bool section = encoding == TextEncoding::Utf8
                                 ? c == U'\u00A7'
                                 : text.substr(pos, length) == "\x81\x98";
        pos += length;
        if ((c == U'&' || section) && pos < text.size() && isChatCodeLetter(text[pos])) {
            throw OutputError::codeInText(section ? U'\u00A7' : U'&', position);
        }
    }
}

}  // namespace

OutputError OutputError::stopCount(std::size_t count) {
    OutputError error(Reason::StopCount, Field::None,
                      "a run needs 2 to 16 colour stops, not " + decimal(count));
    error.stopCount_ = count;
    return error;
}

OutputError OutputError::controlCharacter(Field field, char32_t character, std::size_t position) {
    OutputError error(Reason::ControlCharacter, field,
                      "a control character or noncharacter at character " + decimal(position));
    error.character_ = character;
    error.position_ = position;
    return error;
}

OutputError OutputError::bracketInBbcodeFace() {
    return {Reason::BracketInBbcodeFace, Field::FaceName,
            "a bbcode face name cannot hold \"[\" or \"]\""};
}

OutputError OutputError::linkScheme(std::string scheme) {
    OutputError error(
        Reason::LinkScheme, Field::LinkTarget,
        "a link must be relative or use http, https, mailto or ftp, not \"" + scheme + "\"");
    error.scheme_ = std::move(scheme);
    return error;
}

OutputError OutputError::beyondCodePage932(char32_t character, std::size_t position) {
    OutputError error(Reason::BeyondCodePage932, Field::Text,
                      "character " + decimal(position) + " of the text is not in code page 932");
    error.character_ = character;
    error.position_ = position;
    return error;
}

OutputError OutputError::codeInText(char32_t character, std::size_t position) {
    OutputError error(Reason::CodeInText, Field::Text,
                      "a code of chat's own at character " + decimal(position) +
                          ", which the ampersand form cannot escape");
    error.character_ = character;
    error.position_ = position;
    return error;
}

void refuseWhatCannotBeWritten(const GradationSettings& settings, const OutputOptions& options) {
    const std::size_t stops = options.stops.size();
    if (stops != 0 && (stops < 2 || stops > kMostStops)) {
        throw OutputError::stopCount(stops);
    }
    if (options.form == OutputForm::Font) {
        return;
    }
    const TextEncoding encoding = encodingOf(options);
    refuseControls(settings.text, Field::Text, encoding, true);
    const bool linkShows =
        settings.link && options.form != OutputForm::Ansi && options.form != OutputForm::Ampersand;
    if (linkShows) {
        refuseControls(settings.linkTarget, Field::LinkTarget, encoding, false);
        refuseLinkScheme(settings.linkTarget);
    }
    // Each character's own colour code stands between an "&" and the letter after it; only a
    // run of one colour can put them side by side.
    if (options.form == OutputForm::Ampersand && options.mergeRuns) {
        refuseChatCodes(settings.text, encoding);
    }
    // The span form escapes the face for CSS, all but a NUL, which CSS reads as U+FFFD; a bbcode
    // tag cannot escape at all.
    if (options.form == OutputForm::Span && settings.useFace) {
        refuseCharacters(settings.faceName, Field::FaceName, encoding,
                         [](char32_t c) { return c == 0; });
    }
    if (options.form == OutputForm::Bbcode && settings.useFace) {
        refuseControls(settings.faceName, Field::FaceName, encoding, false);
        const std::string_view face = settings.faceName;
        for (std::size_t pos = 0; pos < face.size(); pos += escapeUnitAt(face, pos, encoding)) {
            if (face[pos] == '[' || face[pos] == ']') {
                throw OutputError::bracketInBbcodeFace();
            }
        }
    }
}

}  // namespace huewright
