#pragma once

namespace huewright {

/// Makes the program's own widgets speak to screen readers: a spin edit is a spin button with
/// its value and range, its editor the same spin button and its step buttons part of it; a
/// colour panel a graphic whose value is its colour code; the preview a graphic described by the
/// text it shows; a gradient label a label named by its caption; the length label a label whose
/// value is the length. Call once the application exists; calling again does nothing.
void installAccessibility();

}  // namespace huewright
