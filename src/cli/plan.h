#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

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

    OutputOptions form;  ///< all but utf8Characters, which the encoding decides
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
