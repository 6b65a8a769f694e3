// The desktop window's responsiveness on a real X server, each beside a baseline in the same
// run: a keystroke in a text of 100, 1,000 and 10,000 characters, through to the repainted
// window, against generating that text's markup alone; a paste of 1,000,000 and 5,000,000
// characters; and building and showing the window against showing an empty one. Run it under Xvfb:
//   xvfb-run -a -s '-screen 0 1024x768x24' build/default/bench/window_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "generator/output.h"
#include "model/main_window_model.h"
#include "persistence/file_system.h"
#include "text/cp932.h"
#include "ui/classic_style.h"
#include "ui/control_layout.h"
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
    std::optional<QString> chooseFile(QWidget*, const QString&, const FileDialogOptions&) override {
        return {};
    }
    void runModal(QDialog&) override {}
    void showError(QWidget*, const QString&) override {}
    void copyText(const QString&) override {}
    void copyImage(const QImage&) override {}
    void showHelp(QWidget*, const QString&) override {}
};

// `length` characters, a two-byte kana in every third place, as a Japanese text mixes them.
QString sampleText(std::int64_t length) {
    QString text;
    for (std::int64_t i = 0; i < length; ++i) {
        text += i % 3 == 2 ? QChar(u'あ') : QChar(static_cast<char16_t>(u'a' + i % 26));
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

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The window started without a start-up file and shown, with the focus in its text box, whose
// paint events are counted.
struct ShownWindow {
    DiskFileSystem files;
    SilentPlatform platform;
    MainWindowModel model{files};
    MainWindow form{model, platform};
    QLineEdit* edit = nullptr;
    PaintCounter counter;

    ShownWindow() {
        form.startUp(kNoStartupFile);
        waitUntilShown(form);
        edit = findControl<QLineEdit>(&form, LineEdit::Text);
        edit->setFocus();
        edit->installEventFilter(&counter);
    }

    /// Runs `change`, then the event loop until the text box has repainted.
    template <typename Change>
    void untilRepainted(const Change& change) {
        const int before = counter.paints;
        change();
        while (counter.paints == before) {
            QCoreApplication::processEvents();
        }
    }
};

void keystroke(benchmark::State& state) {
    ShownWindow shown;
    shown.edit->selectAll();
    shown.edit->insert(sampleText(state.range(0)));  // as a paste
    bool add = true;
    for (auto _ : state) {
        // Alternately type a letter and take it back, so the text keeps its length. The key
        // enters as the X server's would, and the window repaints in the next pass of the
        // event loop, painting the text box with the rest of what changed.
        shown.untilRepainted([&] {
            QTest::keyClick(shown.form.windowHandle(), add ? Qt::Key_X : Qt::Key_Backspace);
        });
        add = !add;
    }
    if (shown.model.text(LineEdit::Text).size() < static_cast<std::size_t>(state.range(0))) {
        state.SkipWithError("the keys did not reach the text box");
    }
}

// A paste of a long text over the whole of the box, through to the repainted window: what a
// user meets who pastes a book. Past the bound, the paste is refused.
void pasteLongText(benchmark::State& state) {
    ShownWindow shown;
    const QString text = sampleText(state.range(0));
    for (auto _ : state) {
        shown.edit->selectAll();
        shown.untilRepainted([&] { shown.edit->insert(text); });
    }
    state.counters["markup bytes"] = static_cast<double>(shown.model.markup().size());
}

void markupAlone(benchmark::State& state) {
    GradationSettings settings;
    settings.text = utf8ToCp932(sampleText(state.range(0)).toStdString());
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildOutput(settings, {}).data());
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

BENCHMARK(keystroke)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(pasteLongText)
    ->Arg(1'000'000)
    ->Arg(5'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(markupAlone)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(windowStartToShown)->Unit(benchmark::kMillisecond);
BENCHMARK(emptyWindowToShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace huewright

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            std::fputs(
                "window_bench: no X display. Run it under Xvfb: xvfb-run -a -s '-screen 0 "
                "1024x768x24' window_bench\n",
                stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // The first window pays for the application and its font database; report it once.
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    huewright::installFaceSubstitutes();
    huewright::installClassicStyle();
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
    std::printf("platform %s: application start to first shown window: %.1f ms\n",
                qPrintable(QGuiApplication::platformName()), first.count());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
