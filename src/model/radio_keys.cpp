#include "model/radio_keys.h"

namespace huewright {

std::optional<std::size_t> radioArrowTarget(const std::vector<bool>& enabled, std::size_t from,
                                            ArrowKey key) {
    const std::size_t count = enabled.size();
    const bool forward = key == ArrowKey::Down || key == ArrowKey::Right;
    std::size_t index = from;
    for (std::size_t tried = 1; tried < count; ++tried) {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
        if (enabled[index]) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace huewright
