#pragma once

#include <QObject>

#include <vector>

#include "model/control_state.h"

namespace huewright {

/// Draws each of `changes` on the widget or action under `root` that stands for its control,
/// without firing any of their signals. An edit keeps its cursor when its text stays the same.
void drawControls(const QObject* root, const std::vector<ShownControl>& changes);

}  // namespace huewright
