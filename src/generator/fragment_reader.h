#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "generator/characters.h"
#include "generator/gradation_settings.h"
#include "generator/output.h"

namespace huewright {

/// A fragment that no form of this program writes; the message names the form that read
/// furthest into it and where it stopped being one.
class FragmentError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// What reading a fragment back gave: settings and options (the form among them) that make it,
/// and the details that no settings could make, which the settings then only approach.
struct FragmentRead {
    GradationSettings settings;
    OutputOptions options;
    std::vector<std::string> unrecovered;
};

/// Reads `fragment`, as any form of this program writes it (the FONT form in either case of
/// tags), with or without merged runs, back into settings and options whose output is the
/// fragment byte for byte. `utf8Characters` null: the fragment is code page 932; otherwise it is
/// UTF-8 and the function finds where each character ends, as it did when the fragment was
/// made; a FONT fragment, the window's, is read in code page 932 characters even so, and its
/// settings' texts and options are code page 932 (utf8Characters null). Where no settings make the
/// characters' colours (a fragment edited by hand), the colours are taken as stops, or "colours" is
/// named unrecovered. Throws FragmentError for a fragment no form writes.
FragmentRead readFragment(std::string_view fragment, CharacterEnd utf8Characters = nullptr);

/// Reads the fragment a file holds, as readFragment does. A last line end may be the form's line
/// break, so the bytes are read as they are; where no form takes them, without it, as the one
/// standard output or an editor adds.
FragmentRead readFragmentFile(std::string_view bytes, CharacterEnd utf8Characters = nullptr);

}  // namespace huewright
