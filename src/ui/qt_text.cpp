#include "ui/qt_text.h"

#include "text/cp932.h"

namespace huewright {

QString fromCp932(std::string_view bytes) {
    return QString::fromStdString(cp932ToUtf8Lenient(bytes));
}

std::string toCp932(const QString& text) {
    return utf8ToCp932(text.toStdString());
}

}  // namespace huewright
