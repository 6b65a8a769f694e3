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
    /// True when the command line gives `member`.
    bool sets(const std::string GradationSettings::*member) const;
    /// True when the text to colour was given.
    bool setsText() const { return sets(&GradationSettings::text); }
    /// Sets the text to colour, UTF-8, as `source` (such as "standard input") gave it.
    void setText(const std::string& utf8, const std::string& source);
    /// Sets every field of `settings` that the command line gives; texts go in as UTF-8 when
    /// `utf8Texts`, else as code page 932. Throws UsageError naming the flag of a text that code
    /// page 932 cannot hold.
    void applyTo(GradationSettings& settings, bool utf8Texts) const;

  private:
    friend void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides);
    static constexpr std::size_t kTextField = 0;

    /// Each given field's setter; a text's setter is told whether texts stay UTF-8.
    using Setter = std::function<void(GradationSettings&, bool utf8Texts)>;
    std::array<Setter, kGradationFields.size()> setters_;
};

/// Registers the positional text and a flag for every other field of GradationSettings; parsing
/// `app` then fills `overrides`, which must outlive the parse. A flag given twice takes its last
/// value.
void addSettingsFlags(CLI::App& app, SettingsOverrides& overrides);

}  // namespace huewright
