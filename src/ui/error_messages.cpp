#include "ui/error_messages.h"

#include "model/error_messages.h"
#include "model/main_window_model.h"

namespace huewright {

QString windowMessage(const std::exception& error, const MainWindowModel& model) {
    return QString::fromStdString(errorMessage(error, model.outputForm(), model.language()) + ".");
}

}  // namespace huewright
