#include "cli/execute.h"

#include <array>
#include <filesystem>
#include <istream>
#include <iterator>
#include <ostream>
#include <system_error>

#include "cli/destinations.h"
#include "cli/settings_flags.h"
#include "generator/output.h"
#include "generator/output_refusals.h"
#include "model/gradation_file.h"
#include "model/gradation_keys.h"
#include "model/main_window_model.h"
#include "model/startup_fields.h"
#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "persistence/settings_file.h"
#include "persistence/startup_settings.h"
#include "text/cp932.h"
#include "text/decimal.h"
#include "text/describe.h"
#include "text/graphemes.h"
#include "text/utf8.h"

namespace huewright {
namespace {

namespace fs = std::filesystem;

// The three texts of the settings, with the window item that holds each in a settings file.
struct TextField {
    std::string GradationSettings::*member;
    FileItem item;
    OutputError::Field field;
};
constexpr std::array<TextField, 3> kTexts = {{
    {&GradationSettings::text, LineEdit::Text, OutputError::Field::Text},
    {&GradationSettings::faceName, FaceNameBox{}, OutputError::Field::FaceName},
    {&GradationSettings::linkTarget, LineEdit::LinkTarget, OutputError::Field::LinkTarget},
}};

// The index in kGradationFields of the field that holds `member`.
std::size_t fieldIndexOf(std::string GradationSettings::*member) {
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        const bool holds = std::visit(
            [&](const auto& binding) {
                if constexpr (std::is_same_v<decltype(binding.member),
                                             std::string GradationSettings::*>) {
                    return binding.member == member;
                }
                return false;
            },
            kGradationFields[i].binding);
        if (holds) {
            return i;
        }
    }
    return kGradationFields.size();
}

// The settings a run writes, and for each text what gave it, as a message names the culprit:
// the flag, "standard input", or the loaded file and its key.
struct RunSettings {
    GradationSettings settings;
    std::array<std::string, kTexts.size()> textSources;
    StartupSettings startup;
};

// Writes `text` to standard output; a failure there is the run's failure.
void emit(std::ostream& out, std::string_view text) {
    try {
        out << text;
        out.flush();
    } catch (const std::system_error& e) {
        throw UsageError("cannot write to standard output: " + e.code().message());
    }
    if (!out) {
        throw UsageError("cannot write to standard output");
    }
}

// The text from standard input, less one trailing line end, as well-formed UTF-8.
std::string readText(std::istream& in) {
    std::string text;
    try {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::system_error& e) {
        throw UsageError("standard input: cannot read: " + e.code().message());
    }
    if (text.ends_with("\r\n")) {
        text.resize(text.size() - 2);
    } else if (text.ends_with('\n')) {
        text.pop_back();
    }
    if (const std::string problem = utf8Problem(text); !problem.empty()) {
        throw UsageError("standard input: " + problem);
    }
    return text;
}

// Loads `file` into `window` by the window's rules. Unlike the window, which loads silently, a
// script must hear of a file it cannot read or that holds no settings at all.
void loadSettingsFile(MainWindowModel& window, const FileSystem& files, const std::string& file,
                      std::ostream& err) {
    const FileRead read = files.readFile(file);
    if (!read.bytes) {
        throw UsageError("--load: cannot read " + shownName(file) + ": " + read.error.message());
    }
    const LoadReport report = window.loadGradationFile(file);
    if (!report.heldSettings) {
        throw UsageError("--load: " + shownName(file) + " holds no gradation settings");
    }
    for (const std::string& key : report.unrepresentableKeys) {
        err << "huewright-cli: warning: --load: " << file << ": the value of " << key
            << " is not in code page 932, so it keeps its default\n";
    }
    for (const LoneSurrogateKey& broken : report.loneSurrogateKeys) {
        err << "huewright-cli: warning: --load: " << file << ": the value of " << broken.key
            << " holds " << describeCodePoint(broken.surrogate.unit)
            << ", half of a UTF-16 surrogate pair without its other half, at character "
            << broken.surrogate.character << ", so it keeps its default\n";
    }
}

// The name of the key that keeps `item` in a gradation settings file.
std::string keyOf(const FileItem& item) {
    for (const GradationKey& entry : kGradationWriteOrder) {
        if (entry.item == item) {
            return std::string(entry.key.key);
        }
    }
    return {};
}

// What the plan describes, with the texts in code page 932, or in UTF-8 when `utf8Texts`.
RunSettings describeRun(const Plan& plan, bool utf8Texts, std::istream& in, std::ostream& err) {
    DiskFileSystem files;
    const fs::path here = fs::current_path();
    RunSettings run;
    run.startup =
        plan.useStartupFile ? readStartupSettings(files, startupFilePath(here)) : StartupSettings{};
    // The window's own start and load, so that their rules are the window's.
    MainWindowModel window(files);
    window.setBuildsOutput(false);
    window.startUp(here, run.startup);
    if (plan.load) {
        loadSettingsFile(window, files, *plan.load, err);
    }
    run.settings = window.snapshot();

    std::array<std::optional<FieldValue>, kGradationFields.size()> fields = plan.fields;
    if (!fields[kTextField] && !plan.load) {
        fields[kTextField] = readText(in);
    }
    for (std::size_t t = 0; t < kTexts.size(); ++t) {
        const TextField& text = kTexts[t];
        std::string& value = run.settings.*text.member;
        const std::size_t index = fieldIndexOf(text.member);
        if (fields[index]) {
            run.textSources[t] = plan.fields[index] ? flagOf(index) : "standard input";
            const std::string& given = std::get<std::string>(*fields[index]);
            try {
                value = utf8Texts ? given : utf8ToCp932(given);
            } catch (const ConversionError& e) {
                throw UsageError(run.textSources[t] + ": " + e.what());
            }
            continue;
        }
        run.textSources[t] = plan.load
                                 ? "--load: " + shownName(*plan.load) + ": " + keyOf(text.item)
                                 : flagOf(index);
        // A loaded text must be whole code page 932 characters, or the markup would swallow
        // the bytes after it.
        try {
            const std::string utf8 = cp932ToUtf8(value);
            if (utf8Texts) {
                value = utf8;
            }
        } catch (const ConversionError& e) {
            throw UsageError(run.textSources[t] + ": " + e.what());
        }
    }
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        if (!fields[i] || std::holds_alternative<std::string>(*fields[i])) {
            continue;
        }
        std::visit(
            [&](const auto& binding) {
                using Value = std::decay_t<decltype(run.settings.*binding.member)>;
                if constexpr (!std::is_same_v<Value, std::string>) {
                    run.settings.*binding.member = std::get<Value>(*fields[i]);
                }
            },
            kGradationFields[i].binding);
    }
    return run;
}

// `settings` with its texts in code page 932, as the settings files keep them.
GradationSettings inCodePage932(GradationSettings settings, const RunSettings& run,
                                const std::string& flag) {
    for (std::size_t t = 0; t < kTexts.size(); ++t) {
        try {
            settings.*kTexts[t].member = utf8ToCp932(settings.*kTexts[t].member);
        } catch (const ConversionError& e) {
            throw UsageError(flag + ": " + run.textSources[t] + ": " + e.what());
        }
    }
    return settings;
}

// The settings files the plan writes, with their whole new content.
std::vector<SettingsFileWrite> settingsFiles(const Plan& plan, const RunSettings& run,
                                             bool utf8Texts) {
    std::vector<SettingsFileWrite> writes;
    if (!plan.save && !plan.saveStartup) {
        return writes;
    }
    // The settings files keep code page 932: what they cannot hold stops the run now.
    const GradationSettings saved =
        utf8Texts ? inCodePage932(run.settings, run, plan.save ? "--save" : "--save-startup")
                  : run.settings;
    const DiskFileSystem files;
    const auto content = [&](const std::string& flag, const std::string& file,
                             const std::vector<SettingsValue>& values) {
        try {
            writes.push_back({flag, file, updatedSettingsFile(files, file, values)});
        } catch (const FileWriteError& e) {
            throw UsageError(cannotWrite(flag, e));
        } catch (const LineBreakInValueError& e) {
            throw UsageError(flag + ": cannot write " + shownName(file) + ": the value of " +
                             e.key() +
                             " holds a line break or a NUL byte, which a settings file cannot "
                             "keep");
        }
    };
    if (plan.save) {
        content("--save", *plan.save, gradationFileValues(fileItemsOf(saved)));
    }
    if (plan.saveStartup) {
        content("--save-startup", *plan.saveStartup,
                startupFileValues(startupOf(saved, run.startup)));
    }
    return writes;
}

// The refusal of a form, worded for the command line with the text's culprit.
std::string refusal(const OutputError& e, const RunSettings& run, OutputForm form) {
    std::string culprit = "--format";
    for (std::size_t t = 0; t < kTexts.size(); ++t) {
        if (kTexts[t].field == e.field()) {
            culprit = run.textSources[t];
        }
    }
    const std::string inForm = "the " + std::string(formName(form)) + " form";
    switch (e.reason()) {
        case OutputError::Reason::ControlCharacter:
            return culprit + ": " + describeCodePoint(e.character()) + " (character " +
                   decimal(e.position()) + ", counting from 1) is a " +
                   (e.character() > 0x9F ? "noncharacter" : "control character") + ", which " +
                   inForm + " does not pass through";
        case OutputError::Reason::LinkScheme:
            return culprit + ": " + inForm +
                   " takes links that are relative or use http, https, mailto or ftp, not \"" +
                   e.scheme() + "\"";
        case OutputError::Reason::BracketInBbcodeFace:
        case OutputError::Reason::StopCount:
            break;
    }
    return culprit + ": " + e.what();
}

// Hands the output on to where it goes, in code page 932 or converted to UTF-8, and counts its
// bytes as they were made.
class OutputDestination final : public OutputSink {
  public:
    OutputDestination(OutputTarget* target, bool toUtf8) : target_(target), toUtf8_(toUtf8) {}
    void write(std::string_view piece) override {
        length_ += piece.size();
        if (target_ != nullptr) {
            // A piece ends after a whole character's tag, so no double-byte character is split.
            target_->write(toUtf8_ ? cp932ToUtf8(piece) : std::string(piece));
        }
    }
    std::size_t length() const { return length_; }

  private:
    OutputTarget* target_;
    bool toUtf8_;
    std::size_t length_ = 0;
};

}  // namespace

void execute(const Plan& plan, std::istream& in, std::ostream& out, std::ostream& err,
             SystemCalls& calls) {
    // The Unicode forms keep UTF-8 texts whole, any character and every grapheme cluster.
    const bool utf8Texts = plan.form.form != OutputForm::Font && plan.encoding == Encoding::Utf8;
    const RunSettings run = describeRun(plan, utf8Texts, in, err);
    OutputOptions options = plan.form;
    if (utf8Texts) {
        options.utf8Characters = graphemeEnd;
    }
    // Everything is read, converted and checked before any destination is opened.
    try {
        refuseWhatCannotBeWritten(run.settings, options);
    } catch (const OutputError& e) {
        throw UsageError(refusal(e, run, options.form));
    }
    Destinations destinations(plan.output, plan.lengthOnly, settingsFiles(plan, run, utf8Texts),
                              out, calls);
    // The markup is made in code page 932 unless its texts are UTF-8 already.
    const bool toUtf8 = plan.encoding == Encoding::Utf8 && !utf8Texts;
    OutputDestination sink(destinations.output(), toUtf8);
    try {
        writeOutput(run.settings, options, sink);
        // The terminal form ends its own line when the line break is on; the others get a line
        // end on standard output, so that the shell's prompt starts on a line of its own.
        if (destinations.output() != nullptr && destinations.toStandardOutput() &&
            options.form != OutputForm::Ansi) {
            destinations.output()->write("\n");
        }
    } catch (const OutputError& e) {
        throw UsageError(refusal(e, run, options.form));
    } catch (const FileWriteError& e) {
        destinations.outputFailed(e);
    }
    if (plan.lengthOnly) {
        emit(out, decimal(sink.length()) + '\n');
    }
    destinations.commit();
}

}  // namespace huewright
