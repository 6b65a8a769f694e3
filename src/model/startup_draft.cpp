#include "model/startup_draft.h"

#include <algorithm>

namespace huewright {

std::int32_t StartupSettings::*StartupDraft::field(TagForm form) {
    return form == TagForm::Bold ? &StartupSettings::boldTagForm : &StartupSettings::italicTagForm;
}

void StartupDraft::open(const StartupSettings& startup) {
    // The tag forms follow the groups' selections, not the start-up values themselves.
    const std::int32_t bold = values_.boldTagForm;
    const std::int32_t italic = values_.italicTagForm;
    values_ = startup;
    values_.boldTagForm = bold;
    values_.italicTagForm = italic;
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const std::int32_t value = startup.*field(form);
        if (value < 0) {
            selected_[index(form)].reset();
        } else {
            select(form, std::min(value, 1));
        }
    }
}

void StartupDraft::select(TagForm form, int item) {
    selected_[index(form)] = item;
    values_.*field(form) = item;
}

}  // namespace huewright
