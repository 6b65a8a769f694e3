#pragma once

#include <span>

#include "ui/control_layout.h"

namespace huewright {

/// The main window's client area, 413 × 213 at 96 dpi.
inline constexpr int kMainClientWidth = 413;
inline constexpr int kMainClientHeight = 213;

/// Every control of the main window's client area.
std::span<const ControlLayout> mainWindowLayout();

}  // namespace huewright
