// The desktop program: one main window; closing it ends the program, asking and saving nothing.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/language.h"
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
    "Usage: huewright [--lang ja|en] [--help] [--version]\n"
    "Writes a line of text as HTML in a colour gradient: every character in its own colour\n"
    "tag, from a start colour to an end colour, through a middle colour or alternating.\n"
    "\n"
    "Opens the window, which needs a display, with the start-up settings of lumo.ini in the\n"
    "working directory. huewright-cli makes the same markup in a terminal.\n"
    "\n"
    "  --lang ja|en  speak Japanese or English in this run, whatever the locale and lumo.ini\n"
    "                say (the Edit menu switches and remembers)\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n";

// The value of an environment variable; "" when it is not set.
std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

int main(int argc, char* argv[]) {
    huewright::keepStandardDescriptorsTaken();
    std::optional<huewright::Language> runLanguage;
    // These answer without a display; every other argument is Qt's.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--lang" || argument.starts_with("--lang=")) {
            const std::string_view code =
                argument == "--lang" ? (i + 1 < argc ? argv[++i] : "") : argument.substr(7);
            runLanguage = huewright::languageOfCode(code);
            if (!runLanguage) {
                std::fprintf(stderr, "huewright: --lang takes ja or en, not \"%s\"\n",
                             std::string(code).c_str());
                return 2;
            }
            continue;
        }
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
    model.setLocaleLanguage(
        huewright::languageOfEnvironment(environment("LANGUAGE"), environment("LC_ALL"),
                                         environment("LC_MESSAGES"), environment("LANG")));
    if (runLanguage) {
        model.setRunLanguage(*runLanguage);
    }
    huewright::MainWindow form(model, platform);
    form.startUp(std::filesystem::current_path());
    form.show();
    return QApplication::exec();
}
