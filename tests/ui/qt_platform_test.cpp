#include "ui/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace huewright {
namespace {

/// Hands the next modal dialog to `answer` as soon as it is shown. `answer` must close it and
/// should only note what it sees, for the test to compare once the dialog has returned.
template <typename Dialog>
void whenModal(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        if (QWidget* widget = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            if (auto* dialog = qobject_cast<Dialog*>(widget)) {
                answer(dialog);
            } else {
                widget->close();
            }
        }
    });
    timer->start();
}

/// What a file dialog offered when it opened: the file name and the file type.
struct Offer {
    QString fileName;
    QString nameFilter;
};

/// Notes the offer of the next file dialog, then confirms `fileName` with the file type
/// `nameFilter` (each kept as offered when empty) or, with `cancel`, changes both and cancels.
void answerFileDialog(Offer& offer, const QString& fileName, const QString& nameFilter,
                      bool cancel) {
    whenModal<QFileDialog>([&offer, fileName, nameFilter, cancel](QFileDialog* dialog) {
        offer = {QFileInfo(dialog->selectedFiles().value(0)).fileName(),
                 dialog->selectedNameFilter()};
        if (!fileName.isEmpty()) {
            dialog->selectFile(fileName);
        }
        if (!nameFilter.isEmpty()) {
            dialog->selectNameFilter(nameFilter);
        }
        if (cancel) {
            dialog->reject();
        } else {
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Qt's dialogs keep their history and custom colours in the user's settings; keep the
        // user's own out of the tests and the tests' out of them.
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    }

    void helpFileReplacesTheExtension() {
        const struct {
            QString executable;
            QString help;
        } rows[] = {
            {"/opt/tool/tool.exe", "/opt/tool/tool.hlp"},
            {"/usr/bin/huewright", "/usr/bin/huewright.hlp"},
            {"/opt/v1.2/huewright", "/opt/v1.2/huewright.hlp"},
            {"/opt/tool.tar.gz", "/opt/tool.tar.hlp"},
            {"/opt/tool.", "/opt/tool.hlp"},
            {"C:\\Tools.d\\tool", "C:\\Tools.d\\tool.hlp"},
            {"a.b:tool", "a.b:tool.hlp"},
        };
        for (const auto& row : rows) {
            QCOMPARE(helpFileName(row.executable), row.help);
        }
    }

    // Red is the low byte of a colour value; the top byte takes no part.
    void colourDialogSpeaksWindowsColourValues() {
        QtPlatform platform;
        QColor offered;
        whenModal<QColorDialog>([&offered](QColorDialog* dialog) {
            offered = dialog->currentColor();
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            dialog->accept();
        });
        QCOMPARE(platform.chooseColour(nullptr, 0xAB0080FFu),
                 std::optional<ColourValue>(0x563412u));
        QCOMPARE(offered, QColor(0xFF, 0x80, 0x00));
        whenModal<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
        QCOMPARE(platform.chooseColour(nullptr, 0x00FF00u), std::nullopt);
    }

    void fileDialogsRememberTheirLastConfirmedChoice() {
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString mine = folder.filePath(QStringLiteral("mine.DAT"));
        const QStringList filters = {QStringLiteral("グラデーション設定 (*.DAT)"),
                                     QStringLiteral("すべてのファイル (*.*)")};
        const FileDialogSpec spec{QStringLiteral("グラデーション設定読込"),
                                  QStringLiteral("Lumo.DAT"), QStringLiteral("DAT"), filters};
        QtPlatform platform;
        Offer offer;

        // First the initial name and type; a missing file is accepted and gets the suffix.
        answerFileDialog(offer, folder.filePath(QStringLiteral("mine")), filters[1], false);
        QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("OD1"), spec),
                 std::optional<QString>(mine));
        QCOMPARE(offer.fileName, QStringLiteral("Lumo.DAT"));
        QCOMPARE(offer.nameFilter, filters[0]);

        // Then the last confirmed name and type; browsing in a cancelled dialog is forgotten.
        for (const bool cancel : {true, false}) {
            answerFileDialog(offer, cancel ? QStringLiteral("other.txt") : QString(),
                             cancel ? filters[0] : QString(), cancel);
            QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("OD1"), spec),
                     cancel ? std::nullopt : std::optional<QString>(mine));
            QCOMPARE(offer.fileName, QStringLiteral("mine.DAT"));
            QCOMPARE(offer.nameFilter, filters[1]);
        }

        // Another id keeps its own memory.
        answerFileDialog(offer, QString(), QString(), true);
        QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("SD1"), spec), std::nullopt);
        QCOMPARE(offer.fileName, QStringLiteral("Lumo.DAT"));
        QCOMPARE(offer.nameFilter, filters[0]);
    }

  private:
    QTemporaryDir settings_;
};

}  // namespace huewright

QTEST_MAIN(huewright::QtPlatformTest)
#include "qt_platform_test.moc"
