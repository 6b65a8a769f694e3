#pragma once

#include <string>
#include <string_view>

#include "generator/colour.h"

namespace huewright {

/// The window font's face, "ＭＳ Ｐゴシック", in code page 932.
inline constexpr std::string_view kWindowFaceName =
    "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

/// The sample text the window starts with.
inline constexpr std::string_view kSampleText = "HuewrightHTML!";

/// The colours the window starts with when no start-up file says otherwise: fuchsia, yellow,
/// blue, and a white background.
inline constexpr ColourValue kBuiltInStartColour = 0xFF00FF;
inline constexpr ColourValue kBuiltInMiddleColour = 0x00FFFF;
inline constexpr ColourValue kBuiltInEndColour = 0xFF0000;
inline constexpr ColourValue kBuiltInBackgroundColour = 0xFFFFFF;

enum class GradationMode { Gradient, Alternate };
enum class SizePatternKind { Falling, Valley, Alternating, None };

/// Everything one generator run reads: a snapshot of the main window, taken at the start of the
/// run. Texts are code page 932 bytes.
struct GradationSettings {
    std::string text{kSampleText};
    GradationMode mode = GradationMode::Gradient;
    bool threeColours = false;
    ColourValue startColour = kBuiltInStartColour;
    ColourValue middleColour = kBuiltInMiddleColour;
    ColourValue endColour = kBuiltInEndColour;
    ColourValue backgroundColour = kBuiltInBackgroundColour;
    bool frame = false;
    int frameWidth = 0;  ///< 0..99, or whatever the user is still typing (e.g. -5)
    bool frameBackground = false;
    bool link = false;
    std::string linkTarget = "http://";
    bool useFace = true;
    std::string faceName{kWindowFaceName};
    bool useSize = true;
    int size = 3;  ///< 1..7
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool lineBreak = true;
    bool sizePattern = false;
    SizePatternKind patternKind = SizePatternKind::Falling;
    int patternMax = 7;  ///< 1..7, independent of patternMin
    int patternMin = 3;  ///< 1..7, may exceed patternMax (sizes then rise)
    bool upperCaseTags = true;
    bool strongForBold = false;
    bool emForItalic = false;
};

}  // namespace huewright
