#include "ui/spin_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace huewright {
namespace {

/// One key as a test presses it: a key code, or with Qt::Key_unknown the text an input method
/// types.
struct Key {
    const char* name;
    Qt::Key code;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text = QString();
};

void press(QWidget* widget, const Key& key) {
    QString text = key.text;
    if (text.isEmpty() && key.code >= Qt::Key_Space && key.code <= Qt::Key_AsciiTilde &&
        !(key.modifiers & Qt::ControlModifier)) {
        text = QChar(key.code);
    }
    QTest::sendKeyEvent(QTest::Click, widget, key.code, text, key.modifiers);
}

/// A shown window holding one spin edit under test and a second field to take the focus.
struct Scene {
    int beeps = 0;
    QWidget window;
    SpinEdit* spin;
    QLineEdit* other = new QLineEdit(&window);

    Scene(bool typingEnabled, const QString& text)
        : spin(new SpinEdit(
              typingEnabled, 2, [this] { ++beeps; }, &window)) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spin);
        layout->addWidget(other);
        spin->setFixedSize(33, 21);
        spin->setText(text);
        window.show();
        QApplication::setActiveWindow(&window);
        spin->setFocus();
        spin->editor()->end(false);
    }
};

}  // namespace

class SpinEditTest : public QObject {
    Q_OBJECT

  private slots:
    void typingDisabledRefusesEveryChange() {
        const struct {
            Key key;
            int beeps;
        } rows[] = {
            {{"digit", Qt::Key_5}, 1},
            {{"kana", Qt::Key_unknown, Qt::NoModifier, QStringLiteral("あ")}, 1},
            {{"Backspace", Qt::Key_Backspace}, 1},
            {{"Delete", Qt::Key_Delete}, 1},
            {{"Ctrl+V pastes nothing", Qt::Key_V, Qt::ControlModifier}, 0},
            {{"Ctrl+X cuts nothing", Qt::Key_X, Qt::ControlModifier}, 0},
            {{"Shift+Insert pastes nothing", Qt::Key_Insert, Qt::ShiftModifier}, 0},
            {{"Left moves the cursor", Qt::Key_Left}, 0},
        };
        for (const auto& row : rows) {
            Scene scene(false, QStringLiteral("3"));
            QGuiApplication::clipboard()->setText(QStringLiteral("7"));
            scene.spin->editor()->selectAll();
            QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);
            press(scene.spin->editor(), row.key);
            QVERIFY2(scene.spin->text() == QStringLiteral("3"), row.key.name);
            QVERIFY2(typedSpy.isEmpty(), row.key.name);
            QVERIFY2(scene.beeps == row.beeps, row.key.name);
            QVERIFY2(QGuiApplication::clipboard()->text() == QStringLiteral("7"), row.key.name);
        }
    }

    void typingEnabledTakesNumbersOnly() {
        const struct {
            Key key;
            QString text;
        } rows[] = {
            {{"digit", Qt::Key_7}, "17"},
            {{"plus", Qt::Key_Plus}, "1+"},
            {{"minus", Qt::Key_Minus}, "1-"},
            {{"point", Qt::Key_Period}, "1."},
            {{"Backspace", Qt::Key_Backspace}, ""},
            {{"letter", Qt::Key_A}, "1"},
            {{"comma", Qt::Key_Comma}, "1"},
            {{"full-width digit", Qt::Key_unknown, Qt::NoModifier, QStringLiteral("７")}, "1"},
            {{"Enter", Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}, "1"},
        };
        for (const auto& row : rows) {
            Scene scene(true, QStringLiteral("1"));
            QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);
            press(scene.spin->editor(), row.key);
            const bool taken = row.text != QStringLiteral("1");
            QVERIFY2(scene.spin->text() == row.text, row.key.name);
            QVERIFY2(scene.beeps == (taken ? 0 : 1), row.key.name);
            QVERIFY2(typedSpy.size() == (taken ? 1 : 0), row.key.name);
        }
        // The length limit stops typing without a beep.
        Scene scene(true, QString());
        QTest::keyClicks(scene.spin->editor(), QStringLiteral("123"));
        QCOMPARE(scene.spin->text(), QStringLiteral("12"));
        QCOMPARE(scene.beeps, 0);
    }

    void pasteWithARefusedCharacterIsRefusedWhole() {
        Scene scene(true, QString());
        QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);
        QGuiApplication::clipboard()->setText(QStringLiteral("4x"));
        scene.spin->editor()->paste();
        QCOMPARE(scene.spin->text(), QString());
        QCOMPARE(scene.beeps, 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("-4"));
        press(scene.spin->editor(), {"Ctrl+V", Qt::Key_V, Qt::ControlModifier});
        QCOMPARE(scene.spin->text(), QStringLiteral("-4"));
        QCOMPARE(scene.beeps, 1);
        QCOMPARE(typedSpy.size(), 1);
    }

    void arrowKeysAndButtonsStepAndFocusLossIsReported() {
        Scene scene(false, QStringLiteral("3"));
        QVERIFY(QTest::qWaitForWindowActive(&scene.window));
        QSignalSpy stepSpy(scene.spin, &SpinEdit::stepRequested);
        QSignalSpy focusSpy(scene.spin, &SpinEdit::focusLost);
        QTest::keyClick(scene.spin->editor(), Qt::Key_Up);
        QTest::keyClick(scene.spin->editor(), Qt::Key_Down);
        QTest::mouseClick(scene.spin->findChild<QToolButton*>("up"), Qt::LeftButton);
        QTest::mouseClick(scene.spin->findChild<QToolButton*>("down"), Qt::LeftButton);
        QCOMPARE(stepSpy.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(stepSpy.at(i).at(0).toInt(), i % 2 == 0 ? 1 : -1);
        }
        QCOMPARE(scene.spin->text(), QStringLiteral("3"));
        QVERIFY(scene.spin->editor()->hasFocus());
        QCOMPARE(focusSpy.size(), 0);
        scene.other->setFocus();
        QCOMPARE(focusSpy.size(), 1);
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::SpinEditTest)
#include "spin_edit_test.moc"
