#include "ui/classic_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace huewright {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            // A classic check box or radio button starts its caption 4 pixels after the mark;
            // Qt's 6 leave "背景" and "＞＜" two pixels short of their boxes.
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void installClassicStyle() {
    QApplication::setStyle(new ClassicStyle);
}

}  // namespace huewright
