#include "ui/image_view.h"

#include <QPainter>

namespace huewright {

void ImageView::paintEvent(QPaintEvent* /*event*/) {
    if (image_ != nullptr) {
        QPainter painter(this);
        painter.drawImage(0, 0, *image_);
    }
}

}  // namespace huewright
