#include "ui/markup_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

namespace huewright {
namespace {

/// The box in a shown window beside another field, which has the focus.
struct Scene {
    QWidget window;
    MarkupEdit box{&window};
    QLineEdit elsewhere{&window};

    Scene() {
        box.setGeometry(1, 1, 336, 20);
        elsewhere.setGeometry(1, 30, 100, 20);
        window.show();
        elsewhere.setFocus();
    }
};

}  // namespace

class MarkupEditTest : public QObject {
    Q_OBJECT

  private:
    // A fragment far longer than the box shows, with a different character at its far end.
    static QString longFragment() { return QString(5000, QLatin1Char('a')) + QLatin1Char('z'); }

  private slots:
    void holdsWhatItShowsUntilTheUserComesIn();
    void userWorksOnTheWholeFragment_data();
    void userWorksOnTheWholeFragment();
    void newMarkupReplacesTheUsersEdits();
};

void MarkupEditTest::holdsWhatItShowsUntilTheUserComesIn() {
    Scene scene;
    MarkupEdit& box = scene.box;
    QVERIFY(QTest::qWaitForWindowActive(&scene.window));

    box.setMarkup(longFragment());
    QVERIFY(box.text().size() <= box.width());
    QVERIFY(longFragment().startsWith(box.text()));
    QCOMPARE(box.markup(), longFragment());
    QCOMPARE(box.cursorPosition(), 0);

    box.selectWhole();
    QCOMPARE(box.markup(), longFragment());
    box.setFocus();
    QCOMPARE(box.text(), longFragment());
    QCOMPARE(box.selectedText(), longFragment());
    QCOMPARE(box.cursorPosition(), 0);
}

void MarkupEditTest::userWorksOnTheWholeFragment_data() {
    using Keys = QList<QKeySequence>;
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("clipboard");
    const QString whole = longFragment();
    QTest::newRow("types at the far end")
        << Keys{Qt::Key_End, Qt::Key_Exclam} << whole + QLatin1Char('!') << QString();
    QTest::newRow("copies all of it")
        << Keys{QKeySequence::SelectAll, QKeySequence::Copy} << whole << whole;
    QTest::newRow("cuts the far end")
        << Keys{Qt::Key_End, QKeyCombination(Qt::ShiftModifier, Qt::Key_Left), QKeySequence::Cut}
        << whole.chopped(1) << QStringLiteral("z");
}

void MarkupEditTest::userWorksOnTheWholeFragment() {
    QFETCH(QList<QKeySequence>, keys);
    QFETCH(QString, markup);
    QFETCH(QString, clipboard);
    QApplication::clipboard()->clear();
    Scene scene;
    MarkupEdit& box = scene.box;
    QVERIFY(QTest::qWaitForWindowActive(&scene.window));
    box.setMarkup(longFragment());

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, 10));
    for (const QKeySequence& key : keys) {
        QTest::keySequence(&box, key);
    }
    scene.elsewhere.setFocus();

    QCOMPARE(box.markup(), markup);
    QVERIFY(markup.startsWith(box.text()));
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void MarkupEditTest::newMarkupReplacesTheUsersEdits() {
    Scene scene;
    MarkupEdit& box = scene.box;
    QVERIFY(QTest::qWaitForWindowActive(&scene.window));
    box.setMarkup(QStringLiteral("old"));
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("typed"));

    // While the user is in the box, a new fragment arrives whole.
    box.setMarkup(longFragment());
    QCOMPARE(box.text(), longFragment());
    QCOMPARE(box.cursorPosition(), 0);
    QCOMPARE(box.markup(), longFragment());
}

}  // namespace huewright

QTEST_MAIN(huewright::MarkupEditTest)
#include "markup_edit_test.moc"
