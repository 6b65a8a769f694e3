#include "ui/error_messages.h"

#include "generator/output.h"
#include "persistence/atomic_file.h"
#include "persistence/profile_document.h"

namespace huewright {

QString windowMessage(const std::exception& error) {
    if (const auto* unwritable = dynamic_cast<const FileWriteError*>(&error)) {
        return QStringLiteral("%1 に書き込めません")
            .arg(QString::fromStdString(unwritable->file().string()));
    }
    if (const auto* lineBreak = dynamic_cast<const LineBreakInValueError*>(&error)) {
        return QStringLiteral("%1 の値は改行を含むため書き込めません")
            .arg(QString::fromStdString(lineBreak->key()));
    }
    if (dynamic_cast<const OutputError*>(&error) != nullptr) {
        return QStringLiteral("BBCode のフォント名には [ と ] を使えません");
    }
    return QString::fromStdString(error.what());
}

}  // namespace huewright
