#include "ui/spin_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "ui/entry_validator.h"
#include "ui_fixture.h"

namespace huewright {
namespace {

/// A shown window holding one spin edit under test.
struct Scene {
    int beeps = 0;
    QWidget window;
    SpinEdit* spin;

    Scene(bool typingEnabled, const QString& text)
        : spin(new SpinEdit(
              typingEnabled ? SpinField::FrameWidth : SpinField::Size, [this] { ++beeps; },
              &window)) {
        spin->setGeometry(0, 0, 33, 21);
        spin->setText(text);
        window.show();
        QApplication::setActiveWindow(&window);
        spin->setFocus();
    }
};

}  // namespace

class SpinEditTest : public QObject {
    Q_OBJECT

  private slots:
    // The entry cases' table runs typing, pasting, erasing and steps through the window; these
    // are the keys it has no action for.
    void keysChangeOnlyWhatTheFieldTakes() {
        const struct {
            bool typingEnabled;
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QString text;  // "1" when the key changes nothing
            int beeps;
        } rows[] = {
            {false, "Ctrl+X cuts nothing", Qt::Key_X, Qt::ControlModifier, "1", 0},
            {false, "Left moves the cursor", Qt::Key_Left, Qt::NoModifier, "1", 0},
            {true, "point", Qt::Key_Period, Qt::NoModifier, ".", 0},
            {true, "Backspace", Qt::Key_Backspace, Qt::NoModifier, "", 0},
        };
        for (const auto& row : rows) {
            Scene scene(row.typingEnabled, QStringLiteral("1"));
            QGuiApplication::clipboard()->setText(QStringLiteral("7"));
            scene.spin->editor()->selectAll();
            QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);
            QTest::keyClick(scene.spin->editor(), row.key, row.modifiers);
            QVERIFY2(scene.spin->text() == row.text, row.name);
            QVERIFY2(scene.beeps == row.beeps, row.name);
            QVERIFY2(typedSpy.size() == (row.text == QStringLiteral("1") ? 0 : 1), row.name);
            QVERIFY2(QGuiApplication::clipboard()->text() == QStringLiteral("7"), row.name);
        }
    }

    // The step buttons and the loss of the focus run through the window in the entry table.
    void arrowKeysStep() {
        Scene scene(false, QStringLiteral("3"));
        QSignalSpy stepSpy(scene.spin, &SpinEdit::stepRequested);
        QTest::keyClick(scene.spin->editor(), Qt::Key_Up);
        QTest::keyClick(scene.spin->editor(), Qt::Key_Down);
        QCOMPARE(stepSpy.size(), 2);
        QCOMPARE(stepSpy.at(0).at(0).toInt(), 1);
        QCOMPARE(stepSpy.at(1).at(0).toInt(), -1);
        QCOMPARE(scene.spin->text(), QStringLiteral("3"));
    }

    // The validator guards the line edits too. An undecodable byte of a loaded file shows as
    // U+FFFD, which code page 932 cannot hold: characters code put there may stay, but the user
    // cannot add one more of them.
    void textFromCodeIsNeverRefused() {
        int beeps = 0;
        QLineEdit edit;
        new EntryValidator(
            LineEdit::Text, [&beeps] { ++beeps; }, &edit);
        edit.show();
        edit.setText(QStringLiteral("a\uFFFDb😀"));
        edit.end(false);
        test::type(&edit, QStringLiteral("c😀"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\uFFFD"));
        edit.paste();
        QCOMPARE(edit.text(), QStringLiteral("a\uFFFDb😀c"));
        QCOMPARE(beeps, 2);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("\uFFFDb😀c"));
        QCOMPARE(beeps, 2);
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::SpinEditTest)
#include "spin_edit_test.moc"
