#pragma once

#include <array>
#include <optional>

#include "persistence/startup_settings.h"

namespace huewright {

/// The two tag-form choices of the settings dialog.
enum class TagForm { Bold, Italic };

/// The settings dialog's working values: the start-up settings as the user edits them, and the
/// item selected in each tag-form group (0 for B or I, 1 for STRONG or EM). The values outlive
/// a closing of the dialog, but every opening fills them afresh.
class StartupDraft {
  public:
    /// Fills the draft from `startup` as the dialog opens. A tag form above 1 selects the last
    /// item; a negative one selects none and leaves the draft's tag form as it was.
    void open(const StartupSettings& startup);

    /// The values as edited; colours and switches are edited here directly.
    StartupSettings& values() { return values_; }
    const StartupSettings& values() const { return values_; }

    /// The item selected in a tag-form group; none after opening on a negative value.
    std::optional<int> selectedItem(TagForm form) const { return selected_[index(form)]; }
    /// Selects item 0 or 1 of a group; the tag form follows it.
    void select(TagForm form, int item);

  private:
    static std::size_t index(TagForm form) { return static_cast<std::size_t>(form); }
    static std::int32_t StartupSettings::*field(TagForm form);

    StartupSettings values_;
    std::array<std::optional<int>, 2> selected_{0, 0};
};

}  // namespace huewright
