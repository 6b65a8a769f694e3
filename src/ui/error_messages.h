#pragma once

#include <QString>

#include <exception>

namespace huewright {

/// What the application's error box says for `error`, without the closing full stop: the
/// product's Japanese sentence for the errors the core raises, else the error's own text.
QString windowMessage(const std::exception& error);

}  // namespace huewright
