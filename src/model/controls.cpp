#include "model/controls.h"

#include <array>

namespace huewright {

namespace {

template <typename Enum, std::size_t N>
std::string_view lookUp(const std::array<std::string_view, N>& names, Enum value) {
    return names[static_cast<std::size_t>(value)];
}

}  // namespace

std::string_view nameOf(CheckBox box) {
    static constexpr std::array<std::string_view, 12> kNames = {"CB", "BB", "EB", "UB", "SB", "KB",
                                                                "WB", "HB", "LB", "TB", "FS", "SS"};
    return lookUp(kNames, box);
}

std::string_view nameOf(RadioButton button) {
    static constexpr std::array<std::string_view, 5> kNames = {"Gtype1b", "Gtype2b", "Ftype1B",
                                                               "Ftype2B", "Ftype3B"};
    return lookUp(kNames, button);
}

std::string_view nameOf(SpinField spin) {
    static constexpr std::array<std::string_view, 4> kNames = {"Fsize", "WS", "FDsize", "FSsize"};
    return lookUp(kNames, spin);
}

std::string_view nameOf(LineEdit edit) {
    static constexpr std::array<std::string_view, 2> kNames = {"Edit1", "link_e"};
    return lookUp(kNames, edit);
}

std::string_view nameOf(Switchable control) {
    static constexpr std::array<std::string_view, 11> kNames = {
        "tcb",     "WS",     "HB",     "link_e", "Ftype1B", "Ftype2B",
        "Ftype3B", "FDsize", "FSsize", "Fsize",  "SS"};
    return lookUp(kNames, control);
}

}  // namespace huewright
