#pragma once

#include <cstdio>
#include <cstdlib>

namespace huewright::fuzz {

/// Stops the run with `what` when a property of the code under test does not hold.
inline void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

}  // namespace huewright::fuzz
