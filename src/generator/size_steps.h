#pragma once

#include <cstdint>

#include "generator/extended.h"
#include "generator/gradation_settings.h"

namespace huewright {

/// The size pattern over a whole text of `characters` characters; sizes are HTML sizes.
class SizeSteps {
  public:
    SizeSteps(SizePatternKind kind, int maximum, int minimum, std::int64_t characters);

    /// The size of the first character.
    int first() const { return maximum_; }

    /// The size of the character after the one at `position` (from 1, over the whole text),
    /// given the current size; advances the valley's step.
    int next(std::int64_t position, int current) {
        switch (kind_) {
            case SizePatternKind::Falling:
                return maximum_ - static_cast<int>(fallingStep_.truncatedTimes(position));
            case SizePatternKind::Valley:
                return nextValley(position);
            case SizePatternKind::Alternating:
                return position % 2 == 0 ? maximum_ : minimum_;
            case SizePatternKind::None:
                break;
        }
        return current;
    }

  private:
    int nextValley(std::int64_t position) {
        if (valleyFlat_) {
            return maximum_;
        }
        const auto size = static_cast<int>(valleyStep_.roundedDifference(maximum_, valleyDepth_));
        // The next position against half the text, compared exactly by doubling both sides:
        // the valley deepens before the middle and rises after it.
        if (2 * (position + 1) < characters_) {
            ++valleyDepth_;
        } else if (2 * (position + 1) > characters_) {
            --valleyDepth_;
        }
        return size;
    }

    SizePatternKind kind_;
    int maximum_;
    int minimum_;
    std::int64_t characters_;
    Extended fallingStep_;          // (maximum - minimum) / (characters - 1)
    Extended valleyStep_;           // (maximum - minimum) / Int((characters - 1) / 2)
    bool valleyFlat_;               // two characters or fewer: the valley stays at the maximum
    std::int64_t valleyDepth_ = 1;  // how many steps below the maximum the next size lies
};

}  // namespace huewright
