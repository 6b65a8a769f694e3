#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// What the arrow keys do in a group of radio buttons, in both views.

namespace huewright {

/// The arrow keys.
enum class ArrowKey { Up, Down, Left, Right };

/// The button an arrow key moves the check and the focus to, from button `from` of a group whose
/// buttons' enabled states are `enabled`: the next enabled one for Down and Right, the previous
/// for Up and Left, wrapping round; none when no other button is enabled.
std::optional<std::size_t> radioArrowTarget(const std::vector<bool>& enabled, std::size_t from,
                                            ArrowKey key);

}  // namespace huewright
