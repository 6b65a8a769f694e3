#pragma once

#include <string>
#include <vector>

#include "model/colour_options.h"
#include "model/control_state.h"

namespace huewright {

/// The extended colour dialog's working values: the stops as the user types them, the blend and
/// the two switches. Every opening fills them afresh from the window's options.
class ExtendedDraft {
  public:
    /// Fills the draft from `options`; `windowStops` are the window's own colours, which an empty
    /// list stands for and the strip then shows.
    void open(const ColourOptions& options, std::vector<ColourValue> windowStops);

    /// The list of stops as typed (UTF-8): colour codes separated by commas, or nothing.
    const std::string& stopsText() const { return text_; }
    void setStopsText(std::string text) { text_ = std::move(text); }
    /// The stops the list stands for; none while it cannot be read.
    std::optional<std::vector<ColourValue>> stops() const;

    /// A click on a button, a blend or a switch of the dialog: a preset fills the list, the
    /// list's buttons remove the last stop or reverse them, Reset puts every option back to its
    /// default. Other controls take no click here.
    void click(ExtendedControl control);
    /// Adds `colour` as the last stop, while there is room.
    void addStop(ColourValue colour);

    Blend blend() const { return options_.blend; }
    bool exactEnds() const { return options_.exactEnds; }
    bool mergeRuns() const { return options_.mergeRuns; }
    /// The options as edited. Throws StopListError when the typed list cannot be read.
    ColourOptions values() const;

    /// The colours of a strip `width` characters long in the draft's stops and blend: what the
    /// dialog shows of the gradient; empty while the list cannot be read.
    std::vector<ColourValue> stripColours(int width) const;

  private:
    void setStops(const std::vector<ColourValue>& stops);

    std::string text_;
    ColourOptions options_;
    std::vector<ColourValue> windowStops_;
};

/// Every control of the extended dialog that shows state, with its state as `draft` holds it:
/// the list, the blend, the switches and the buttons that the list's length enables.
std::vector<ShownControl> extendedDialogState(const ExtendedDraft& draft);

}  // namespace huewright
