#pragma once

#include <exception>
#include <string>

#include "generator/output.h"

namespace huewright {

/// What the window's error box says for `error` (UTF-8), without the closing full stop: the
/// product's Japanese sentence for the errors the core raises, else the error's own text. An
/// output form's refusal names `form`, the form the window writes. Every view of the window
/// words its errors here.
std::string errorMessage(const std::exception& error, OutputForm form = OutputForm::Font);

}  // namespace huewright
