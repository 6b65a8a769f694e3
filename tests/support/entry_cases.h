#pragma once

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The rows of entry_cases.tsv, for every test that runs them: against the rules, through the
// window (the page's test reads the same file).

namespace huewright::test {

/// One row: a box, an action on a main-window control, and what the box holds after it.
struct EntryCase {
    std::string name;
    std::string control;  ///< the control's short name
    std::string action;   ///< type, paste, erase, enter, up or down
    std::string before;   ///< the box's text before its selection or cursor
    std::string selected;
    std::string after;
    std::string inserted;                     ///< what is typed or pasted
    std::string expected;                     ///< the box's text after
    std::optional<std::string> expectedHead;  ///< the text before the cursor after, when checked
    int beeps = 0;
};

namespace detail {

inline std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = i + 1 < text.size() && text[i] == '\\' ? text[++i] : '\0';
        if (c == '\0') {
            out += text[i];
        } else if (c == 'x') {
            unsigned byte = 0;
            std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16);
            out += static_cast<char>(byte);
            i += 2;
        } else {
            const std::size_t plain = std::string_view("nrt").find(c);
            out += plain == std::string_view::npos ? c : "\n\r\t"[plain];
        }
    }
    return out;
}

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        out.push_back(field);
    }
    return out;
}

}  // namespace detail

/// The rows of the table at `path`; throws when it cannot be read or a row is malformed.
inline std::vector<EntryCase> readEntryCases(const std::string& path = ENTRY_CASES) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<EntryCase> cases;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> f = detail::fields(line);
        if (f.size() != 7) {
            throw std::runtime_error("malformed row: " + line);
        }
        EntryCase row{f[0], f[1], f[2],           {}, {}, {}, detail::unescaped(f[4]),
                      {},   {},   std::stoi(f[6])};
        const std::string box = detail::unescaped(f[3]);
        const std::size_t open = box.find('[');
        const std::size_t cursor = open != std::string::npos ? open : box.find('|');
        const std::size_t close = open != std::string::npos ? box.find(']') : cursor;
        if (cursor == std::string::npos) {
            row.before = box;  // a spin edit's text, which is only stepped
        } else {
            row.before = box.substr(0, cursor);
            row.selected = open != std::string::npos ? box.substr(open + 1, close - open - 1) : "";
            row.after = box.substr(close + 1);
        }
        const std::string expected = detail::unescaped(f[5]);
        const std::size_t bar = expected.find('|');
        row.expected = expected;
        if (bar != std::string::npos) {
            row.expectedHead = expected.substr(0, bar);
            row.expected.erase(bar, 1);
        }
        cases.push_back(std::move(row));
    }
    return cases;
}

}  // namespace huewright::test
