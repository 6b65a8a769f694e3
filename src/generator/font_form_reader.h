#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/gradation_settings.h"
#include "generator/output.h"

namespace huewright {

/// A fragment that is not one the FONT form writes; the message says where it stops being one.
class FragmentError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// What reading a FONT fragment back gave: settings and options that make it, and the details
/// that no settings could make, which the settings then only approach.
struct FragmentRead {
    GradationSettings settings;
    OutputOptions options;
    std::vector<std::string> unrecovered;
};

/// Reads `fragment`, code page 932 bytes as the FONT form writes them in either case of tags,
/// with or without merged runs, back into settings whose FONT form is the fragment byte for
/// byte. Where no settings make the characters' colours (a fragment edited by hand), the
/// colours are taken as stops and "colours" is named unrecovered. Throws FragmentError for a
/// fragment the FONT form does not write.
FragmentRead readFontFragment(std::string_view fragment);

}  // namespace huewright
