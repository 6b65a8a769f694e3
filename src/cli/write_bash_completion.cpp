// Writes huewright-cli's bash completion to standard output. It reads the flags from the parser
// the program itself builds, so the completion offers exactly the flags and names it takes.
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace {

std::string joined(const std::vector<std::string>& words, const std::string& separator) {
    std::string line;
    for (const std::string& word : words) {
        line += (line.empty() ? "" : separator) + word;
    }
    return line;
}

// One branch of the script's `case "$prev"`: what to offer after one of `flags`.
std::string branch(const std::vector<std::string>& flags, const std::string& offer) {
    return "    " + joined(flags, " | ") + ")\n" + offer + "        return\n        ;;\n";
}

constexpr const char* kHead =
    R"(# bash completion for huewright-cli, generated from its flags when it was built.
_huewright_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} i
    COMPREPLY=()
    # With "=" among the word breaks, "--format=sp" arrives as "--format", "=" and "sp".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -- ]]; then
            return # only the text follows
        fi
    done
    case $prev in
)";

constexpr const char* kFiles = R"(        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
)";

}  // namespace

int main() {
    std::vector<std::string> names;
    std::vector<std::string> fileFlags;
    std::vector<std::string> freeFlags;
    std::string branches;
    for (const huewright::FlagSummary& flag : huewright::flagSummaries()) {
        names.insert(names.end(), flag.names.begin(), flag.names.end());
        if (!flag.choices.empty()) {
            branches += branch(flag.names, "        mapfile -t COMPREPLY < <(compgen -W '" +
                                               joined(flag.choices, " ") + "' -- \"$cur\")\n");
        } else if (flag.valueName == "FILE") {
            fileFlags.insert(fileFlags.end(), flag.names.begin(), flag.names.end());
        } else if (!flag.valueName.empty()) {
            freeFlags.insert(freeFlags.end(), flag.names.begin(), flag.names.end());
        }
    }
    // A colour code, a number, a face name or a link: nothing to offer.
    std::cout << kHead << branches << branch(fileFlags, kFiles) << branch(freeFlags, "")
              << "    esac\n"
                 "    if [[ $cur == -* ]]; then\n"
                 "        mapfile -t COMPREPLY < <(compgen -W '"
              << joined(names, " ")
              << "' -- \"$cur\")\n"
                 "    fi\n"
                 "}\n"
                 "complete -F _huewright_cli huewright-cli\n";
    return std::cout.good() ? 0 : 1;
}
