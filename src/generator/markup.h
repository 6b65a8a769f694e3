#pragma once

#include <string>
#include <string_view>

#include "generator/colour.h"
#include "generator/gradation_settings.h"
#include "generator/tag_names.h"

namespace huewright {

/// Told of each character just before its font tag is appended (the preview draws here).
class CharacterObserver {
  public:
    virtual ~CharacterObserver() = default;
    /// `character` is one or two bytes; `size` is the HTML size 1..7, meaningful only while the
    /// size pattern is on.
    virtual void onCharacter(std::string_view character, ColourValue colour, int size) = 0;
};

/// The HTML fragment for `settings`, in code page 932 bytes. Its byte length is the length shown
/// to the user. `observer`, when given, is told of every character in order.
std::string buildMarkup(const GradationSettings& settings, const TagNameTable& names,
                        CharacterObserver* observer = nullptr);

}  // namespace huewright
