#pragma once

#include "generator/gradation_settings.h"
#include "generator/output.h"

namespace huewright {

/// Throws OutputError for what `options` cannot write of `settings`: a stop count outside
/// 2..16; in the span, bbcode and ansi forms a control character (tab aside) or noncharacter in
/// the text, and in the link or, for bbcode, the face where they are written; a bbcode face
/// holding "[" or "]"; a span or bbcode link whose scheme is not http, https, mailto or ftp.
/// The FONT form writes its texts as they are.
void refuseWhatCannotBeWritten(const GradationSettings& settings, const OutputOptions& options);

}  // namespace huewright
