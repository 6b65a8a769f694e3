#include "ui/cp932_validator.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace huewright {
namespace {

/// Types `text` one character (one code point) at a time, as a keyboard or input method would.
void type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

/// A shown line edit guarded by the validator, counting its beeps.
struct Scene {
    int beeps = 0;
    QLineEdit edit;

    explicit Scene(const QString& text) : edit(text) {
        new Cp932Validator([this] { ++beeps; }, &edit);
        edit.show();
        edit.end(false);
    }
};

}  // namespace

class Cp932ValidatorTest : public QObject {
    Q_OBJECT

  private slots:
    void typingKeepsToCodePage932_data();
    void typingKeepsToCodePage932();
    void pasteKeepsWhatCodePage932Holds_data();
    void pasteKeepsWhatCodePage932Holds();
    void textFromCodeIsNeverRefused();
    void guardsTheFieldOfAnEditableComboBox();
};

void Cp932ValidatorTest::typingKeepsToCodePage932_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("ASCII, kana and NEC circled digit") << "aあ①"
                                                       << "xaあ①" << 0;
    QTest::newRow("backslash and tilde") << "\\~"
                                         << "x\\~" << 0;
    QTest::newRow("half-width katakana") << "ｶﾗｰ"
                                         << "xｶﾗｰ" << 0;
    QTest::newRow("e acute") << "é"
                             << "x" << 1;
    QTest::newRow("emoji (a surrogate pair)") << "😀"
                                              << "x" << 1;
    QTest::newRow("yen sign") << "¥"
                              << "x" << 1;
    QTest::newRow("refused one stops only itself") << "aéb"
                                                   << "xab" << 1;
}

void Cp932ValidatorTest::typingKeepsToCodePage932() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    Scene scene(QStringLiteral("x"));

    type(&scene.edit, typed);

    QCOMPARE(scene.edit.text(), text);
    QCOMPARE(scene.beeps, beeps);
}

void Cp932ValidatorTest::pasteKeepsWhatCodePage932Holds_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("selected");  // characters selected from the cursor
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("beeps");
    QTest::newRow("all held") << "ab漢" << 0 << "xab漢y" << 4 << 0;
    QTest::newRow("several dropped, one beep") << "a😀b¥" << 0 << "xaby" << 3 << 1;
    QTest::newRow("nothing held changes nothing") << "😀é" << 0 << "xy" << 1 << 1;
    QTest::newRow("nothing held over a selection removes it") << "😀" << 1 << "x" << 1 << 1;
}

void Cp932ValidatorTest::pasteKeepsWhatCodePage932Holds() {
    QFETCH(QString, pasted);
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, beeps);
    Scene scene(QStringLiteral("xy"));
    scene.edit.setSelection(1, selected);
    QSignalSpy editedSpy(&scene.edit, &QLineEdit::textEdited);

    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&scene.edit, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(scene.edit.text(), text);
    QCOMPARE(scene.edit.cursorPosition(), cursor);
    QCOMPARE(scene.beeps, beeps);
    QCOMPARE(editedSpy.count(), text == QStringLiteral("xy") ? 0 : 1);
}

void Cp932ValidatorTest::textFromCodeIsNeverRefused() {
    // An undecodable byte of a loaded file shows as U+FFFD, which code page 932 cannot hold.
    Scene scene{QString()};
    scene.edit.setText(QStringLiteral("a\uFFFDb😀"));
    QCOMPARE(scene.beeps, 0);

    scene.edit.end(false);
    type(&scene.edit, QStringLiteral("c"));
    QCOMPARE(scene.edit.text(), QStringLiteral("a\uFFFDb😀c"));

    // Characters code put there may stay, but the user cannot add one more of them.
    type(&scene.edit, QStringLiteral("😀"));
    QGuiApplication::clipboard()->setText(QStringLiteral("\uFFFD"));
    scene.edit.paste();
    QCOMPARE(scene.edit.text(), QStringLiteral("a\uFFFDb😀c"));
    QCOMPARE(scene.beeps, 2);

    QTest::keyClick(&scene.edit, Qt::Key_Home);
    QTest::keyClick(&scene.edit, Qt::Key_Delete);
    QCOMPARE(scene.edit.text(), QStringLiteral("\uFFFDb😀c"));
    QCOMPARE(scene.beeps, 2);
}

void Cp932ValidatorTest::guardsTheFieldOfAnEditableComboBox() {
    int beeps = 0;
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    new Cp932Validator([&beeps] { ++beeps; }, combo.lineEdit());
    combo.show();

    combo.setCurrentIndex(1);
    combo.setEditText(QStringLiteral("ＭＳ Ｐゴシック"));
    combo.lineEdit()->end(false);
    type(combo.lineEdit(), QStringLiteral("é"));

    QCOMPARE(combo.currentText(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(beeps, 1);
}

}  // namespace huewright

QTEST_MAIN(huewright::Cp932ValidatorTest)
#include "cp932_validator_test.moc"
