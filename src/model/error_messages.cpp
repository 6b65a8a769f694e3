#include "model/error_messages.h"

#include <string>

#include "persistence/atomic_file.h"
#include "persistence/file_system.h"
#include "persistence/profile_document.h"
#include "text/describe.h"

namespace huewright {

namespace {

std::string fieldCaption(OutputError::Field field) {
    switch (field) {
        case OutputError::Field::Text:
            return "テキスト";
        case OutputError::Field::FaceName:
            return "フォント名";
        case OutputError::Field::LinkTarget:
            return "リンク先";
        case OutputError::Field::None:
            break;
    }
    return {};
}

std::string outputMessage(const OutputError& error, OutputForm form) {
    const std::string caption = formCaption(form);
    switch (error.reason()) {
        case OutputError::Reason::ControlCharacter:
            return fieldCaption(error.field()) + " の制御文字 " +
                   unicodeNotation(error.character()) + " は " + caption +
                   " 形式では出力できません";
        case OutputError::Reason::LinkScheme:
            return caption + " 形式のリンク先は相対か http, https, mailto, ftp だけです";
        case OutputError::Reason::BracketInBbcodeFace:
            return std::string(formCaption(OutputForm::Bbcode)) +
                   " のフォント名には [ と ] を使えません";
        case OutputError::Reason::CodeInText:
            return fieldCaption(error.field()) + " の " + std::to_string(error.position()) +
                   " 文字目の " + unicodeNotation(error.character()) + " は " + caption +
                   " 形式では色コードとして読まれます";
        case OutputError::Reason::StopCount:
            break;
    }
    return error.what();
}

}  // namespace

std::string errorMessage(const std::exception& error, OutputForm form) {
    if (const auto* unwritable = dynamic_cast<const FileWriteError*>(&error)) {
        return unwritable->file().string() + " に書き込めません";
    }
    if (const auto* unreadable = dynamic_cast<const FileReadError*>(&error)) {
        return unreadable->file().string() + " を読み込めません（" +
               unreadable->reason().message() + "）";
    }
    if (const auto* tooLong = dynamic_cast<const TextTooLongError*>(&error)) {
        return fieldCaption(tooLong->field()) + " は " + std::to_string(tooLong->limit()) +
               " 文字までです";
    }
    if (const auto* empty = dynamic_cast<const NoSettingsError*>(&error)) {
        return empty->file().string() + " には設定がありません";
    }
    if (const auto* lineBreak = dynamic_cast<const LineBreakInValueError*>(&error)) {
        return lineBreak->key() + " の値は改行を含むため書き込めません";
    }
    if (const auto* refused = dynamic_cast<const OutputError*>(&error)) {
        return outputMessage(*refused, form);
    }
    return error.what();
}

}  // namespace huewright
