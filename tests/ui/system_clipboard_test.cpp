// On a real X server: what the copy buttons leave on the system clipboard, as another program
// (xclip) reads it. ctest runs this under xvfb-run; without a display or xclip it is skipped.
#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "support/memory_file_system.h"
#include "ui/control_layout.h"
#include "ui/main_window.h"
#include "ui/markup_edit.h"
#include "ui/qt_platform.h"

namespace huewright {

class SystemClipboardTest : public QObject {
    Q_OBJECT

    // What xclip reads from the clipboard as `type`; the event loop keeps serving the
    // clipboard meanwhile.
    static QByteArray clipboard(const QString& type) {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"),
                     QStringLiteral("clipboard"), QStringLiteral("-t"), type});
        if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000)) {
            xclip.kill();
        }
        return xclip.readAllStandardOutput();
    }

  private slots:
    void copyButtonsFillTheSystemClipboard() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs an X server (xvfb-run)");
        }
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

        findControl<QPushButton>(&window, Button::CopyMarkup)->click();
        const QString fragment = findControl<MarkupEdit>(&window, WindowPart::Markup)->markup();
        QCOMPARE(QString::fromUtf8(clipboard(QStringLiteral("UTF8_STRING"))), fragment);

        findControl<QPushButton>(&window, Button::CopyPreview)->click();
        const QImage image = QImage::fromData(clipboard(QStringLiteral("image/png")), "PNG");
        QCOMPARE(image.size(), QSize(407, 47));
        QCOMPARE(image.pixelColor(406, 0), QColor(Qt::white));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::SystemClipboardTest)
#include "system_clipboard_test.moc"
