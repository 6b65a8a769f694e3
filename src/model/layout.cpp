// What every view of the layout tables reads the same way: which controls take the focus, and
// in which order.
#include "model/layout.h"

#include <algorithm>

namespace huewright {

namespace {

void appendTabOrder(std::span<const ControlLayout> layout, std::string_view parent,
                    std::vector<std::string_view>& order) {
    std::vector<const ControlLayout*> children;
    for (const ControlLayout& control : layout) {
        if (control.parent == parent && control.tab >= 0) {
            children.push_back(&control);
        }
    }
    std::sort(children.begin(), children.end(),
              [](const ControlLayout* a, const ControlLayout* b) { return a->tab < b->tab; });
    for (const ControlLayout* control : children) {
        if (holdsOthers(control->kind)) {
            appendTabOrder(layout, control->name, order);
        } else if (takesFocus(control->kind)) {
            order.push_back(control->name);
        }
    }
}

}  // namespace

bool takesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::SunkenPanel:
        case ControlKind::Image:
        case ControlKind::Bevel:
        case ControlKind::LengthLabel:
        case ControlKind::GradientLabel:
            return false;
        default:
            return true;
    }
}

bool holdsOthers(ControlKind kind) {
    return kind == ControlKind::Container || kind == ControlKind::GroupBox;
}

std::vector<std::string_view> focusOrder(std::span<const ControlLayout> layout) {
    std::vector<std::string_view> order;
    appendTabOrder(layout, kClient, order);
    return order;
}

}  // namespace huewright
