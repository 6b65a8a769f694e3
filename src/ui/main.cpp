// The desktop program: one main window; closing it ends the program, asking and saving nothing.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/main_window_model.h"
#include "persistence/file_system.h"
#include "persistence/standard_descriptors.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "version.h"

namespace {

// Without a display Qt would abort with a message about plugins; say what to do instead.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

constexpr const char* kUsage =
    "Usage: huewright [--help] [--version]\n"
    "Writes a line of text as HTML in a colour gradient: every character in its own colour\n"
    "tag, from a start colour to an end colour, through a middle colour or alternating.\n"
    "\n"
    "Opens the window, which needs a display, with the start-up settings of lumo.ini in the\n"
    "working directory. huewright-cli makes the same markup in a terminal.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
    huewright::keepStandardDescriptorsTaken();
    // These two answer without a display; every other argument is Qt's.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::printf("huewright (HuewrightHTML) %s\n", std::string(huewright::kVersion).c_str());
            return 0;
        }
        if (argument == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    if (!displayAvailable()) {
        std::fputs(
            "huewright: no display. Start it under Xvfb: xvfb-run -s '-screen 0 1024x768x24' "
            "huewright, or use huewright-cli for the markup.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    huewright::setUpApplication(application);

    huewright::QtPlatform platform;
    huewright::DiskFileSystem files;
    huewright::MainWindowModel model(files);
    huewright::MainWindow form(model, platform);
    form.startUp(std::filesystem::current_path());
    form.show();
    return QApplication::exec();
}
