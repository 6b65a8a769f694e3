#include "model/text_bounds.h"

#include "generator/shift_jis.h"
#include "model/error_messages.h"
#include "model/gradation_keys.h"
#include "text/utf8.h"

namespace huewright {

void refuseTextLongerThan(std::size_t limit, std::string_view text, OutputError::Field field) {
    if (static_cast<std::size_t>(characterCount(text)) > limit) {
        throw TextTooLongError(field, limit);
    }
}

void refuseUtf8TextLongerThan(std::size_t limit, std::string_view text, OutputError::Field field) {
    if (utf8CharacterCount(text) > limit) {
        throw TextTooLongError(field, limit);
    }
}

void refuseTextsLongerThan(std::size_t limit, const SettingsFileReader& file) {
    for (const GradationKey& entry : kGradationWriteOrder) {
        const OutputError::Field field =
            std::holds_alternative<FaceNameBox>(entry.item) ? OutputError::Field::FaceName
            : entry.item == FileItem(LineEdit::LinkTarget)  ? OutputError::Field::LinkTarget
            : entry.item == FileItem(LineEdit::Text)        ? OutputError::Field::Text
                                                            : OutputError::Field::None;
        if (field != OutputError::Field::None) {
            refuseTextLongerThan(limit, file.text(entry.key).value_or(""), field);
        }
    }
}

}  // namespace huewright
