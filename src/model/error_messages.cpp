#include "model/error_messages.h"

#include <array>

#include "persistence/atomic_file.h"
#include "persistence/profile_document.h"
#include "text/describe.h"

namespace huewright {

namespace {

// What the window's output forms are called in its menu.
std::string formCaption(OutputForm form) {
    static constexpr std::array<const char*, 4> kCaptions = {"FONT", "SPAN", "BBCode", "ANSI"};
    return kCaptions[static_cast<std::size_t>(form)];
}

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
    switch (error.reason()) {
        case OutputError::Reason::ControlCharacter:
            return fieldCaption(error.field()) + " の制御文字 " +
                   unicodeNotation(error.character()) + " は " + formCaption(form) +
                   " 形式では出力できません";
        case OutputError::Reason::LinkScheme:
            return formCaption(form) + " 形式のリンク先は相対か http, https, mailto, ftp だけです";
        case OutputError::Reason::BracketInBbcodeFace:
            return "BBCode のフォント名には [ と ] を使えません";
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
    if (const auto* lineBreak = dynamic_cast<const LineBreakInValueError*>(&error)) {
        return lineBreak->key() + " の値は改行を含むため書き込めません";
    }
    if (const auto* refused = dynamic_cast<const OutputError*>(&error)) {
        return outputMessage(*refused, form);
    }
    return error.what();
}

}  // namespace huewright
