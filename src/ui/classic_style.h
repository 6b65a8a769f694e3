#pragma once

#include <QProxyStyle>

namespace huewright {

/// The look the windows were drawn for: Qt's "Windows" style, whose indicators, frames and
/// margins are the classic ones the layout tables' sizes assume, with the classic gap between a
/// check mark and its caption.
class ClassicStyle final : public QProxyStyle {
  public:
    ClassicStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

/// Makes ClassicStyle the application's style. Call once, after the application object exists.
void installClassicStyle();

}  // namespace huewright
