#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/shift_jis.h"

namespace huewright {

/// How a run's texts are encoded.
enum class TextEncoding { Cp932, Utf8 };

/// Writes one output form, appending to the string it was made with: the wrappers that open the
/// output, then runs of characters, then the wrappers that close it.
class FormWriter {
  public:
    virtual ~FormWriter() = default;
    virtual void open() = 0;
    /// `characters`, one or more whole characters in a row of the text, all in `colour` and of
    /// HTML size `size` (meaningful only while the size pattern is on).
    virtual void run(std::string_view characters, ColourValue colour, int size) = 0;
    virtual void close() = 0;
};

/// The window's markup: a FONT tag per run.
std::unique_ptr<FormWriter> makeFontWriter(std::string& out, const GradationSettings& s);
/// HTML5: a span with a colour style per run, the text escaped.
std::unique_ptr<FormWriter> makeSpanWriter(std::string& out, const GradationSettings& s,
                                           TextEncoding encoding);
/// Forum markup: a [color] tag per run.
std::unique_ptr<FormWriter> makeBbcodeWriter(std::string& out, const GradationSettings& s,
                                             TextEncoding encoding);
/// Terminal escapes: a 24-bit foreground colour per run.
std::unique_ptr<FormWriter> makeAnsiWriter(std::string& out, const GradationSettings& s);

/// The length of the unit of `text` at `pos` that escaping looks at. A code page 932 lead byte
/// keeps the byte after it, which may look like "[", "]" or "\"; UTF-8 never puts an ASCII byte
/// inside a longer sequence, so there every byte is a unit of its own.
inline std::size_t escapeUnitAt(std::string_view text, std::size_t pos, TextEncoding encoding) {
    return encoding == TextEncoding::Cp932 ? characterLengthAt(text, pos) : 1;
}

/// The HTML size `size` held to 1..7, as browsers hold a FONT tag's SIZE.
inline int htmlSizeInRange(int size) {
    return std::clamp(size, 1, 7);
}

}  // namespace huewright
