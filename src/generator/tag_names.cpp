#include "generator/tag_names.h"

namespace huewright {

namespace {

constexpr std::array<std::string_view, TagNameTable::kUsedRows> kUpperCaseNames = {
    "TABLE", "BORDER", "TR",     "TD", "BGCOLOR", "A", "HREF",   "FONT", "FACE",
    "SIZE",  "B",      "STRONG", "I",  "EM",      "U", "STRIKE", "BR",   "COLOR",
};

}  // namespace

TagNameTable::TagNameTable() {
    for (std::size_t row = 0; row < kUpperCaseNames.size(); ++row) {
        slots_[row] = kUpperCaseNames[row];
    }
    // The names hold only the letters A-Z, so lowering each letter is the whole conversion.
    for (std::size_t row = 0; row < kUpperCaseNames.size(); ++row) {
        std::string lower = slots_[row];
        for (char& c : lower) {
            c = static_cast<char>(c - 'A' + 'a');
        }
        slots_[row + kHalf] = std::move(lower);
    }
}

}  // namespace huewright
