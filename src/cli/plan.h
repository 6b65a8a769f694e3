#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/messages.h"
#include "generator/gradation_settings.h"
#include "generator/output.h"
#include "model/gradation_fields.h"

namespace huewright {

/// The value the command line gives one field of GradationSettings; texts are UTF-8 as given.
using FieldValue =
    std::variant<std::string, bool, int, ColourValue, GradationMode, SizePatternKind>;

/// How standard output and --output receive the markup.
enum class Encoding { Utf8, Cp932 };

/// What the flags say of the output's form and options; none for what they leave alone.
struct FormChoices {
    std::optional<OutputForm> form;
    std::optional<std::vector<ColourValue>> stops;
    std::optional<Blend> blend;
    std::optional<bool> mergeRuns;
    std::optional<bool> exactEnds;

    /// `options` with every choice made here put in.
    OutputOptions over(OutputOptions options) const {
        options.form = form.value_or(options.form);
        options.stops = stops.value_or(options.stops);
        options.blend = blend.value_or(options.blend);
        options.mergeRuns = mergeRuns.value_or(options.mergeRuns);
        options.exactEnds = exactEnds.value_or(options.exactEnds);
        return options;
    }
};

/// Everything a run of huewright-cli is asked to do, as parsed from its arguments and before any
/// file is read: where the settings come from, what the flags change, the output's form and
/// every destination.
struct Plan {
    /// The value each field of kGradationFields takes from the command line, by index; none
    /// where the command line leaves the field alone. Field 0, the text, comes from standard
    /// input when neither it nor `load` is given.
    std::array<std::optional<FieldValue>, kGradationFields.size()> fields;
    /// Start from lumo.ini in the working directory, as the window does.
    bool useStartupFile = true;
    /// A gradation settings file loaded, as the window loads it, before the flags apply.
    std::optional<std::string> load;
    /// A FONT fragment read back into the settings that make it, instead of `load`, before the
    /// flags apply.
    std::optional<std::string> readMarkup;

    /// The output form and its options as the flags choose them; each one the flags leave alone
    /// comes from the loaded file's own section, or is the default.
    FormChoices form;
    Encoding encoding = Encoding::Utf8;
    /// Print the output's length in bytes instead of the output itself.
    bool lengthOnly = false;

    std::optional<std::string> output;       ///< --output; standard output when none
    std::optional<std::string> save;         ///< a gradation settings file to write
    std::optional<std::string> saveStartup;  ///< a start-up file to write
};

/// The index of the text field in kGradationFields and Plan::fields.
inline constexpr std::size_t kTextField = 0;

}  // namespace huewright
