#include "generator/size_steps.h"

namespace huewright {

SizeSteps::SizeSteps(SizePatternKind kind, int maximum, int minimum, std::int64_t characters)
    : kind_(kind),
      maximum_(maximum),
      minimum_(minimum),
      characters_(characters),
      valleyFlat_(characters - 1 < 2) {
    if (characters >= 2) {
        fallingStep_ = Extended::quotient(maximum - minimum, characters - 1);
    }
    if (!valleyFlat_) {
        valleyStep_ = Extended::quotient(maximum - minimum, (characters - 1) / 2);
    }
}

}  // namespace huewright
