#include "cli/run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <exception>
#include <filesystem>
#include <istream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include <CLI/CLI.hpp>

#include "cli/argument_checks.h"
#include "cli/form_flags.h"
#include "cli/help_formatter.h"
#include "cli/output_target.h"
#include "cli/settings_flags.h"
#include "generator/output.h"
#include "generator/tag_names.h"
#include "model/gradation_keys.h"
#include "model/main_window_model.h"
#include "persistence/atomic_file.h"
#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "persistence/startup_settings.h"
#include "text/cp932.h"
#include "text/decimal.h"
#include "text/graphemes.h"
#include "text/utf8.h"

namespace huewright {
namespace {

constexpr const char* kProgram = "huewright-cli";
constexpr const char* kUtf8 = "utf-8";
constexpr const char* kCp932 = "cp932";
constexpr int kFailure = 2;

constexpr const char* kDescription =
    "Writes the HTML markup that shows TEXT as a colour gradient, each character in a font tag "
    "of its own colour.";
constexpr const char* kFooter =
    "It starts as the window does, with lumo.ini from the working directory (colours, the size,\n"
    "font and line-break switches, the case of tags, STRONG and EM); the flags override it.\n"
    "Colour codes are #RRGGBB or RRGGBB, red first, in either letter case. A flag given twice\n"
    "takes its last value. Texts are UTF-8 and are written as code page 932; a character that\n"
    "code page 932 cannot hold is refused.\n"
    "A gradation settings file (.DAT) carries the text, the colours and every switch, size and\n"
    "pattern of the window, but not the case of tags, STRONG or EM: those live in lumo.ini\n"
    "(--save-startup). Replacing a file splits a hard link to it.\n"
    "Exit status: 0 on success, 2 on any failure, after one message on standard error.";

struct SettingsFiles {
    std::optional<std::string> load;
    std::optional<std::string> save;
    std::optional<std::string> saveStartup;
    bool noStartupFile = false;
};

void addSettingsFileFlags(CLI::App& app, SettingsFiles& files) {
    app.add_option("--load", files.load,
                   "load the gradation settings FILE as the window would, then apply the other "
                   "flags; the text comes from the file unless one is given")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_option("--save", files.save,
                   "also save the settings the flags describe as a gradation settings FILE, which "
                   "the window loads back to the same state")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_option("--save-startup", files.saveStartup,
                   "also write the eleven start-up keys of the flags' state into the start-up FILE "
                   "(such as lumo.ini), keeping its other keys")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_flag("--no-startup-file", files.noStartupFile,
                 "start from the built-in defaults, not from lumo.ini in the working directory")
        ->group("Settings files");
}

struct OutputFlags {
    std::string encoding = kUtf8;
    std::optional<std::string> file;
    bool lengthOnly = false;
};

void addOutputFlags(CLI::App& app, OutputFlags& output) {
    app.add_option_function<std::string>(
           "--encoding",
           [&output](std::string encoding) {
               requireValid(oneOf({kUtf8, kCp932}), "--encoding", encoding);
               output.encoding = encoding;
           },
           "utf-8 (for the terminal) or cp932 (the bytes as they are), on standard output "
           "and in --output (default: utf-8)")
        ->type_name("ENCODING")
        ->group("Output");
    app.add_option("-o,--output", output.file,
                   "write the markup to FILE instead, with no line end added: \"-\" is standard "
                   "output, a terminal, pipe or /dev/fd/N is written into, a file is replaced in "
                   "one step")
        ->type_name("FILE")
        ->group("Output");
    app.add_flag("--length", output.lengthOnly,
                 "print only the markup's length in code page 932 bytes, such as 140 (--output "
                 "still gets the markup)")
        ->group("Output");
}

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

// A file name as a message shows it: an empty name must still be seen.
std::string shown(const std::string& name) {
    return name.empty() ? "\"\"" : name;
}

// "FLAG: cannot write FILE: REASON", for a failed write of the file a flag names.
UsageError writeFailure(const std::string& flag, const FileWriteError& error) {
    std::string message = flag + ": cannot write " + shown(error.file().string());
    if (error.reason()) {
        message += ": " + error.reason().message();
    }
    return UsageError(message);
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

// Why `file` cannot be read, or nothing when it can.
std::optional<std::string> unreadable(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::generic_category().message(errno);
    }
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    if (!regular) {
        return S_ISDIR(status.st_mode) ? std::generic_category().message(EISDIR)
                                       : std::string("not a regular file");
    }
    return std::nullopt;
}

// The three texts of the settings, with the item that holds each in the window.
const std::pair<std::string GradationSettings::*, FileItem> kTexts[] = {
    {&GradationSettings::text, LineEdit::Text},
    {&GradationSettings::faceName, FaceNameBox{}},
    {&GradationSettings::linkTarget, LineEdit::LinkTarget}};

// The texts a loaded file brought and the flags leave; each must be whole code page 932
// characters, or the markup would swallow the bytes after it.
void checkLoadedTexts(const GradationSettings& settings, const SettingsOverrides& overrides,
                      const std::string& file) {
    for (const auto& [member, item] : kTexts) {
        if (overrides.sets(member)) {
            continue;
        }
        try {
            cp932ToUtf8(settings.*member);
        } catch (const ConversionError& e) {
            const auto entry = std::ranges::find(kGradationWriteOrder, item, &GradationKey::item);
            throw UsageError("--load: " + file + ": " + std::string(entry->key.key) + ": " +
                             e.what());
        }
    }
}

// `settings` with its texts in code page 932, as the settings files keep them.
GradationSettings inCodePage932(GradationSettings settings, const std::string& flag) {
    for (const auto& [member, item] : kTexts) {
        try {
            settings.*member = utf8ToCp932(settings.*member);
        } catch (const ConversionError& e) {
            throw UsageError(flag + ": " + e.what());
        }
    }
    return settings;
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

// The start-up settings that the flags' state describes, where `startup` gave the rest.
StartupSettings startupOf(const GradationSettings& s, const StartupSettings& startup) {
    StartupSettings out = startup;
    out.startColour = s.startColour;
    out.middleColour = s.middleColour;
    out.endColour = s.endColour;
    out.backgroundColour = s.backgroundColour;
    out.useSize = s.useSize;
    out.useFace = s.useFace;
    out.lineBreak = s.lineBreak;
    out.upperCaseTags = s.upperCaseTags;
    // A tag form keeps its own value while it still says STRONG or EM.
    out.boldTagForm = s.strongForBold ? (startup.boldTagForm != 0 ? startup.boldTagForm : 1) : 0;
    out.italicTagForm =
        s.emForItalic ? (startup.italicTagForm != 0 ? startup.italicTagForm : 1) : 0;
    return out;
}

}  // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    const auto fail = [&err](const std::string& message) {
        err << kProgram << ": " << message << '\n';
        return kFailure;
    };
    CLI::App app{kDescription, kProgram};
    app.footer(kFooter);
    auto formatter = std::make_shared<HelpFormatter>();
    formatter->column_width(38);
    app.formatter(formatter);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    SettingsOverrides overrides;
    addSettingsFlags(app, overrides);
    SettingsFiles settingsFiles;
    addSettingsFileFlags(app, settingsFiles);
    OutputFlags output;
    addOutputFlags(app, output);
    OutputOptions form;
    addFormFlags(app, form);

    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        try {
            emit(out, app.help());
            return 0;
        } catch (const UsageError& e) {
            return fail(e.what());
        }
    } catch (const CLI::ParseError& e) {
        return fail(e.what());
    }

    try {
        // Everything is read, converted and checked first; files are written last.
        DiskFileSystem files;
        MainWindowModel window(files);
        window.setBuildsOutput(false);
        if (settingsFiles.noStartupFile) {
            window.startUp(std::filesystem::current_path(), StartupSettings{});
        } else {
            window.startUp(std::filesystem::current_path());
        }
        if (settingsFiles.load) {
            // Unlike the window's silent load, a script must hear of a file it cannot read.
            if (const auto reason = unreadable(*settingsFiles.load)) {
                throw UsageError("--load: cannot read " + shown(*settingsFiles.load) + ": " +
                                 *reason);
            }
            const LoadReport report = window.loadGradationFile(*settingsFiles.load);
            if (!report.heldSettings) {
                err << kProgram << ": warning: --load: " << *settingsFiles.load
                    << " holds no settings\n";
            }
            for (const std::string& key : report.unrepresentableKeys) {
                err << kProgram << ": warning: --load: " << *settingsFiles.load << ": the value of "
                    << key << " is not in code page 932, so it keeps its default\n";
            }
        } else if (!overrides.setsText()) {
            overrides.setText(readText(in), "standard input");
        }
        // The Unicode forms keep UTF-8 texts whole, any character and every grapheme cluster.
        const bool utf8Texts = form.form != OutputForm::Font && output.encoding == kUtf8;
        GradationSettings settings = window.snapshot();
        if (settingsFiles.load) {
            checkLoadedTexts(settings, overrides, *settingsFiles.load);
        }
        if (utf8Texts) {
            for (const auto& [member, item] : kTexts) {
                settings.*member = cp932ToUtf8(settings.*member);
            }
            form.utf8Characters = graphemeEnd;
        }
        overrides.applyTo(settings, utf8Texts);
        // The settings files keep code page 932: what they cannot hold stops the run now.
        const GradationSettings saved =
            utf8Texts && (settingsFiles.save || settingsFiles.saveStartup)
                ? inCodePage932(settings, settingsFiles.save ? "--save" : "--save-startup")
                : settings;

        if (settingsFiles.save) {
            window.apply(saved);
            try {
                window.saveGradationFile(*settingsFiles.save);
            } catch (const FileWriteError& e) {
                throw writeFailure("--save", e);
            } catch (const LineBreakInValueError& e) {
                throw UsageError(
                    "--save: cannot write " + shown(*settingsFiles.save) + ": the value of " +
                    e.key() +
                    " holds a line break or a NUL byte, which a settings file cannot keep");
            }
        }
        if (settingsFiles.saveStartup) {
            try {
                writeStartupSettings(files, *settingsFiles.saveStartup,
                                     startupOf(saved, window.startupSettings()));
            } catch (const FileWriteError& e) {
                throw writeFailure("--save-startup", e);
            }
        }
        // The output streams to its destination as it is made, so it is never held whole.
        const bool toUtf8 = output.encoding == kUtf8 && !utf8Texts;
        const std::string destination = output.file.value_or("-");
        const bool toStandardOutput = destination == "-" && !output.file;
        std::unique_ptr<OutputTarget> target;
        try {
            if (output.file || !output.lengthOnly) {
                target = openOutput(destination, out);
            }
            OutputDestination sink(target.get(), toUtf8);
            writeOutput(settings, form, sink);
            if (target != nullptr) {
                // The terminal form ends its own line when the line break is on; the others get a
                // line end on standard output, so that the shell's prompt starts on a line of its
                // own.
                if (toStandardOutput && form.form != OutputForm::Ansi) {
                    target->write("\n");
                }
                target->finish();
            }
            if (output.lengthOnly) {
                emit(out, decimal(sink.length()) + '\n');
            }
        } catch (const FileWriteError& e) {
            if (toStandardOutput || e.file() == "-") {
                throw UsageError(std::string("cannot write to standard output") +
                                 (e.reason() ? ": " + e.reason().message() : ""));
            }
            throw writeFailure("--output", e);
        }
        return 0;
    } catch (const UsageError& e) {
        return fail(e.what());
    } catch (const OutputError& e) {
        return fail(std::string("--format: ") + e.what());
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}

}  // namespace huewright
