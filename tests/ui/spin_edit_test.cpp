#include "ui/spin_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace huewright {
namespace {

/// One key, as pressed in a test row: a key code, or a character typed with no key code.
struct Key {
    Qt::Key code = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

}  // namespace
}  // namespace huewright

Q_DECLARE_METATYPE(huewright::Key)

namespace huewright {
namespace {

Key key(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return {code, modifiers, QString()};
}

Key typed(const QString& text) {
    return {Qt::Key_unknown, Qt::NoModifier, text};
}

Key enter(Qt::Key code) {
    return {code, Qt::NoModifier, QStringLiteral("\r")};
}

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
    QLineEdit* other;

    Scene(bool typingEnabled, int maxLength, const QString& text)
        : spin(new SpinEdit(
              typingEnabled, maxLength, [this] { ++beeps; }, &window)),
          other(new QLineEdit(&window)) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spin);
        layout->addWidget(other);
        spin->setFixedSize(33, 21);
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
    void typingDisabledRefusesEveryChange_data();
    void typingDisabledRefusesEveryChange();
    void typingDisabledOffersOnlyCopyInTheEditMenu();
    void typingEnabledTakesNumbersOnly_data();
    void typingEnabledTakesNumbersOnly();
    void typingStopsAtTheLengthLimit();
    void pasteWithARefusedCharacterIsRefusedWhole();
    void textFromCodeEmitsNothing();
    void arrowKeysAndButtonsStep();
    void buttonsRepeatWhileHeld();
    void losingTheFocusIsReported();
};

void SpinEditTest::typingDisabledRefusesEveryChange_data() {
    QTest::addColumn<Key>("key");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digit") << key(Qt::Key_5) << 1;
    QTest::newRow("letter") << key(Qt::Key_A) << 1;
    QTest::newRow("minus") << key(Qt::Key_Minus) << 1;
    QTest::newRow("space") << key(Qt::Key_Space) << 1;
    QTest::newRow("kana") << typed(QStringLiteral("あ")) << 1;
    QTest::newRow("Backspace") << key(Qt::Key_Backspace) << 1;
    QTest::newRow("Delete") << key(Qt::Key_Delete) << 1;
    QTest::newRow("Ctrl+V pastes nothing") << key(Qt::Key_V, Qt::ControlModifier) << 0;
    QTest::newRow("Ctrl+X cuts nothing") << key(Qt::Key_X, Qt::ControlModifier) << 0;
    QTest::newRow("Shift+Insert pastes nothing") << key(Qt::Key_Insert, Qt::ShiftModifier) << 0;
    QTest::newRow("Left moves the cursor") << key(Qt::Key_Left) << 0;
    QTest::newRow("Home moves the cursor") << key(Qt::Key_Home) << 0;
    QTest::newRow("Ctrl+A selects") << key(Qt::Key_A, Qt::ControlModifier) << 0;
}

void SpinEditTest::typingDisabledRefusesEveryChange() {
    QFETCH(Key, key);
    QFETCH(int, beeps);
    Scene scene(false, 1, QStringLiteral("3"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    scene.spin->editor()->selectAll();
    QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);

    press(scene.spin->editor(), key);

    QCOMPARE(scene.spin->text(), QStringLiteral("3"));
    QCOMPARE(scene.beeps, beeps);
    QCOMPARE(typedSpy.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
}

void SpinEditTest::typingDisabledOffersOnlyCopyInTheEditMenu() {
    Scene scene(false, 1, QStringLiteral("3"));
    scene.spin->editor()->selectAll();

    const std::unique_ptr<QMenu> menu(scene.spin->editor()->createStandardContextMenu());

    QStringList enabled;
    for (const QAction* action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator()) {
            enabled << action->text().section(u'\t', 0, 0).remove(u'&');
        }
    }
    QCOMPARE(enabled, QStringList{QStringLiteral("Copy")});
}

void SpinEditTest::typingEnabledTakesNumbersOnly_data() {
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digit") << key(Qt::Key_7) << "17" << 0;
    QTest::newRow("plus") << key(Qt::Key_Plus) << "1+" << 0;
    QTest::newRow("minus") << key(Qt::Key_Minus) << "1-" << 0;
    QTest::newRow("point") << key(Qt::Key_Period) << "1." << 0;
    QTest::newRow("Backspace") << key(Qt::Key_Backspace) << "" << 0;
    QTest::newRow("letter") << key(Qt::Key_A) << "1" << 1;
    QTest::newRow("space") << key(Qt::Key_Space) << "1" << 1;
    QTest::newRow("comma") << key(Qt::Key_Comma) << "1" << 1;
    QTest::newRow("full-width digit") << typed(QStringLiteral("７")) << "1" << 1;
    QTest::newRow("Enter") << enter(Qt::Key_Return) << "1" << 1;
    QTest::newRow("keypad Enter") << enter(Qt::Key_Enter) << "1" << 1;
}

void SpinEditTest::typingEnabledTakesNumbersOnly() {
    QFETCH(Key, key);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    Scene scene(true, 2, QStringLiteral("1"));
    scene.spin->editor()->end(false);
    QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);

    press(scene.spin->editor(), key);

    QCOMPARE(scene.spin->text(), text);
    QCOMPARE(scene.beeps, beeps);
    QCOMPARE(typedSpy.count(), beeps == 0 ? 1 : 0);
    if (beeps == 0) {
        QCOMPARE(typedSpy.at(0).at(0).toString(), text);
    }
}

void SpinEditTest::typingStopsAtTheLengthLimit() {
    Scene scene(true, 2, QString());
    QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);

    QTest::keyClicks(scene.spin->editor(), QStringLiteral("123"));

    QCOMPARE(scene.spin->text(), QStringLiteral("12"));
    QCOMPARE(typedSpy.count(), 2);
    QCOMPARE(scene.beeps, 0);
}

void SpinEditTest::pasteWithARefusedCharacterIsRefusedWhole() {
    Scene scene(true, 2, QString());
    QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);

    QGuiApplication::clipboard()->setText(QStringLiteral("4x"));
    scene.spin->editor()->paste();
    QCOMPARE(scene.spin->text(), QString());
    QCOMPARE(scene.beeps, 1);
    QCOMPARE(typedSpy.count(), 0);

    QGuiApplication::clipboard()->setText(QStringLiteral("-4"));
    press(scene.spin->editor(), key(Qt::Key_V, Qt::ControlModifier));
    QCOMPARE(scene.spin->text(), QStringLiteral("-4"));
    QCOMPARE(scene.beeps, 1);
    QCOMPARE(typedSpy.count(), 1);
}

void SpinEditTest::textFromCodeEmitsNothing() {
    for (const bool typingEnabled : {false, true}) {
        Scene scene(typingEnabled, 2, QStringLiteral("3"));
        QSignalSpy typedSpy(scene.spin, &SpinEdit::textTyped);
        QSignalSpy stepSpy(scene.spin, &SpinEdit::stepRequested);

        scene.spin->setText(QStringLiteral("12"));
        scene.spin->setText(QString());

        QCOMPARE(scene.spin->text(), QString());
        QCOMPARE(typedSpy.count(), 0);
        QCOMPARE(stepSpy.count(), 0);
        QCOMPARE(scene.beeps, 0);
    }
}

void SpinEditTest::arrowKeysAndButtonsStep() {
    Scene scene(false, 1, QStringLiteral("3"));
    QSignalSpy stepSpy(scene.spin, &SpinEdit::stepRequested);
    auto* up = scene.spin->findChild<QToolButton*>(QStringLiteral("up"));
    auto* down = scene.spin->findChild<QToolButton*>(QStringLiteral("down"));
    QVERIFY(up && down);

    QTest::keyClick(scene.spin->editor(), Qt::Key_Up);
    QTest::keyClick(scene.spin->editor(), Qt::Key_Down);
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);

    QCOMPARE(stepSpy.count(), 4);
    QCOMPARE(stepSpy.at(0).at(0).toInt(), 1);
    QCOMPARE(stepSpy.at(1).at(0).toInt(), -1);
    QCOMPARE(stepSpy.at(2).at(0).toInt(), 1);
    QCOMPARE(stepSpy.at(3).at(0).toInt(), -1);
    QCOMPARE(scene.spin->text(), QStringLiteral("3"));
    QCOMPARE(scene.beeps, 0);
    QVERIFY(scene.spin->editor()->hasFocus());
}

void SpinEditTest::buttonsRepeatWhileHeld() {
    Scene scene(false, 1, QStringLiteral("3"));
    for (const char* name : {"up", "down"}) {
        auto* button = scene.spin->findChild<QToolButton*>(QLatin1String(name));
        QVERIFY(button);
        QVERIFY(button->autoRepeat());
        QCOMPARE(button->autoRepeatDelay(), 400);
        QCOMPARE(button->autoRepeatInterval(), 100);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
}

void SpinEditTest::losingTheFocusIsReported() {
    Scene scene(true, 2, QStringLiteral("3"));
    QVERIFY(QTest::qWaitForWindowActive(&scene.window));
    scene.spin->setFocus();
    QVERIFY(scene.spin->editor()->hasFocus());
    QSignalSpy focusSpy(scene.spin, &SpinEdit::focusLost);

    scene.other->setFocus();

    QCOMPARE(focusSpy.count(), 1);
}

}  // namespace huewright

QTEST_MAIN(huewright::SpinEditTest)
#include "spin_edit_test.moc"
