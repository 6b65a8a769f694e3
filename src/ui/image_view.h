#pragma once

#include <QImage>
#include <QWidget>

namespace huewright {

/// Shows an image that someone else owns and draws into; update() shows its latest state.
class ImageView final : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    /// The image to show, which must outlive the view; nullptr shows nothing.
    void setImage(const QImage* image) {
        image_ = image;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage* image_ = nullptr;
};

}  // namespace huewright
