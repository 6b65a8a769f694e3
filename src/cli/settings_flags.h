#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

#include "generator/gradation_settings.h"
#include "model/gradation_fields.h"

namespace huewright {

/// The command line is wrong in a way the parser cannot see. what() is the message for the user.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// What the command line asks to change in a GradationSettings, field by field of
/// kGradationFields; a field the command line leaves alone has no setter.
class SettingsOverrides {
  public:
    /// True when the text to colour was given.
    bool setsText() const { return static_cast<bool>(setters_[kTextField]); }
    /// Sets the text to colour (code page 932 bytes).
    void setText(std::string text);
    /// Sets every field of `settings` that the command line gives.
    void applyTo(GradationSettings& settings) const;

  private:
    friend void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides);
    static constexpr std::size_t kTextField = 0;

    std::array<std::function<void(GradationSettings&)>, kGradationFields.size()> setters_;
};

/// Registers the positional text and a flag for every other field of GradationSettings; parsing
/// `app` then fills `overrides`, which must outlive the parse. A flag given twice takes its last
/// value.
void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides);

}  // namespace huewright
