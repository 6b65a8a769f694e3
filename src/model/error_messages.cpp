#include "model/error_messages.h"

#include <string>

#include "model/colour_options.h"
#include "model/words.h"
#include "persistence/atomic_file.h"
#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "text/conversion_error.h"
#include "text/describe.h"

namespace huewright {

namespace {

// A field is named as its control is to a screen reader.
std::string fieldCaption(OutputError::Field field, Language language) {
    switch (field) {
        case OutputError::Field::Text:
            return std::string(inLanguage("テキスト", language));
        case OutputError::Field::FaceName:
            return std::string(inLanguage("フォント名", language));
        case OutputError::Field::LinkTarget:
            return std::string(inLanguage("リンク先", language));
        case OutputError::Field::None:
            break;
    }
    return {};
}

std::string outputMessage(const OutputError& error, OutputForm form, Language language) {
    const std::string_view caption = formCaption(form);
    const std::string field = fieldCaption(error.field(), language);
    switch (error.reason()) {
        case OutputError::Reason::ControlCharacter:
            return phrase(words::kControlCharacter, language,
                          {field, unicodeNotation(error.character()), caption});
        case OutputError::Reason::LinkScheme:
            return phrase(words::kLinkScheme, language, {caption});
        case OutputError::Reason::BracketInBbcodeFace:
            return phrase(words::kBracketInFace, language, {formCaption(OutputForm::Bbcode)});
        case OutputError::Reason::CodeInText:
            return phrase(words::kCodeInText, language,
                          {field, std::to_string(error.position()),
                           unicodeNotation(error.character()), caption});
        case OutputError::Reason::BeyondCodePage932:
            return phrase(
                words::kBeyondCodePage932, language,
                {field, std::to_string(error.position()), unicodeNotation(error.character())});
        case OutputError::Reason::StopCount:
            break;
    }
    return error.what();
}

}  // namespace

std::string errorMessage(const std::exception& error, OutputForm form, Language language) {
    if (const auto* unwritable = dynamic_cast<const FileWriteError*>(&error)) {
        return phrase(words::kCannotWrite, language, {unwritable->file().string()});
    }
    if (const auto* unreadable = dynamic_cast<const FileReadError*>(&error)) {
        return phrase(words::kCannotRead, language,
                      {unreadable->file().string(), unreadable->reason().message()});
    }
    if (const auto* tooLong = dynamic_cast<const TextTooLongError*>(&error)) {
        return phrase(words::kTooLong, language,
                      {fieldCaption(tooLong->field(), language), std::to_string(tooLong->limit())});
    }
    if (const auto* empty = dynamic_cast<const NoSettingsError*>(&error)) {
        return phrase(words::kNoSettings, language, {empty->file().string()});
    }
    if (const auto* approached = dynamic_cast<const FragmentApproachedError*>(&error)) {
        return phrase(words::kFragmentApproached, language, {approached->file().string()});
    }
    if (const auto* unrepresentable = dynamic_cast<const ConversionError*>(&error)) {
        return phrase(words::kUnrepresentable, language, {unrepresentable->what()});
    }
    if (const auto* lineBreak = dynamic_cast<const LineBreakInValueError*>(&error)) {
        return phrase(words::kLineBreakInValue, language, {lineBreak->key()});
    }
    if (const auto* stops = dynamic_cast<const StopListError*>(&error)) {
        return phrase(words::kStopList, language, {stops->what()});
    }
    if (const auto* refused = dynamic_cast<const OutputError*>(&error)) {
        return outputMessage(*refused, form, language);
    }
    return error.what();
}

}  // namespace huewright
