#include "cli/argument_checks.h"

#include <sstream>

#include "generator/colour_list.h"
#include "text/cp932.h"
#include "text/decimal.h"
#include "text/utf8.h"

namespace huewright {
namespace {

// The name of the check that choiceList attaches, which holds the choices as its description.
constexpr const char* kChoiceList = "choices";

std::string inQuotes(const std::string& value) {
    return "\"" + value + "\"";
}

}  // namespace

CLI::Validator colourCode() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            if (parseColourCode(value)) {
                return {};
            }
            return "expected #RRGGBB or RRGGBB (six hexadecimal digits, red first), not " +
                   inQuotes(value);
        },
        "");
}

CLI::Validator wholeNumberIn(int lowest, int highest) {
    return CLI::Validator(
        [lowest, highest](std::string& value) -> std::string {
            int number = 0;
            const char* end = value.data() + value.size();
            const auto [stop, ec] = std::from_chars(value.data(), end, number);
            if (!value.empty() && ec == std::errc{} && stop == end && number >= lowest &&
                number <= highest) {
                return {};
            }
            return "expected a whole number from " + decimal(lowest) + " to " + decimal(highest) +
                   ", not " + inQuotes(value);
        },
        "");
}

CLI::Validator oneOf(std::vector<std::string> choices) {
    return CLI::Validator(
        [choices = std::move(choices)](std::string& value) -> std::string {
            std::string list;
            for (const std::string& choice : choices) {
                if (value == choice) {
                    return {};
                }
                list += (list.empty() ? "" : ", ") + choice;
            }
            return "expected one of " + list + ", not " + inQuotes(value);
        },
        "");
}

CLI::Validator choiceList(const std::vector<std::string>& choices) {
    std::string list;
    for (const std::string& choice : choices) {
        list += (list.empty() ? "" : " ") + choice;
    }
    // Inactive, it neither checks each value given nor shows in the help.
    return CLI::Validator(list).name(kChoiceList).active(false);
}

std::vector<std::string> listedChoices(CLI::Option& option) {
    const CLI::Validator* record = nullptr;
    try {
        record = option.get_validator(kChoiceList);
    } catch (const CLI::OptionNotFound&) {
        return {};
    }
    std::vector<std::string> choices;
    std::istringstream list(record->active(true).get_description());
    for (std::string choice; list >> choice;) {
        choices.push_back(choice);
    }
    return choices;
}

CLI::Validator utf8Text() {
    return CLI::Validator([](std::string& value) { return utf8Problem(value); }, "");
}

void requireValid(const CLI::Validator& check, const std::string& flag, std::string& value) {
    if (const std::string problem = check(value); !problem.empty()) {
        throw CLI::ValidationError(flag, problem);
    }
}

}  // namespace huewright
