#include "ui/qt_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "support/temporary_directory.h"
#include "ui/control_layout.h"
#include "ui/help_window.h"

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

    // Red is the low byte of a colour value; the top byte takes no part. A custom colour added
    // in the dialog stays only when the dialog is confirmed.
    void colourDialogSpeaksWindowsColourValues() {
        QtPlatform platform;
        QColor offered;
        const QColor before = QColorDialog::customColor(1);
        whenModal<QColorDialog>([&offered](QColorDialog* dialog) {
            offered = dialog->currentColor();
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            QColorDialog::setCustomColor(0, Qt::green);
            dialog->accept();
        });
        QCOMPARE(platform.chooseColour(nullptr, 0xAB0080FFu),
                 std::optional<ColourValue>(0x563412u));
        QCOMPARE(offered, QColor(0xFF, 0x80, 0x00));
        whenModal<QColorDialog>([](QColorDialog* dialog) {
            QColorDialog::setCustomColor(1, Qt::red);
            dialog->reject();
        });
        QCOMPARE(platform.chooseColour(nullptr, 0x00FF00u), std::nullopt);
        QCOMPARE(QColorDialog::customColor(0), QColor(Qt::green));
        QCOMPARE(QColorDialog::customColor(1), before);
    }

    void fileDialogsRememberTheirLastConfirmedChoice() {
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString mine = folder.filePath(QStringLiteral("mine.DAT"));
        // The list shows each label; "*.*" matches names without a dot as well.
        const QStringList filters = {QStringLiteral("グラデーション設定 (*.DAT)"),
                                     QStringLiteral("すべてのファイル (*.*)")};
        const FileDialogOptions options{
            QStringLiteral("グラデーション設定読込"),
            QStringLiteral("Lumo.DAT"),
            QStringLiteral("DAT"),
            {{filters[0], QStringLiteral("*.DAT")}, {filters[1], QStringLiteral("*")}}};
        QtPlatform platform;
        // What the next file dialog offers when it opens: the file name and the file type.
        QString offeredName;
        QString offeredType;
        // Confirms `fileName` with the file type `type` (each kept as offered when empty) or,
        // with `cancel`, changes both and cancels.
        const auto answer = [&](const QString& fileName, const QString& type, bool cancel) {
            whenModal<QFileDialog>([&, fileName, type, cancel](QFileDialog* dialog) {
                offeredName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                offeredType = dialog->selectedNameFilter();
                if (!fileName.isEmpty()) {
                    dialog->selectFile(fileName);
                }
                if (!type.isEmpty()) {
                    dialog->selectNameFilter(type);
                }
                if (cancel) {
                    dialog->reject();
                } else {
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            });
        };

        // First the initial name and type; a missing file is accepted and gets the suffix.
        // The dialog knows each type by its label with the patterns it matches.
        const QStringList types = {filters[0] + QStringLiteral(" (*.DAT)"),
                                   filters[1] + QStringLiteral(" (*)")};
        answer(folder.filePath(QStringLiteral("mine")), types[1], false);
        QCOMPARE(platform.chooseFile(nullptr, qtName(nameOf(Window::OpenDialog)), options),
                 std::optional<QString>(mine));
        QCOMPARE(offeredName, QStringLiteral("Lumo.DAT"));
        QCOMPARE(offeredType, filters[0]);

        // Then the last confirmed name and type; browsing in a cancelled dialog is forgotten.
        for (const bool cancel : {true, false}) {
            answer(cancel ? QStringLiteral("other.txt") : QString(), cancel ? types[0] : QString(),
                   cancel);
            QCOMPARE(platform.chooseFile(nullptr, qtName(nameOf(Window::OpenDialog)), options),
                     cancel ? std::nullopt : std::optional<QString>(mine));
            QCOMPARE(offeredName, QStringLiteral("mine.DAT"));
            QCOMPARE(offeredType, filters[1]);
        }

        // Another id keeps its own memory.
        answer(QString(), QString(), true);
        QCOMPARE(platform.chooseFile(nullptr, qtName(nameOf(Window::SaveDialog)), options),
                 std::nullopt);
        QCOMPARE(offeredName, QStringLiteral("Lumo.DAT"));
        QCOMPARE(offeredType, filters[0]);
    }

    void helpWindowFindsTopicsAndNamesAMissingFile() {
        const QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("tool.hlp"));
        test::writeBytes(file.toStdString(),
                         "<h1>ヘルプ</h1><p>はじめに</p><h2>色</h2><p>開始色を選ぶ</p>"
                         "<h2>枠</h2><p>枠の太さ</p>");

        QtPlatform platform;
        platform.showHelp(nullptr, file);
        platform.showHelp(nullptr, file);  // the same window again
        QList<HelpWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* help = qobject_cast<HelpWindow*>(widget)) {
                windows.append(help);
            }
        }
        QCOMPARE(windows.size(), 1);
        // A screen reader meets it as a window, its title the window's name.
        QCOMPARE(QAccessible::queryAccessibleInterface(windows[0])->role(), QAccessible::Window);
        auto* contents = findControl<QListWidget>(windows[0], HelpControl::Topics);
        QCOMPARE(contents->count(), 3);
        findControl<QLineEdit>(windows[0], HelpControl::Search)->setText(QStringLiteral("開始"));
        QCOMPARE(contents->count(), 1);
        QCOMPARE(contents->item(0)->text().trimmed(), QStringLiteral("色"));

        HelpWindow missing;
        missing.load(folder.filePath(QStringLiteral("none.hlp")));
        QVERIFY(missing.findChild<QTextBrowser*>()->toPlainText().contains(
            folder.filePath(QStringLiteral("none.hlp"))));
    }

  private:
    QTemporaryDir settings_;
};

}  // namespace huewright

QTEST_MAIN(huewright::QtPlatformTest)
#include "qt_platform_test.moc"
