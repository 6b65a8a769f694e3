#include "model/startup_draft.h"

#include <gtest/gtest.h>

#include <optional>

namespace huewright {
namespace {

// Above 1 selects the last item; a negative value selects none and keeps the form.
TEST(StartupDraft, TagFormsOpenFromTheStartupValues) {
    struct Row {
        std::int32_t value;
        std::optional<int> item;
        std::int32_t stored;
    };
    for (const Row& row : {Row{0, 0, 0}, Row{1, 1, 1}, Row{5, 1, 1}, Row{-1, {}, 1}}) {
        StartupDraft draft;
        draft.select(TagForm::Bold, 1);
        draft.open(StartupSettings{.boldTagForm = row.value});
        EXPECT_EQ(draft.selectedItem(TagForm::Bold), row.item) << row.value;
        EXPECT_EQ(draft.values().boldTagForm, row.stored) << row.value;
    }
}

// The dialog's clicks: a switch toggles, a tag-form item selects, a colour control does nothing.
TEST(StartupDraft, ClicksByControl) {
    StartupDraft draft;
    draft.open(StartupSettings{.lineBreak = true, .boldTagForm = -1});
    draft.click(SettingsControl::LineBreak);
    draft.click(SettingsControl::StrongTag);
    draft.click(SettingsControl::StartPanel);
    EXPECT_EQ(draft.values(), (StartupSettings{.lineBreak = false, .boldTagForm = 1}));
    EXPECT_EQ(draft.selectedItem(TagForm::Bold), 1);
}

}  // namespace
}  // namespace huewright
