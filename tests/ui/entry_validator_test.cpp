#include "ui/cp932_validator.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "ui_fixture.h"

namespace huewright {
namespace {

using test::type;

/// A shown line edit guarded by the validator, counting its beeps, its cursor at the end.
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
    // A paste keeps what code page 932 holds of its first line, drops the rest and beeps once; a
    // typed character is checked alike (the window's tests type one that is refused).
    void pasteKeepsWhatCodePage932Holds() {
        const struct {
            QString pasted;
            int selected;  // characters selected from the cursor
            QString text;
            int cursor;
            int beeps;
        } rows[] = {
            {"ab漢", 0, "xab漢y", 4, 0}, {"a😀b¥", 0, "xaby", 3, 1},
            {"😀é", 0, "xy", 1, 1},       {"😀", 1, "x", 1, 1},
            {"ab\ncd", 0, "xaby", 3, 1}, {"ab\r\ncd", 1, "xab", 3, 1},
            {"\nab", 0, "xy", 1, 1},     {"a\tb\x7f", 0, "xaby", 3, 1},
        };
        for (const auto& row : rows) {
            Scene scene(QStringLiteral("xy"));
            scene.edit.setSelection(1, row.selected);
            QGuiApplication::clipboard()->setText(row.pasted);
            QTest::keyClick(&scene.edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(scene.edit.text(), row.text);
            QCOMPARE(scene.edit.cursorPosition(), row.cursor);
            QCOMPARE(scene.beeps, row.beeps);
        }
    }

    // An undecodable byte of a loaded file shows as U+FFFD, which code page 932 cannot hold:
    // characters code put there may stay, but the user cannot add one more of them.
    void textFromCodeIsNeverRefused() {
        Scene scene{QString()};
        scene.edit.setText(QStringLiteral("a\uFFFDb😀"));
        scene.edit.end(false);
        type(&scene.edit, QStringLiteral("c😀"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\uFFFD"));
        scene.edit.paste();
        QCOMPARE(scene.edit.text(), QStringLiteral("a\uFFFDb😀c"));
        QCOMPARE(scene.beeps, 2);
        QTest::keyClick(&scene.edit, Qt::Key_Home);
        QTest::keyClick(&scene.edit, Qt::Key_Delete);
        QCOMPARE(scene.edit.text(), QStringLiteral("\uFFFDb😀c"));
        QCOMPARE(scene.beeps, 2);
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::Cp932ValidatorTest)
#include "cp932_validator_test.moc"
