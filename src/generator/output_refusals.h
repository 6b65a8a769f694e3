#pragma once

#include "generator/gradation_settings.h"
#include "generator/output.h"

namespace huewright {

/// Throws OutputError for what `options` cannot write of `settings`: a stop count outside
/// 2..16; in every form but FONT a control character (tab aside) or noncharacter in
/// the text, and in the link or, for bbcode, the face where they are written; a bbcode face
/// holding "[" or "]"; a link, where the form writes one, whose scheme is not http, https,
/// mailto or ftp; in the ampersand form's merged runs, an "&" or "§" before a code letter. The
/// FONT form writes its texts as they are.
void refuseWhatCannotBeWritten(const GradationSettings& settings, const OutputOptions& options);

}  // namespace huewright
