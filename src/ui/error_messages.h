#pragma once

#include <QString>

#include <exception>

#include "generator/output.h"

namespace huewright {

/// What the application's error box says for `error`, without the closing full stop: the
/// product's Japanese sentence for the errors the core raises, else the error's own text. An
/// output form's refusal names `form`, the form the window writes.
QString windowMessage(const std::exception& error, OutputForm form = OutputForm::Font);

}  // namespace huewright
