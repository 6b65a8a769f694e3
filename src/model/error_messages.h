#pragma once

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "generator/output.h"
#include "model/language.h"

namespace huewright {

/// A file the user gave as settings holds none of the keys its kind of settings file has.
class NoSettingsError : public std::runtime_error {
  public:
    explicit NoSettingsError(std::filesystem::path file)
        : std::runtime_error(file.string() + " holds no settings"), file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

  private:
    std::filesystem::path file_;
};

/// A fragment the user opened was taken, but no settings make it exactly (it was edited by hand):
/// the window holds the settings nearest to it.
class FragmentApproachedError : public std::runtime_error {
  public:
    explicit FragmentApproachedError(std::filesystem::path file)
        : std::runtime_error(file.string() + " holds a fragment no settings make exactly"),
          file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

  private:
    std::filesystem::path file_;
};

/// A text given to a box is longer than the view can work with.
class TextTooLongError : public std::runtime_error {
  public:
    TextTooLongError(OutputError::Field field, std::size_t limit)
        : std::runtime_error("a text holds at most " + std::to_string(limit) + " characters"),
          field_(field),
          limit_(limit) {}
    OutputError::Field field() const { return field_; }
    std::size_t limit() const { return limit_; }

  private:
    OutputError::Field field_;
    std::size_t limit_;
};

/// What the window's error box says for `error` (UTF-8), without the closing full stop: the
/// product's sentence in `language` for the errors the core raises, else the error's own text.
/// An output form's refusal names `form`, the form the window writes. Every view of the window
/// words its errors here.
std::string errorMessage(const std::exception& error, OutputForm form = OutputForm::Font,
                         Language language = Language::Japanese);

}  // namespace huewright
