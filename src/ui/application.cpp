#include "ui/application.h"

#include <QApplication>
#include <QSettings>

#include "ui/classic_style.h"
#include "ui/fonts.h"
#include "version.h"

namespace huewright {

void setUpApplication(QApplication& /*application*/) {
    QApplication::setApplicationName(QStringLiteral("HuewrightHTML"));
    // Ties the window to its menu entry where the window system asks the program (Wayland).
    QGuiApplication::setDesktopFileName(
        QString::fromLatin1(kApplicationId.data(), static_cast<qsizetype>(kApplicationId.size())));
    installFaceSubstitutes();
    installClassicStyle();
    // Qt's own dialogs would keep custom colours and file histories in the user's settings;
    // this program stores nothing but its own two files, so point those settings nowhere.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/proc/self/nonexistent"));
}

}  // namespace huewright
