#include "model/layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace huewright {
namespace {

using ::testing::ElementsAre;

// The order the views put the focus through: by tab position, a container's controls in its
// place, frames and labels left out whatever their position, colour panels kept.
TEST(FocusOrderTest, FollowsTabPositionsAndEntersContainersInPlace) {
    using K = ControlKind;
    constexpr ControlLayout kControls[] = {
        {"last", K::Button, kClient, "", "", "", {0, 0, 1, 1}, 9},
        {"group", K::GroupBox, kClient, "", "", "", {0, 0, 1, 1}, 1},
        {"second_in_group", K::RadioButton, "group", "", "", "", {0, 0, 1, 1}, 1},
        {"first_in_group", K::RadioButton, "group", "", "", "", {0, 0, 1, 1}, 0},
        {"panel", K::ColourPanel, kClient, "", "", "", {0, 0, 1, 1}, 2},
        {"frame", K::SunkenPanel, kClient, "", "", "", {0, 0, 1, 1}, 3},
        {"no_focus", K::Button, kClient, "", "", "", {0, 0, 1, 1}, -1},
        {"first", K::LineEdit, kClient, "", "", "", {0, 0, 1, 1}, 0},
    };
    EXPECT_THAT(focusOrder(kControls),
                ElementsAre("first", "first_in_group", "second_in_group", "panel", "last"));
}

}  // namespace
}  // namespace huewright
