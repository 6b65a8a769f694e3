// The desktop window's responsiveness, each beside a baseline in the same run: a keystroke in a
// 10,000-character text against generating its markup alone, and building and showing the window
// against showing an empty one. Runs on Qt's offscreen platform unless another is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QWindow>

#include <chrono>
#include <filesystem>
#include <memory>

#include "generator/markup.h"
#include "model/main_window_model.h"
#include "persistence/file_system.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/platform.h"

namespace huewright {
namespace {

// The window asks the desktop nothing while typing or starting; a beep would be a fault.
class SilentPlatform final : public Platform {
  public:
    void beep() override {}
    std::optional<ColourValue> chooseColour(QWidget*, ColourValue) override { return {}; }
    std::optional<QString> chooseFile(QWidget*, const QString&, const FileDialogSpec&) override {
        return {};
    }
    void runModal(QDialog&) override {}
    void showError(QWidget*, const QString&) override {}
    void copyText(const QString&) override {}
    void copyImage(const QImage&) override {}
    void showHelp(QWidget*, const QString&) override {}
};

std::string tenThousandCharacters() {
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        text +=
            i % 3 == 2 ? std::string("\x82\xa0") : std::string(1, static_cast<char>('a' + i % 26));
    }
    return text;
}

const std::filesystem::path kNoStartupFile = "/nonexistent-huewright-bench";

void waitUntilShown(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
}

void keystrokeInLongText(benchmark::State& state) {
    DiskFileSystem files;
    SilentPlatform platform;
    MainWindowModel model(files);
    MainWindow form(model, platform);
    form.startUp(kNoStartupFile);
    waitUntilShown(form);
    model.setText(LineEdit::Text, tenThousandCharacters());
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit->setFocus();
    edit->end(false);
    bool add = true;
    for (auto _ : state) {
        // Alternately type a letter and take it back, so the text stays 10,000 characters.
        QKeyEvent press(QEvent::KeyPress, add ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier,
                        add ? QStringLiteral("x") : QString());
        QApplication::sendEvent(edit, &press);
        QCoreApplication::processEvents();
        add = !add;
    }
    state.counters["regenerations"] = model.regenerationCount();
}

void markupOfLongText(benchmark::State& state) {
    GradationSettings settings;
    settings.text = tenThousandCharacters();
    const TagNameTable names;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildMarkup(settings, names).data());
    }
}

void windowStartToShown(benchmark::State& state) {
    DiskFileSystem files;
    SilentPlatform platform;
    for (auto _ : state) {
        MainWindowModel model(files);
        MainWindow form(model, platform);
        form.startUp(kNoStartupFile);
        waitUntilShown(form);
    }
}

void emptyWindowToShown(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(413, 213);
        waitUntilShown(window);
    }
}

BENCHMARK(keystrokeInLongText)->Unit(benchmark::kMillisecond);
BENCHMARK(markupOfLongText)->Unit(benchmark::kMillisecond);
BENCHMARK(windowStartToShown)->Unit(benchmark::kMillisecond);
BENCHMARK(emptyWindowToShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace huewright

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The first window pays for the application and its font database; report it once.
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    huewright::installFaceSubstitutes();
    {
        huewright::DiskFileSystem files;
        huewright::SilentPlatform platform;
        huewright::MainWindowModel model(files);
        huewright::MainWindow form(model, platform);
        form.startUp(huewright::kNoStartupFile);
        huewright::waitUntilShown(form);
    }
    const std::chrono::duration<double, std::milli> first =
        std::chrono::steady_clock::now() - start;
    std::printf("application start to first shown window: %.1f ms\n", first.count());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
