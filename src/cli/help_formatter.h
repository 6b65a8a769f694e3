#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace huewright {

/// CLI11's help layout, with a switch's two forms listed as "--bold, --no-bold" rather than with
/// the negated form's value in braces.
class HelpFormatter : public CLI::Formatter {
  public:
    std::string make_option_name(const CLI::Option* option, bool isPositional) const override;
};

}  // namespace huewright
