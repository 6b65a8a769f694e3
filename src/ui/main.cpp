// The desktop program: one main window; closing it ends the program, asking and saving nothing.
#include <QApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "model/main_window_model.h"
#include "persistence/file_system.h"
#include "ui/classic_style.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/translations.h"

namespace {

// Without a display Qt would abort with a message about plugins; say what to do instead.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "huewright: no display. Start it under Xvfb: xvfb-run -s '-screen 0 1024x768x24' "
            "huewright, or use huewright-cli for the markup.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HuewrightHTML"));
    QApplication::setApplicationDisplayName(QStringLiteral("HuewrightHTML"));
    huewright::installFaceSubstitutes();
    huewright::installClassicStyle();
    huewright::installJapaneseTranslations(application);
    // Qt's own dialogs would keep custom colours and file histories in the user's settings;
    // this program stores nothing but its own two files, so point those settings nowhere.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/proc/self/nonexistent"));

    huewright::QtPlatform platform;
    huewright::DiskFileSystem files;
    huewright::MainWindowModel model(files);
    huewright::MainWindow form(model, platform);
    form.startUp(std::filesystem::current_path());
    form.show();
    return QApplication::exec();
}
