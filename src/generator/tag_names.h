#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace huewright {

/// The tag and attribute names the FONT form writes, in table order.
enum class Tag {
    Table,
    Border,
    Tr,
    Td,
    BackgroundColour,
    A,
    Href,
    Font,
    Face,
    Size,
    B,
    Strong,
    I,
    Em,
    U,
    Strike,
    Br,
    Colour,
};

/// One name in both cases: the upper-case option picks the column.
struct TagName {
    std::string_view upper;
    std::string_view lower;
};

/// The names by Tag; each lower-case name is its upper-case name with A-Z lowered.
inline constexpr std::array<TagName, 18> kTagNames = {{
    {"TABLE", "table"},
    {"BORDER", "border"},
    {"TR", "tr"},
    {"TD", "td"},
    {"BGCOLOR", "bgcolor"},
    {"A", "a"},
    {"HREF", "href"},
    {"FONT", "font"},
    {"FACE", "face"},
    {"SIZE", "size"},
    {"B", "b"},
    {"STRONG", "strong"},
    {"I", "i"},
    {"EM", "em"},
    {"U", "u"},
    {"STRIKE", "strike"},
    {"BR", "br"},
    {"COLOR", "color"},
}};

namespace detail {
constexpr bool lowerCaseColumnIsLowered() {
    for (const TagName& name : kTagNames) {
        if (name.lower.size() != name.upper.size()) {
            return false;
        }
        for (std::size_t i = 0; i < name.upper.size(); ++i) {
            if (name.upper[i] < 'A' || name.upper[i] > 'Z' ||
                name.lower[i] != name.upper[i] - 'A' + 'a') {
                return false;
            }
        }
    }
    return true;
}
}  // namespace detail
static_assert(detail::lowerCaseColumnIsLowered());

/// The name of `tag` in the case in force.
constexpr std::string_view tagName(Tag tag, bool upperCase) {
    const TagName& name = kTagNames[static_cast<std::size_t>(tag)];
    return upperCase ? name.upper : name.lower;
}

}  // namespace huewright
