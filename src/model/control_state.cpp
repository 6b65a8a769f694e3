#include "model/control_state.h"

#include <algorithm>

namespace huewright {

std::string_view nameOf(const Control& control) {
    return std::visit([](auto value) { return nameOf(value); }, control);
}

std::vector<ShownControl> DrawnState::changes(std::vector<ShownControl> now) {
    std::vector<ShownControl> changed;
    drawn_.resize(now.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
        Drawn& drawn = drawn_[i];
        if (drawn.control != now[i].control || drawn.state != now[i].state) {
            drawn = {now[i].control, now[i].state};
            changed.push_back(std::move(now[i]));
        }
    }
    return changed;
}

void DrawnState::forget(const Control& control) {
    const auto drawn = std::find_if(drawn_.begin(), drawn_.end(),
                                    [&](const Drawn& d) { return d.control == control; });
    if (drawn != drawn_.end()) {
        drawn->state.reset();
    }
}

}  // namespace huewright
