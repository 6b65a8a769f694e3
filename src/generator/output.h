#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/oklab.h"
#include "generator/progression.h"

namespace huewright {

/// The kind of output a run writes.
enum class OutputForm {
    Font,         ///< the window's markup: a FONT tag per character, the texts as they are
    Span,         ///< HTML5: a span with a colour style per character, the texts escaped
    Bbcode,       ///< forum markup: a [color=#RRGGBB] tag per character
    Ansi,         ///< terminal escapes: a 24-bit colour per character, then a reset
    Minimessage,  ///< game chat's MiniMessage tags: <#rrggbb> before each character
    Ampersand,    ///< game chat's colour codes: &#RRGGBB before each character
    Json,         ///< game chat's text components: a JSON array, one per character
};

/// The names of an output form: `name` as the command line takes it and its messages say it, in
/// lower case; `caption` as the window's menu and messages show it.
struct OutputFormNames {
    OutputForm form;
    std::string_view name;
    const char* caption;
};

/// Every output form, in the order of OutputForm: the one table of their names.
inline constexpr OutputFormNames kOutputForms[] = {
    {OutputForm::Font, "font", "FONT"},
    {OutputForm::Span, "span", "SPAN"},
    {OutputForm::Bbcode, "bbcode", "BBCode"},
    {OutputForm::Ansi, "ansi", "ANSI"},
    {OutputForm::Minimessage, "minimessage", "MiniMessage"},
    {OutputForm::Ampersand, "ampersand", "Ampersand"},
    {OutputForm::Json, "json", "JSON"},
};

/// The name of `form` as the command line takes it and its messages say it, in lower case.
constexpr std::string_view formName(OutputForm form) {
    return kOutputForms[static_cast<std::size_t>(form)].name;
}

/// The caption of `form` in the window's menu and messages.
constexpr const char* formCaption(OutputForm form) {
    return kOutputForms[static_cast<std::size_t>(form)].caption;
}

/// How texts are encoded: the window's code page 932, or UTF-8.
enum class TextEncoding { Cp932, Utf8 };

/// How a run is written, beyond what GradationSettings says. The defaults give the window's
/// markup.
struct OutputOptions {
    OutputForm form = OutputForm::Font;
    /// Neighbouring characters of the same colour (and, where sizes show, of the same size)
    /// share one tag.
    bool mergeRuns = false;
    /// 2..16 colours to run through; empty for the settings' own: start, the middle colour in
    /// three-colour mode, end. Alternate mode gives the characters the stops in turn.
    std::vector<ColourValue> stops;
    Blend blend = Blend::Rgb;
    /// Blend::Rgb: every segment ends exactly on its target colour, where the window's rule may
    /// stop one short in a channel. The other blends always end on their stops.
    bool exactEnds = false;
    /// Null: the texts (text, face name, link target) are code page 932, and so is the output.
    /// Otherwise they are UTF-8, and so is the output; this finds where each character of the
    /// text ends. text/graphemes.h's graphemeEnd gives user-perceived characters.
    CharacterEnd utf8Characters = nullptr;
};

/// Told of each character, in order, just before the output receives it (the window's preview
/// draws here).
class CharacterObserver {
  public:
    virtual ~CharacterObserver() = default;
    /// `character` is one character of the text; `size` is the HTML size 1..7, meaningful only
    /// while the size pattern is on.
    virtual void onCharacter(std::string_view character, ColourValue colour, int size) = 0;
};

/// Receives the output in pieces, in order.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual void write(std::string_view piece) = 0;
};

/// The settings or options ask for something the output form must not write; nothing has been
/// written. It carries the facts; front ends word them for their readers (what() is a plain
/// English summary).
class OutputError : public std::invalid_argument {
  public:
    enum class Reason {
        StopCount,            ///< fewer than 2 or more than 16 stops
        ControlCharacter,     ///< a control character or a noncharacter in a text
        BracketInBbcodeFace,  ///< "[" or "]" in the face name would end the [font] tag
        LinkScheme,           ///< a link that is not relative nor http, https, mailto or ftp
        CodeInText,  ///< in the ampersand form, "&" or "§" that a chat would read as a code
        /// a character of the window's text that its code page 932 forms and files cannot hold
        BeyondCodePage932,
    };
    /// The text a refusal is about.
    enum class Field { None, Text, FaceName, LinkTarget };

    OutputError(Reason reason, Field field, const std::string& message)
        : std::invalid_argument(message), reason_(reason), field_(field) {}

    Reason reason() const { return reason_; }
    Field field() const { return field_; }
    /// ControlCharacter, CodeInText and BeyondCodePage932: the character (a Unicode scalar value;
    /// in a code page 932 text a single-byte control stands for itself, and "§" is U+00A7) and its
    /// position, counting characters from 1.
    char32_t character() const { return character_; }
    std::size_t position() const { return position_; }
    /// LinkScheme: the scheme as written, with its colon, such as "javascript:".
    const std::string& scheme() const { return scheme_; }
    /// StopCount: how many stops were given.
    std::size_t stopCount() const { return stopCount_; }

    static OutputError stopCount(std::size_t count);
    static OutputError controlCharacter(Field field, char32_t character, std::size_t position);
    static OutputError bracketInBbcodeFace();
    static OutputError linkScheme(std::string scheme);
    static OutputError codeInText(char32_t character, std::size_t position);
    static OutputError beyondCodePage932(char32_t character, std::size_t position);

  private:
    Reason reason_;
    Field field_;
    char32_t character_ = 0;
    std::size_t position_ = 0;
    std::string scheme_;
    std::size_t stopCount_ = 0;
};

/// The form named `name` (as formName spells it), or none.
std::optional<OutputForm> formNamed(std::string_view name);
/// The name of `blend` as the command line and settings files spell it: rgb, oklab, oklch.
std::string_view blendName(Blend blend);
/// The blend named `name` (as blendName spells it), or none.
std::optional<Blend> blendNamed(std::string_view name);

/// Writes the output of `settings` in the form `options` asks for to `sink`, in pieces of about
/// 64 KiB, so that a long text never needs its whole output in memory; `observer`, when given,
/// is told of every character. Throws OutputError before writing anything.
void writeOutput(const GradationSettings& settings, const OutputOptions& options, OutputSink& sink,
                 CharacterObserver* observer = nullptr);

/// The whole output of `settings` in the form `options` asks for; in code page 932 texts, its
/// byte length is the length the window shows. Throws OutputError.
std::string buildOutput(const GradationSettings& settings, const OutputOptions& options,
                        CharacterObserver* observer = nullptr);

}  // namespace huewright
