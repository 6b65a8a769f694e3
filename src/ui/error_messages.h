#pragma once

#include <QString>

#include <exception>

namespace huewright {

class MainWindowModel;

/// What the application's error box says for `error`, with its closing full stop: the
/// product's sentence in the language `model` speaks for the errors the core raises, else the
/// error's own text. An output form's refusal names the form `model` writes.
QString windowMessage(const std::exception& error, const MainWindowModel& model);

}  // namespace huewright
