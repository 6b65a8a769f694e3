// On a real X server, as the window manager, other programs and the user meet the program: the
// titles the X windows carry, what the copy buttons leave on the system clipboard, and the face
// box typed into key by key. ctest runs this under xvfb-run; without a display it is skipped, and
// so is a test without the program it reads the server with (xprop, xclip).
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

#include "text/cp932.h"
#include "ui/application.h"
#include "ui/markup_edit.h"
#include "ui/qt_platform.h"
#include "ui_fixture.h"

namespace huewright {
namespace {

// What `program` prints for `arguments`, in UTF-8; the event loop keeps serving the clipboard
// meanwhile.
QByteArray printed(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000)) {
        process.kill();
    }
    return process.readAllStandardOutput();
}

}  // namespace

class XvfbWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowScene> scene_;

  private slots:
    void init() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs an X server (xvfb-run)");
        }
        setUpApplication(*qApp);
        scene_ = std::make_unique<test::WindowScene>();
        scene_->form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scene_->form));
    }

    void cleanup() { scene_.reset(); }

    // Each window's X title, as xprop reads it, is its own caption, with nothing appended.
    void titlesAreExactlyTheCaptions() {
        if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty()) {
            QSKIP("needs xprop");
        }
        for (const WindowLayout* layout : allWindowLayouts()) {
            QWidget* window = scene_->window(*layout);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const auto title = [&] {
                const QStringList arguments = {
                    QStringLiteral("-id"), QString::number(window->winId()),
                    QStringLiteral("-notype"), QStringLiteral("_NET_WM_NAME")};
                // _NET_WM_NAME = "the title"
                return QString::fromUtf8(printed(QStringLiteral("xprop"), arguments))
                    .section(u'"', 1, -2);
            };
            QTRY_COMPARE(title(), QString::fromUtf8(layout->title));
            if (window != &scene_->form) {
                window->hide();
            }
        }
    }

    // What xclip reads from the system clipboard after each copy button.
    void copyButtonsFillTheSystemClipboard() {
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
            QSKIP("needs xclip");
        }
        test::MemoryFileSystem files;
        QtPlatform platform;
        MainWindowModel model(files);
        MainWindow window(model, platform);
        window.startUp("/nonexistent");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto clipboard = [](const char* type) {
            return printed(
                QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                 QStringLiteral("-t"), QString::fromLatin1(type)});
        };

        findControl<QPushButton>(&window, Button::CopyMarkup)->click();
        const QString fragment = findControl<MarkupEdit>(&window, WindowPart::Markup)->markup();
        QCOMPARE(QString::fromUtf8(clipboard("UTF8_STRING")), fragment);

        findControl<QPushButton>(&window, Button::CopyPreview)->click();
        const QImage image = QImage::fromData(clipboard("image/png"), "PNG");
        QCOMPARE(image.size(), QSize(407, 47));
        QCOMPARE(image.pixelColor(406, 0), QColor(Qt::white));
    }

    // Typing "Dej" and Tab leaves the box and the markup's face the same, whatever fonts start
    // with those letters.
    void faceBoxTypedByHand() {
        auto* box = findControl<QComboBox>(&scene_->form, WindowPart::FaceName);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Dej"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
        QCOMPARE(box->currentText(), QStringLiteral("Dej"));
        QVERIFY(QString::fromStdString(cp932ToUtf8(scene_->model.markup()))
                    .contains(QStringLiteral("FACE=\"Dej\"")));
        QVERIFY(!box->lineEdit()->hasFocus());
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::XvfbWindowTest)
#include "xvfb_window_test.moc"
