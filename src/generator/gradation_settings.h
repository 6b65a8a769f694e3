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

enum class GradationMode { Gradient, Alternate };
enum class SizePatternKind { Falling, Valley, Alternating, None };

/// Everything one generator run reads: a snapshot of the main window, taken at the start of the
/// run. Texts are code page 932 bytes. Field names follow the window's vocabulary.
struct GradationSettings {
    std::string Text{kSampleText};
    GradationMode Mode = GradationMode::Gradient;
    bool ThreeColours = false;
    ColorValue StartColor = 0xFF00FF;
    ColorValue MiddleColor = 0x00FFFF;
    ColorValue EndColor = 0xFF0000;
    ColorValue BackgroundColor = 0xFFFFFF;
    bool Frame = false;
    int FrameWidth = 0;  ///< 0..99, or whatever the user is still typing (e.g. -5)
    bool FrameBackground = false;
    bool Link = false;
    std::string LinkTarget = "http://";
    bool UseFace = true;
    std::string FaceName{kWindowFaceName};
    bool UseSize = true;
    int Size = 3;  ///< 1..7
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    bool LineBreak = true;
    bool SizePattern = false;
    SizePatternKind PatternKind = SizePatternKind::Falling;
    int PatternMax = 7;  ///< 1..7, independent of PatternMin
    int PatternMin = 3;  ///< 1..7, may exceed PatternMax (sizes then rise)
    bool UpperCaseTags = true;
    bool StrongForBold = false;
    bool EmForItalic = false;
};

}  // namespace huewright
