#include "ui/error_messages.h"

#include <array>

#include "generator/output.h"
#include "persistence/atomic_file.h"
#include "persistence/profile_document.h"

namespace huewright {

namespace {

// What the window's output forms are called in its menu.
QString formCaption(OutputForm form) {
    static const std::array<QString, 4> kCaptions = {QStringLiteral("FONT"), QStringLiteral("SPAN"),
                                                     QStringLiteral("BBCode"),
                                                     QStringLiteral("ANSI")};
    return kCaptions[static_cast<std::size_t>(form)];
}

QString fieldCaption(OutputError::Field field) {
    switch (field) {
        case OutputError::Field::Text:
            return QStringLiteral("テキスト");
        case OutputError::Field::FaceName:
            return QStringLiteral("フォント名");
        case OutputError::Field::LinkTarget:
            return QStringLiteral("リンク先");
        case OutputError::Field::None:
            break;
    }
    return {};
}

QString outputMessage(const OutputError& error, OutputForm form) {
    switch (error.reason()) {
        case OutputError::Reason::ControlCharacter:
            return QStringLiteral("%1 の制御文字 U+%2 は %3 形式では出力できません")
                .arg(fieldCaption(error.field()),
                     QString::number(error.character(), 16).toUpper().rightJustified(4, u'0'),
                     formCaption(form));
        case OutputError::Reason::LinkScheme:
            return QStringLiteral("%1 形式のリンク先は相対か http, https, mailto, ftp だけです")
                .arg(formCaption(form));
        case OutputError::Reason::BracketInBbcodeFace:
            return QStringLiteral("BBCode のフォント名には [ と ] を使えません");
        case OutputError::Reason::StopCount:
            break;
    }
    return QString::fromStdString(error.what());
}

}  // namespace

QString windowMessage(const std::exception& error, OutputForm form) {
    if (const auto* unwritable = dynamic_cast<const FileWriteError*>(&error)) {
        return QStringLiteral("%1 に書き込めません")
            .arg(QString::fromStdString(unwritable->file().string()));
    }
    if (const auto* lineBreak = dynamic_cast<const LineBreakInValueError*>(&error)) {
        return QStringLiteral("%1 の値は改行を含むため書き込めません")
            .arg(QString::fromStdString(lineBreak->key()));
    }
    if (const auto* refused = dynamic_cast<const OutputError*>(&error)) {
        return outputMessage(*refused, form);
    }
    return QString::fromStdString(error.what());
}

}  // namespace huewright
