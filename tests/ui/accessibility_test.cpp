#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "controls/gradient_label.h"
#include "ui/accessibility.h"
#include "ui/spin_edit.h"
#include "ui/value_widgets.h"

namespace huewright {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    // The announcements of changes need the desktop's bus: the bus test hears them.
    void initTestCase() { installAccessibility(); }

    // A spin edit and its editor are one spin button with the value, the range and no children;
    // a value set by a reader becomes a step.
    void spinEditIsOneSpinButton() {
        SpinEdit spin(SpinField::Size, [] {});
        spin.setAccessibleName(QStringLiteral("文字の大きさ"));
        spin.setText(QStringLiteral("3"));
        for (QObject* object :
             {static_cast<QObject*>(&spin), static_cast<QObject*>(spin.editor())}) {
            QAccessibleInterface* iface = accessible(object);
            QCOMPARE(iface->role(), QAccessible::SpinBox);
            QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("文字の大きさ"));
            QCOMPARE(iface->childCount(), 0);
            QAccessibleValueInterface* value = iface->valueInterface();
            QCOMPARE(value->currentValue().toInt(), 3);
            QCOMPARE(value->minimumValue().toInt(), 1);
            QCOMPARE(value->maximumValue().toInt(), 7);
        }
        QCOMPARE(accessible(spin.editor())->parent(), accessible(&spin));
        QSignalSpy steps(&spin, &SpinEdit::stepRequested);
        accessible(&spin)->valueInterface()->setCurrentValue(5);
        QCOMPARE(steps.value(0).value(0).toInt(), 2);
    }

    // A colour panel's value is its code, the length label's the length, and a gradient label is
    // named by its caption; the window's tests show their roles and the panels' names.
    void valuesAndCaptionsAreSpoken() {
        ColourPanel panel;
        panel.setColour(0x0080FF, QStringLiteral("#FF8000"));
        QCOMPARE(accessible(&panel)->text(QAccessible::Value), QStringLiteral("#FF8000"));
        QCOMPARE(accessible(&panel)->valueInterface()->currentValue().toInt(), 0xFF8000);
        LengthLabel length;
        length.setLength(140);
        QCOMPARE(length.text(), QStringLiteral("(140)"));
        QCOMPARE(accessible(&length)->valueInterface()->currentValue().toInt(), 140);
        GradientLabel label;
        label.setCaption("Version 1.0.0");
        QCOMPARE(accessible(&label)->text(QAccessible::Name), QStringLiteral("Version 1.0.0"));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::AccessibilityTest)
#include "accessibility_test.moc"
