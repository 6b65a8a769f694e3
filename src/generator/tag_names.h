#pragma once

#include <array>
#include <string>
#include <string_view>

namespace huewright {

/// Rows of the tag-name table, in table order.
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

/// The 42-slot table of tag and attribute names: slots 0-20 upper case, 21-41 the same names in
/// lower case; rows 18-20 of each half stay empty. Filled once on construction, never changed.
class TagNameTable {
  public:
    static constexpr int kSlots = 42;
    static constexpr int kHalf = 21;
    static constexpr int kUsedRows = 18;

    TagNameTable();

    /// The name of `row` in the case in force: upper-case half when `upperCase`, else lower.
    std::string_view tagName(Tag row, bool upperCase) const {
        return slots_[static_cast<std::size_t>(row) + (upperCase ? 0 : std::size_t{kHalf})];
    }

  private:
    std::array<std::string, kSlots> slots_;
};

}  // namespace huewright
