#include "ui/error_messages.h"

#include "model/error_messages.h"

namespace huewright {

QString windowMessage(const std::exception& error, OutputForm form) {
    return QString::fromStdString(errorMessage(error, form));
}

}  // namespace huewright
