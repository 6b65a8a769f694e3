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
    "entities and tags typed there reach the page as markup. The span, minimessage and json\n"
    "forms escape them; every other form refuses control characters in the text and the link,\n"
    "and takes links that are relative or use http, https, mailto or ftp. The ampersand form\n"
    "has no link and no escape: with --merge-runs it refuses an \"&\" or \"§\" before a letter\n"
    "that chat reads as a code.\n"
    "A gradation settings file (.DAT) carries the text, the colours and every switch, size and\n"
    "pattern of the window, but not the case of tags, STRONG or EM: those live in lumo.ini\n"
    "(--save-startup). Every destination is prepared before any is written; replacing a file\n"
    "splits a hard link to it.\n"
    "Exit status: 0 on success, 2 on any failure, after one message on standard error.";

void addSettingsFileFlags(CLI::App& app, Plan& plan) {
    CLI::Option* load =
        app.add_option("--load", plan.load,
                       "load the gradation settings FILE as the window would, then apply the other "
                       "flags; the text comes from the file unless one is given")
            ->type_name("FILE")
            ->group("Settings files");
    app.add_option("--read-markup", plan.readMarkup,
                   "read the fragment FILE, in any form as this program writes it in --encoding, "
                   "back into the settings and form that make it, then apply the other flags")
        ->type_name("FILE")
        ->group("Settings files")
        ->excludes(load);
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
}

void addOutputFlags(CLI::App& app, Plan& plan) {
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

// The known flag that `name`, which no flag has, most likely meant, or none: the flag in other
// letter case, the other name of a switch given as "--no-" and its name, the one flag the name
// begins, else the nearest by at most two edits.
std::string meantFlag(const CLI::App& app, const std::string& name) {
    const auto lower = [](std::string text) {
        for (char& c : text) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return text;
    };
    std::vector<std::string> beginning;
    std::string nearest;
    std::size_t nearestDistance = 3;  // more edits than this suggest nothing
    for (const CLI::Option* option : app.get_options()) {
        std::vector<std::string> names;
        for (const std::string& known : option->get_lnames()) {
            names.push_back("--" + known);
        }
        for (const std::string& known : names) {
            if (lower(known) == lower(name)) {
                return known;
            }
            if (names.size() == 2 && name == "--no-" + known.substr(2)) {
                return names[0] == known ? names[1] : names[0];
            }
            if (name.size() > 2 && known.starts_with(name)) {
                beginning.push_back(known);
            }
            if (const std::size_t distance = editDistance(name, known);
                distance < nearestDistance) {
                nearestDistance = distance;
                nearest = known;
            }
        }
    }
    return beginning.size() == 1 ? beginning.front() : nearest;
}

// The message for a flag nobody knows, with the known flag it most likely meant.
std::string unknownFlag(const CLI::App& app, const std::string& given) {
    const std::string name = given.substr(0, given.find('='));
    const std::string message = "unknown flag " + name;
    if (const std::string meant = meantFlag(app, name); !meant.empty()) {
        return message + "; did you mean " + meant + "?";
    }
    if (name.size() > 1 && name[1] != '-') {
        return message + "; put -- before a text that begins with -";
    }
    return message + " (see --help)";
}

// The arguments as CLI11 is to read them. "--flag=" with an empty value becomes the flag and an
// empty argument: CLI11 would pass the empty value over and take the next argument instead. A
// flag that takes no value refuses one however it is spelt (CLI11 would take some for a count),
// a file flag refuses an empty name, and "---flag" is an unknown flag, not a text.
std::vector<std::string> prepared(const CLI::App& app, const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (auto arg = args.begin(); arg != args.end(); ++arg) {
        if (*arg == "--") {
            out.insert(out.end(), arg, args.end());
            break;
        }
        if (arg->starts_with("---")) {
            throw UsageError(unknownFlag(app, *arg));
        }
        const std::size_t equals = arg->find('=');
        const std::string name = arg->substr(0, equals);
        const CLI::Option* option = arg->starts_with("--") && equals != std::string::npos
                                        ? app.get_option_no_throw(name)
                                        : nullptr;
        if (option == nullptr) {
            out.push_back(*arg);
            continue;
        }
        const std::string value = arg->substr(equals + 1);
        if (option->get_expected_max() == 0) {
            throw UsageError(name + ": takes no value, not " + quoted(value));
        }
        if (!value.empty()) {
            out.push_back(*arg);
        } else if (option->get_type_name() == "FILE") {
            throw UsageError(name + ": expected a file name, not an empty one");
        } else {
            out.push_back(name);
            out.emplace_back();
        }
    }
    return out;
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
// `plan` and `version`, which must outlive the parse.
void defineFlags(CLI::App& app, Plan& plan, bool& version) {
    app.footer(kFooter);
    auto formatter = std::make_shared<HelpFormatter>();
    formatter->column_width(38);
    app.formatter(formatter);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.allow_extras();
    app.add_flag("--version", version, "print the version and stop");
    addSettingsFlags(app, plan.fields);
    addSettingsFileFlags(app, plan);
    addOutputFlags(app, plan);
    addFormFlags(app, plan.form);
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    CLI::App app{kDescription, kProgram};
    bool version = false;
    defineFlags(app, parsed.plan, version);
    const std::vector<std::string> arguments = prepared(app, args);
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
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
