#include "cli/execute.h"

#include <array>
#include <filesystem>
#include <istream>
#include <ostream>
#include <system_error>

#include "cli/destinations.h"
#include "cli/inputs.h"
#include "cli/settings_flags.h"
#include "generator/output.h"
#include "generator/output_refusals.h"
#include "model/gradation_file.h"
#include "model/gradation_keys.h"
#include "model/main_window_model.h"
#include "model/startup_fields.h"
#include "persistence/profile_document.h"
#include "persistence/startup_settings.h"
#include "text/cp932.h"
#include "text/decimal.h"
#include "text/describe.h"
#include "text/graphemes.h"
#include "text/utf8.h"

namespace huewright {
namespace {

namespace fs = std::filesystem;

// The settings a run writes, and for each text what gave it, as a message names the culprit:
// the flag, "standard input", or the loaded file and its key.
struct RunSettings {
    GradationSettings settings;
    OutputOptions options;
    /// The texts are UTF-8, as the Unicode forms keep them, not code page 932.
    bool utf8Texts = false;
    /// By index in kGradationFields; empty for a field that holds no text.
    std::array<std::string, kGradationFields.size()> textSources;
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

// What the plan describes, with the texts in code page 932, or in UTF-8 for a Unicode form.
RunSettings describeRun(const Plan& plan, const RunContext& context, std::istream& in,
                        std::ostream& err) {
    RunSettings run;
    if (plan.useStartupFile) {
        const fs::path file = startupFilePath(context.workingDirectory);
        StartupFileRead startup = readStartupFile(context.files, file);
        if (startup.unreadable) {
            err << "huewright-cli: warning: cannot read the start-up file "
                << shownName(file.filename().string()) << ": "
                << startup.unreadable->reason().message()
                << "; starting from the built-in settings\n";
        }
        run.startup = startup.settings;
    }
    // The window's own start and load, so that their rules are the window's.
    MainWindowModel window(context.files);
    window.setBuildsOutput(false);
    window.startUp(context.workingDirectory, run.startup);
    LoadedFile loaded;
    std::optional<FragmentRead> fragment;
    if (plan.load) {
        loaded = loadSettingsFile(window, context, *plan.load, err);
    } else if (plan.readMarkup) {
        fragment = readMarkupFile(context, *plan.readMarkup, plan.encoding, err);
    }
    run.settings = fragment ? fragment->settings : window.snapshot();
    run.options = plan.form.over(fragment ? fragment->options : loaded.extended);
    // The Unicode forms keep UTF-8 texts whole, any character and every grapheme cluster.
    const bool utf8Texts = run.options.form != OutputForm::Font && plan.encoding == Encoding::Utf8;
    run.utf8Texts = utf8Texts;
    // A fragment read in a Unicode form keeps its texts in UTF-8, the others code page 932.
    const bool utf8Fragment = fragment && fragment->options.utf8Characters != nullptr;
    run.options.utf8Characters = utf8Texts ? graphemeEnd : nullptr;

    std::array<std::optional<FieldValue>, kGradationFields.size()> fields = plan.fields;
    if (!fields[kTextField] && !plan.load && !plan.readMarkup) {
        fields[kTextField] = readText(in);
    }
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        const auto text = textMemberOf(kGradationFields[i]);
        if (text == nullptr) {
            continue;
        }
        std::string& value = run.settings.*text;
        std::string& source = run.textSources[i];
        if (fields[i]) {
            source = plan.fields[i] ? flagOf(i) : "standard input";
            const std::string& given = std::get<std::string>(*fields[i]);
            try {
                value = utf8Texts ? given : utf8ToCp932(given);
            } catch (const ConversionError& e) {
                throw UsageError(source + ": " + e.what());
            }
            continue;
        }
        source = plan.load ? "--load: " + shownName(*plan.load) + ": " +
                                 std::string(fileKeyOf(kGradationFields[i]))
                 : plan.readMarkup ? "--read-markup: " + shownName(*plan.readMarkup)
                                   : flagOf(i);
        if (utf8Fragment) {
            try {
                value = utf8Texts ? value : utf8ToCp932(value);
            } catch (const ConversionError& e) {
                throw UsageError(source + ": " + e.what());
            }
            continue;
        }
        // A loaded text must be whole code page 932 characters, or the markup would swallow
        // the bytes after it.
        try {
            const std::string utf8 = cp932ToUtf8(value);
            if (utf8Texts) {
                value = utf8;
            }
        } catch (const ConversionError& e) {
            throw UsageError(source + ": " + e.what() + loaded.encodingHint);
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
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        if (const auto text = textMemberOf(kGradationFields[i])) {
            try {
                settings.*text = utf8ToCp932(settings.*text);
            } catch (const ConversionError& e) {
                throw UsageError(flag + ": " + run.textSources[i] + ": " + e.what());
            }
        }
    }
    return settings;
}

// The settings files the plan writes, with their whole new content.
std::vector<SettingsFileWrite> settingsFiles(const Plan& plan, const RunContext& context,
                                             const RunSettings& run) {
    std::vector<SettingsFileWrite> writes;
    if (!plan.save && !plan.saveStartup) {
        return writes;
    }
    // The settings files keep code page 932: what they cannot hold stops the run now.
    const GradationSettings saved =
        run.utf8Texts ? inCodePage932(run.settings, run, plan.save ? "--save" : "--save-startup")
                      : run.settings;
    // `updated` makes the whole new content of the file at a path.
    const auto content = [&](const std::string& flag, const std::string& file, auto updated) {
        try {
            writes.push_back({flag, file, updated(context.pathOf(file))});
        } catch (const FileWriteError& e) {
            throw UsageError(cannotWrite(flag, file, e, context.workingDirectory));
        } catch (const LineBreakInValueError& e) {
            throw UsageError(flag + ": cannot write " + shownName(file) + ": the value of " +
                             e.key() +
                             " holds a line break or a NUL byte, which a settings file cannot "
                             "keep");
        }
    };
    if (plan.save) {
        // The form and options go into the file's own section, so that it loads back to the
        // same output.
        content("--save", *plan.save, [&](const fs::path& path) {
            return updatedGradationFile(context.files, path, fileItemsOf(saved), run.options);
        });
    }
    if (plan.saveStartup) {
        content("--save-startup", *plan.saveStartup, [&](const fs::path& path) {
            return updatedStartupFile(context.files, path, startupOf(saved, run.startup));
        });
    }
    return writes;
}

// The refusal of a form, worded for the command line with the text's culprit.
std::string refusal(const OutputError& e, const RunSettings& run, OutputForm form) {
    std::string culprit = "--format";
    for (std::size_t i = 0; i < kGradationFields.size(); ++i) {
        if (e.field() != OutputError::Field::None && kGradationFields[i].refusedAs == e.field()) {
            culprit = run.textSources[i];
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
        case OutputError::Reason::CodeInText:
            return culprit + ": " + describeCodePoint(e.character()) + " (character " +
                   decimal(e.position()) +
                   ", counting from 1) starts a colour or format code in chat, and " + inForm +
                   " has no escape; without --merge-runs each character has a colour code of "
                   "its own";
        case OutputError::Reason::BracketInBbcodeFace:
        case OutputError::Reason::StopCount:
        case OutputError::Reason::BeyondCodePage932:
            break;
    }
    return culprit + ": " + e.what();
}

// Hands the output on to where it goes, in code page 932 or converted to UTF-8, and counts the
// bytes as they are written.
class OutputDestination final : public OutputSink {
  public:
    OutputDestination(OutputTarget* target, bool toUtf8) : target_(target), toUtf8_(toUtf8) {}
    void write(std::string_view piece) override {
        // A piece ends after a whole character's tag, so no double-byte character is split.
        const std::string bytes = toUtf8_ ? cp932ToUtf8(piece) : std::string(piece);
        length_ += bytes.size();
        if (target_ != nullptr) {
            target_->write(bytes);
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
             const RunContext& context) {
    const RunSettings run = describeRun(plan, context, in, err);
    const OutputOptions& options = run.options;
    // Everything is read, converted and checked before any destination is opened.
    try {
        refuseWhatCannotBeWritten(run.settings, options);
    } catch (const OutputError& e) {
        throw UsageError(refusal(e, run, options.form));
    }
    Destinations destinations(plan.output, plan.lengthOnly, plan.load,
                              settingsFiles(plan, context, run), out, context);
    // The markup is made in code page 932 unless its texts are UTF-8 already.
    const bool toUtf8 = plan.encoding == Encoding::Utf8 && !run.utf8Texts;
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
