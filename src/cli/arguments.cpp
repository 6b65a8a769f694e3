#include "cli/arguments.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/argument_checks.h"
#include "cli/form_flags.h"
#include "cli/help_formatter.h"
#include "cli/settings_flags.h"
#include "text/decimal.h"
#include "version.h"

namespace huewright {
namespace {

constexpr const char* kProgram = "huewright-cli";

constexpr const char* kDescription =
    "Writes the HTML markup that shows TEXT as a colour gradient, each character in a font tag "
    "of its own colour.";
constexpr const char* kFooter =
    "It starts as the window does, with lumo.ini from the working directory (colours, the size,\n"
    "font and line-break switches, the case of tags, STRONG and EM); the flags override it.\n"
    "Colour codes are #RRGGBB or RRGGBB, red first, in either letter case. A flag given twice\n"
    "takes its last value. Texts are UTF-8 and are written as code page 932; a character that\n"
    "code page 932 cannot hold is refused.\n"
    "The font form inserts the text, the face name and the link as typed, as the window does, so\n"
    "entities and tags typed there reach the page as markup. The span form escapes them; span,\n"
    "bbcode and ansi refuse control characters in the text and the link, and span and bbcode\n"
    "take links that are relative or use http, https, mailto or ftp.\n"
    "A gradation settings file (.DAT) carries the text, the colours and every switch, size and\n"
    "pattern of the window, but not the case of tags, STRONG or EM: those live in lumo.ini\n"
    "(--save-startup). Every destination is prepared before any is written; replacing a file\n"
    "splits a hard link to it.\n"
    "Exit status: 0 on success, 2 on any failure, after one message on standard error.";

void addSettingsFileFlags(CLI::App& app, Plan& plan, std::vector<std::string>& noValue) {
    app.add_option("--load", plan.load,
                   "load the gradation settings FILE as the window would, then apply the other "
                   "flags; the text comes from the file unless one is given")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_option("--save", plan.save,
                   "also save the settings the flags describe as a gradation settings FILE, which "
                   "the window loads back to the same state")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_option("--save-startup", plan.saveStartup,
                   "also write the eleven start-up keys of the flags' state into the start-up FILE "
                   "(such as lumo.ini), keeping its other keys")
        ->type_name("FILE")
        ->group("Settings files");
    app.add_flag_callback(
           "--no-startup-file", [&plan] { plan.useStartupFile = false; },
           "start from the built-in defaults, not from lumo.ini in the working directory")
        ->group("Settings files");
    noValue.emplace_back("--no-startup-file");
}

void addOutputFlags(CLI::App& app, Plan& plan, std::vector<std::string>& noValue) {
    const std::vector<std::string> encodings = {"utf-8", "cp932"};
    app.add_option_function<std::string>(
           "--encoding",
           [&plan, check = oneOf(encodings)](std::string encoding) {
               requireValid(check, "--encoding", encoding);
               plan.encoding = encoding == "cp932" ? Encoding::Cp932 : Encoding::Utf8;
           },
           "utf-8 (for the terminal) or cp932 (the bytes as they are), on standard output "
           "and in --output (default: utf-8)")
        ->type_name("ENCODING")
        ->check(choiceList(encodings))
        ->group("Output");
    app.add_option("-o,--output", plan.output,
                   "write the markup to FILE instead, with no line end added: \"-\" is standard "
                   "output, a terminal, pipe or /dev/fd/N is written into, a file is replaced in "
                   "one step")
        ->type_name("FILE")
        ->group("Output");
    app.add_flag("--length", plan.lengthOnly,
                 "print only the output's length in bytes as it is written, in its encoding, such "
                 "as 140 (--output still gets the output)")
        ->group("Output");
    noValue.emplace_back("--length");
}

// The distance in edits between two names, to suggest the flag a mistyped one meant.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

std::string quoted(const std::string& value) {
    return "\"" + value + "\"";
}

// The message for a flag nobody knows, with the known flag it most likely meant.
std::string unknownFlag(const CLI::App& app, const std::string& given) {
    const std::string name = given.substr(0, given.find('='));
    std::string best;
    std::size_t bestDistance = 3;  // more edits than this suggest nothing
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& known : option->get_lnames()) {
            const std::size_t distance = editDistance(name, "--" + known);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = "--" + known;
            }
        }
    }
    std::string message = "unknown flag " + name;
    if (!best.empty()) {
        return message + "; did you mean " + best + "?";
    }
    if (name.size() > 1 && name[1] != '-') {
        return message + "; put -- before a text that begins with -";
    }
    return message + " (see --help)";
}

// A flag that takes no value, given one as "--flag=value": CLI11 would take some values for a
// count and stop on others.
void refuseValuesOfSwitches(const std::vector<std::string>& args,
                            const std::vector<std::string>& noValue) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            return;
        }
        const std::size_t equals = arg.find('=');
        if (arg.starts_with("--") && equals != std::string::npos &&
            std::find(noValue.begin(), noValue.end(), arg.substr(0, equals)) != noValue.end()) {
            throw UsageError(arg.substr(0, equals) + ": takes no value, not " +
                             quoted(arg.substr(equals + 1)));
        }
    }
}

// What CLI11 left over: an unknown flag, or texts beyond the one a run takes.
void refuseLeftovers(const CLI::App& app, const std::vector<std::string>& remaining,
                     const Plan& plan) {
    std::vector<std::string> texts;
    bool afterSeparator = false;
    for (const std::string& arg : remaining) {
        if (arg == "--" && !afterSeparator) {
            afterSeparator = true;
        } else if (!afterSeparator && arg.size() > 1 && arg.starts_with('-')) {
            throw UsageError(unknownFlag(app, arg));
        } else {
            texts.push_back(arg);
        }
    }
    if (texts.empty()) {
        return;
    }
    if (const std::optional<FieldValue>& given = plan.fields[kTextField]) {
        texts.insert(texts.begin(), std::get<std::string>(*given));
    }
    std::string list;
    for (const std::string& text : texts) {
        list += (list.empty() ? "" : ", ") + quoted(text);
    }
    throw UsageError("one text is taken, but " + decimal(texts.size()) + " were given: " + list +
                     " (quote a text that holds blanks)");
}

// Registers every flag and the text on `app`, with the help's layout; parsing `app` then fills
// `plan` and `version`, which must outlive the parse. Returns the flags that take no value.
std::vector<std::string> defineFlags(CLI::App& app, Plan& plan, bool& version) {
    app.footer(kFooter);
    auto formatter = std::make_shared<HelpFormatter>();
    formatter->column_width(38);
    app.formatter(formatter);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.allow_extras();
    app.add_flag("--version", version, "print the version and stop");
    std::vector<std::string> noValue = {"--help", "--version", "--merge-runs", "--exact-ends"};
    addSettingsFlags(app, plan.fields, noValue);
    addSettingsFileFlags(app, plan, noValue);
    addOutputFlags(app, plan, noValue);
    addFormFlags(app, plan.form);
    return noValue;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    CLI::App app{kDescription, kProgram};
    bool version = false;
    refuseValuesOfSwitches(args, defineFlags(app, parsed.plan, version));
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        parsed.request = ParsedArguments::Request::Help;
        parsed.text = app.help();
        return parsed;
    } catch (const CLI::ParseError& e) {
        throw UsageError(e.what());
    }
    if (version) {
        parsed.request = ParsedArguments::Request::Version;
        parsed.text = std::string(kProgram) + " (HuewrightHTML) " + std::string(kVersion) + "\n";
        return parsed;
    }
    refuseLeftovers(app, app.remaining(), parsed.plan);
    return parsed;
}

std::vector<FlagSummary> flagSummaries() {
    CLI::App app{kDescription, kProgram};
    Plan plan;
    bool version = false;
    defineFlags(app, plan, version);
    std::vector<FlagSummary> flags;
    for (CLI::Option* option : app.get_options()) {
        if (option->get_positional()) {
            continue;
        }
        FlagSummary& flag = flags.emplace_back();
        for (const std::string& name : option->get_snames()) {
            flag.names.push_back("-" + name);
        }
        for (const std::string& name : option->get_lnames()) {
            flag.names.push_back("--" + name);
        }
        if (option->get_type_size_max() > 0) {
            flag.valueName = option->get_type_name();
        }
        flag.choices = listedChoices(*option);
    }
    return flags;
}

}  // namespace huewright
