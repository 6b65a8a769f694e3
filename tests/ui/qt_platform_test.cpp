#include "ui/qt_platform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

#include "ui/help_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace huewright {
namespace {

/// Hands the next modal dialog to `answer` as soon as it is shown. `answer` must close it and
/// should only note what it sees, for the test to compare once the dialog has returned.
void whenModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

/// What a file dialog offered when it opened.
struct Offer {
    QString title;
    QString fileName;
    QString nameFilter;
    QStringList nameFilters;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    bool confirmsOverwrite = false;
    QString defaultSuffix;
};

/// Notes the offer of the next file dialog, then either confirms `fileName` with the file type
/// `nameFilter` (each kept as offered when empty) or, with `cancel`, changes both and cancels.
void answerFileDialog(Offer& offer, const QString& fileName, const QString& nameFilter,
                      bool cancel) {
    whenModal([&offer, fileName, nameFilter, cancel](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (!dialog) {
            widget->close();
            return;
        }
        offer = {dialog->windowTitle(),
                 dialog->selectedFiles().value(0),
                 dialog->selectedNameFilter(),
                 dialog->nameFilters(),
                 dialog->acceptMode(),
                 dialog->fileMode(),
                 !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                 dialog->defaultSuffix()};
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

FileDialogSpec gradationSpec(const QString& title, bool save) {
    return {title,
            QStringLiteral("Lumo.DAT"),
            QStringLiteral("DAT"),
            {{QStringLiteral("グラデーション設定 (*.DAT)"), QStringLiteral("*.DAT")},
             {QStringLiteral("すべてのファイル (*.*)"), QStringLiteral("*")}},
            save};
}

// The dialog's filters: each label, with the patterns it really matches in brackets it hides.
const QStringList kFilters = {QStringLiteral("グラデーション設定 (*.DAT) (*.DAT)"),
                              QStringLiteral("すべてのファイル (*.*) (*)")};
// What the dialog's list shows and reports as chosen.
const QStringList kLabels = {QStringLiteral("グラデーション設定 (*.DAT)"),
                             QStringLiteral("すべてのファイル (*.*)")};

QList<HelpWindow*> findHelpWindows() {
    QList<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(widget)) {
            windows.append(help);
        }
    }
    return windows;
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void colourDialogSpeaksWindowsColourValues();
    void fileDialogsRememberTheirLastConfirmedChoice();
    void errorBoxShowsTheMessageUnderTheApplicationTitle();
    void helpWindowFindsTopicsAndNamesAMissingFile();

  private:
    QTemporaryDir settings_;
};

void QtPlatformTest::initTestCase() {
    // Qt's dialogs keep their history and custom colours in the user's settings; keep the
    // user's own out of the tests and the tests' out of them.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
}

void QtPlatformTest::colourDialogSpeaksWindowsColourValues() {
    QtPlatform platform;
    QColor offered;
    whenModal([&offered](QWidget* widget) {
        auto* dialog = qobject_cast<QColorDialog*>(widget);
        if (!dialog) {
            widget->close();
            return;
        }
        offered = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });

    // Red is the low byte of a colour value; the top byte takes no part.
    const std::optional<ColourValue> chosen = platform.chooseColour(nullptr, 0xAB0080FFu);

    QCOMPARE(offered, QColor(0xFF, 0x80, 0x00));
    QCOMPARE(chosen, std::optional<ColourValue>(0x563412u));

    whenModal([](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialog->reject();
        }
    });
    QCOMPARE(platform.chooseColour(nullptr, 0x00FF00u), std::nullopt);
}

void QtPlatformTest::fileDialogsRememberTheirLastConfirmedChoice() {
    const QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString mine = folder.filePath(QStringLiteral("mine"));
    const QString mineWithSuffix = folder.filePath(QStringLiteral("mine.DAT"));
    const QString other = folder.filePath(QStringLiteral("other.txt"));
    const FileDialogSpec open = gradationSpec(QStringLiteral("グラデーション設定読込"), false);
    const FileDialogSpec save = gradationSpec(QStringLiteral("グラデーション設定保存"), true);
    QtPlatform platform;
    Offer offer;

    // The first time: the dialog as described; a missing file is accepted and gets the suffix.
    answerFileDialog(offer, mine, kFilters[1], false);
    QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("OD1"), open),
             std::optional<QString>(mineWithSuffix));
    QCOMPARE(offer.title, open.title);
    QCOMPARE(QFileInfo(offer.fileName).fileName(), QStringLiteral("Lumo.DAT"));
    QCOMPARE(offer.nameFilters, kFilters);
    QCOMPARE(offer.nameFilter, kLabels[0]);
    QCOMPARE(offer.acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(offer.fileMode, QFileDialog::AnyFile);
    QCOMPARE(offer.defaultSuffix, QStringLiteral("DAT"));

    // Then the last confirmed name and type; browsing in a cancelled dialog is forgotten.
    answerFileDialog(offer, other, kFilters[0], true);
    QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("OD1"), open), std::nullopt);
    QCOMPARE(offer.fileName, mineWithSuffix);
    QCOMPARE(offer.nameFilter, kLabels[1]);

    answerFileDialog(offer, QString(), QString(), false);
    QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("OD1"), open),
             std::optional<QString>(mineWithSuffix));
    QCOMPARE(offer.fileName, mineWithSuffix);
    QCOMPARE(offer.nameFilter, kLabels[1]);

    // Another id keeps its own memory.
    answerFileDialog(offer, QString(), QString(), true);
    QCOMPARE(platform.chooseFile(nullptr, QStringLiteral("SD1"), save), std::nullopt);
    QCOMPARE(offer.title, save.title);
    QCOMPARE(QFileInfo(offer.fileName).fileName(), QStringLiteral("Lumo.DAT"));
    QCOMPARE(offer.nameFilter, kLabels[0]);
    QCOMPARE(offer.acceptMode, QFileDialog::AcceptSave);
    QVERIFY(offer.confirmsOverwrite);
}

void QtPlatformTest::errorBoxShowsTheMessageUnderTheApplicationTitle() {
    QApplication::setApplicationDisplayName(QStringLiteral("HuewrightHTML"));
    QtPlatform platform;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    whenModal([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            widget->close();
            return;
        }
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });

    platform.showError(nullptr, QStringLiteral("/tmp/lumo.ini に書き込めません."));

    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(title, QStringLiteral("HuewrightHTML"));
    QCOMPARE(text, QStringLiteral("/tmp/lumo.ini に書き込めません."));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void QtPlatformTest::helpWindowFindsTopicsAndNamesAMissingFile() {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("tool.hlp"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QStringLiteral("<h1>ヘルプ</h1><p>はじめに</p><h2>色</h2><p>開始色を選ぶ</p>"
                             "<h2>枠</h2><p>枠の太さ</p>")
                  .toUtf8());
    out.close();

    QtPlatform platform;
    platform.showHelp(nullptr, file);
    platform.showHelp(nullptr, file);
    const QList<HelpWindow*> windows = findHelpWindows();
    QCOMPARE(windows.size(), 1);
    auto* contents = windows[0]->findChild<QListWidget*>(QStringLiteral("contents"));
    QCOMPARE(contents->count(), 3);
    windows[0]->findChild<QLineEdit*>(QStringLiteral("search"))->setText(QStringLiteral("開始"));
    QCOMPARE(contents->count(), 1);
    QCOMPARE(contents->item(0)->text().trimmed(), QStringLiteral("色"));

    HelpWindow missing;
    missing.load(folder.filePath(QStringLiteral("none.hlp")));
    QVERIFY(missing.findChild<QTextBrowser*>()->toPlainText().contains(
        folder.filePath(QStringLiteral("none.hlp"))));
}

}  // namespace huewright

QTEST_MAIN(huewright::QtPlatformTest)
#include "qt_platform_test.moc"
