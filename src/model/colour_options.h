#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "generator/colour.h"
#include "generator/oklab.h"
#include "generator/output.h"

namespace huewright {

/// The colour options beyond the window's, as the command line has them: the stops (none for the
/// window's own colours), the blend and the two switches. At their defaults the markup is the
/// window's as described.
struct ColourOptions {
    std::vector<ColourValue> stops;
    Blend blend = Blend::Rgb;
    bool exactEnds = false;
    bool mergeRuns = false;

    bool atDefaults() const { return *this == ColourOptions{}; }
    /// Sets the fields of `options` that these options stand for.
    void applyTo(OutputOptions& options) const {
        options.stops = stops;
        options.blend = blend;
        options.exactEnds = exactEnds;
        options.mergeRuns = mergeRuns;
    }
    /// The colour options `options` holds.
    static ColourOptions of(const OutputOptions& options) {
        return {options.stops, options.blend, options.exactEnds, options.mergeRuns};
    }
    friend bool operator==(const ColourOptions&, const ColourOptions&) = default;
};

/// A typed list of stops that cannot be read: `problem` says why.
class StopListError : public std::runtime_error {
  public:
    explicit StopListError(const std::string& problem) : std::runtime_error(problem) {}
};

}  // namespace huewright
