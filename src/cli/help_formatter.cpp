#include "cli/help_formatter.h"

namespace huewright {

std::string HelpFormatter::make_option_name(const CLI::Option* option, bool isPositional) const {
    if (isPositional) {
        return CLI::Formatter::make_option_name(option, isPositional);
    }
    std::string names;
    for (const std::string& name : option->get_snames()) {
        names += (names.empty() ? "-" : ", -") + name;
    }
    for (const std::string& name : option->get_lnames()) {
        names += (names.empty() ? "--" : ", --") + name;
    }
    return names;
}

}  // namespace huewright
