#include "ui/entry_validator.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "ui_fixture.h"

namespace huewright {
namespace {

using test::type;

/// A shown line edit guarded by the validator as the text box, counting its beeps, its cursor at
/// the end.
struct Scene {
    int beeps = 0;
    QLineEdit edit;

    explicit Scene(const QString& text) : edit(text) {
        new EntryValidator(
            LineEdit::Text, [this] { ++beeps; }, &edit);
        edit.show();
        edit.end(false);
    }
};

}  // namespace

class EntryValidatorTest : public QObject {
    Q_OBJECT

  private slots:
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

QTEST_MAIN(huewright::EntryValidatorTest)
#include "entry_validator_test.moc"
