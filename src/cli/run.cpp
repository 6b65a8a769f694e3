#include "cli/run.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <istream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/argument_checks.h"
#include "cli/help_formatter.h"
#include "cli/settings_flags.h"
#include "generator/markup.h"
#include "generator/tag_names.h"
#include "model/main_window_model.h"
#include "persistence/atomic_file.h"
#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "text/cp932.h"

namespace huewright {
namespace {

constexpr const char* kProgram = "huewright-cli";
constexpr const char* kUtf8 = "utf-8";
constexpr const char* kCp932 = "cp932";
constexpr int kBadInput = 2;
constexpr int kFailure = 1;

constexpr const char* kDescription =
    "Writes the HTML markup that shows TEXT as a colour gradient, each character in a font tag "
    "of its own colour.";
constexpr const char* kFooter =
    "Colour codes are #RRGGBB or RRGGBB, red first, in either letter case. A flag given twice\n"
    "takes its last value. Texts are UTF-8 and are written as code page 932; a character that\n"
    "code page 932 cannot hold is refused.\n"
    "Exit status: 0 on success, 2 on bad input or output that cannot be written.";

struct SettingsFiles {
    std::optional<std::string> load;
    std::optional<std::string> save;
};

void addSettingsFileFlags(CLI::App& app, SettingsFiles& files) {
    app.add_option("--load", files.load,
                   "start as the window does (with lumo.ini from the working directory), load the "
                   "gradation settings FILE as the window would, then apply the other flags; the "
                   "text comes from the file unless one is given")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_option("--save", files.save,
                   "also save the settings the flags describe as a gradation settings FILE the "
                   "window loads back to the same state")
        ->type_name("FILE")
        ->group("Settings files");
}

struct OutputOptions {
    std::string encoding = kUtf8;
    std::optional<std::string> file;
    bool lengthOnly = false;
};

void addOutputFlags(CLI::App& app, OutputOptions& output) {
    app.add_option("--encoding", output.encoding,
                   "utf-8 (for the terminal) or cp932 (the bytes as they are), on standard output "
                   "and in --output (default: utf-8)")
        ->type_name("ENCODING")
        ->check(oneOf({kUtf8, kCp932}))
        ->group("Output");
    app.add_option("-o,--output", output.file,
                   "write the markup to FILE instead, replacing it in one step, with no line end "
                   "added")
        ->type_name("FILE")
        ->group("Output");
    app.add_flag("--length", output.lengthOnly,
                 "print only the markup's length in code page 932 bytes, such as 140 (--output "
                 "still gets the markup)")
        ->group("Output");
}

int fail(std::ostream& err, const std::string& message, int status = kBadInput) {
    err << kProgram << ": " << message << '\n';
    return status;
}

std::string decimal(std::size_t value) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

// The text from standard input, less one trailing line end, in code page 932.
std::string readText(std::istream& in) {
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text.ends_with("\r\n")) {
        text.resize(text.size() - 2);
    } else if (text.ends_with('\n')) {
        text.pop_back();
    }
    try {
        return utf8ToCp932(text);
    } catch (const ConversionError& e) {
        throw UsageError(std::string("standard input: ") + e.what());
    }
}

}  // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
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
    OutputOptions output;
    addOutputFlags(app, output);

    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help() << std::flush;
        return 0;
    } catch (const CLI::ParseError& e) {
        return fail(err, e.what());
    }

    try {
        DiskFileSystem files;
        MainWindowModel window(files);
        if (settingsFiles.load) {
            // Unlike the window's silent load, a script must hear of a file it cannot read.
            if (!files.readFile(*settingsFiles.load)) {
                throw UsageError("--load: cannot read " + *settingsFiles.load);
            }
            window.startUp(std::filesystem::current_path());
            window.loadGradationFile(std::filesystem::path(*settingsFiles.load));
        } else {
            window.startUp(std::filesystem::current_path(), StartupSettings{});
            if (!overrides.setsText()) {
                overrides.setText(readText(in));
            }
        }
        GradationSettings settings = window.snapshot();
        overrides.applyTo(settings);
        if (settingsFiles.save) {
            window.apply(settings);
            try {
                window.saveGradationFile(*settingsFiles.save);
            } catch (const FileWriteError& e) {
                throw UsageError("--save: cannot write " + e.file().string());
            } catch (const LineBreakInValueError& e) {
                throw UsageError(
                    "--save: cannot write " + *settingsFiles.save + ": the value of " + e.key() +
                    " holds a line break or a NUL byte, which a settings file cannot keep");
            }
        }
        const std::string markup = buildMarkup(settings, TagNameTable{});
        const std::string bytes = output.encoding == kCp932 ? markup : cp932ToUtf8(markup);
        if (output.file) {
            writeFileAtomically(*output.file, bytes);
        }
        if (output.lengthOnly) {
            out << decimal(markup.size()) << '\n';
        } else if (!output.file) {
            out << bytes << '\n';
        }
        out.flush();
        if (!out) {
            return fail(err, "cannot write to standard output");
        }
        return 0;
    } catch (const UsageError& e) {
        return fail(err, e.what());
    } catch (const ConversionError& e) {
        return fail(err, e.what());
    } catch (const FileWriteError& e) {
        return fail(err, "--output: cannot write " + e.file().string());
    } catch (const std::exception& e) {
        return fail(err, e.what(), kFailure);
    }
}

}  // namespace huewright
