#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

#include "generator/gradation_settings.h"

namespace huewright {

/// The command line is wrong in a way the parser cannot see. what() is the message for the user.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// What the command line asks to change in a GradationSettings: one field per field there, empty
/// when the command line leaves it alone. Texts are code page 932 bytes.
struct SettingsOverrides {
    std::optional<std::string> Text;
    std::optional<GradationMode> Mode;
    std::optional<bool> ThreeColours;
    std::optional<ColorValue> StartColor;
    std::optional<ColorValue> MiddleColor;
    std::optional<ColorValue> EndColor;
    std::optional<ColorValue> BackgroundColor;
    std::optional<bool> Frame;
    std::optional<int> FrameWidth;
    std::optional<bool> FrameBackground;
    std::optional<bool> Link;
    std::optional<std::string> LinkTarget;
    std::optional<bool> UseFace;
    std::optional<std::string> FaceName;
    std::optional<bool> UseSize;
    std::optional<int> Size;
    std::optional<bool> Bold;
    std::optional<bool> Italic;
    std::optional<bool> Underline;
    std::optional<bool> Strike;
    std::optional<bool> LineBreak;
    std::optional<bool> SizePattern;
    std::optional<SizePatternKind> PatternKind;
    std::optional<int> PatternMax;
    std::optional<int> PatternMin;
    std::optional<bool> UpperCaseTags;
    std::optional<bool> StrongForBold;
    std::optional<bool> EmForItalic;
};

/// Registers the positional text and every flag that sets a field of GradationSettings; parsing
/// `app` then fills `overrides`, which must outlive the parse. A switch given twice takes its last
/// form; for the other flags `app`'s option defaults decide.
void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides);

/// Sets every field of `settings` that `overrides` holds.
void applyOverrides(const SettingsOverrides& overrides, GradationSettings& settings);

}  // namespace huewright
