#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <map>

#include "controls/gradient_label.h"
#include "fake_platform.h"
#include "model/main_window_model.h"
#include "support/memory_file_system.h"
#include "ui/accessibility.h"
#include "ui/control_layout.h"
#include "ui/image_view.h"
#include "ui/main_window.h"
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

    // Every control of the layout tables that takes the focus or shows a value has a name and
    // the role a screen reader expects of its kind.
    void layoutTablesNameEveryControl() {
        const std::map<ControlKind, QAccessible::Role> roles = {
            {ControlKind::ColourPanel, QAccessible::Graphic},
            {ControlKind::Image, QAccessible::Graphic},
            {ControlKind::LineEdit, QAccessible::EditableText},
            {ControlKind::MarkupEdit, QAccessible::EditableText},
            {ControlKind::ComboBox, QAccessible::ComboBox},
            {ControlKind::FixedSpinEdit, QAccessible::SpinBox},
            {ControlKind::TypingSpinEdit, QAccessible::SpinBox},
            {ControlKind::Button, QAccessible::Button},
            {ControlKind::CheckBox, QAccessible::CheckBox},
            {ControlKind::RadioButton, QAccessible::RadioButton},
            {ControlKind::LengthLabel, QAccessible::StaticText},
            {ControlKind::GradientLabel, QAccessible::StaticText},
            {ControlKind::GroupBox, QAccessible::Grouping},
        };
        test::MemoryFileSystem files;
        FakePlatform platform;
        MainWindowModel model(files);
        MainWindow form(model, platform);
        form.startUp("/work");
        for (const WindowLayout* layout : allWindowLayouts()) {
            const QWidget* window = layout->name == nameOf(Window::Main)
                                        ? &form
                                        : form.findChild<QWidget*>(qtName(layout->name));
            for (const ControlLayout& control : layout->controls) {
                const auto role = roles.find(control.kind);
                if (role == roles.end()) {
                    continue;  // frames and containers that neither take the focus nor show
                }
                auto* widget = window->findChild<QWidget*>(qtName(control.name));
                QAccessibleInterface* iface = accessible(widget);
                const QByteArray where = qtName(control.name).toLatin1();
                QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), where.data());
                QVERIFY2(iface->role() == role->second, where.data());
                // On Linux a combo box is named by its text, as Qt has it.
                if (*control.accessibleName != '\0' && control.kind != ControlKind::ComboBox) {
                    QCOMPARE(iface->text(QAccessible::Name),
                             QString::fromUtf8(control.accessibleName));
                }
                // The preview is described by its text instead.
                if (*control.hint != '\0' && control.kind != ControlKind::Image) {
                    QCOMPARE(iface->text(QAccessible::Description),
                             QString::fromUtf8(control.hint));
                }
            }
        }
    }

    // A spin edit and its editor are one spin button with the value, the range and no children;
    // a value set by a reader becomes a step.
    void spinEditIsOneSpinButton() {
        SpinEdit spin(false, 1, [] {});
        spin.setAccessibleName(QStringLiteral("文字の大きさ"));
        spin.setRange({1, 7});
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

    // A colour panel is a graphic whose value is its code.
    void colourPanelSaysItsColour() {
        ColourPanel panel;
        panel.setAccessibleName(QStringLiteral("開始色"));
        panel.setColour(0x0080FF, QStringLiteral("#FF8000"));
        QAccessibleInterface* iface = accessible(&panel);
        QCOMPARE(iface->role(), QAccessible::Graphic);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("開始色"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("#FF8000"));
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), 0xFF8000);
    }

    void lengthLabelSaysTheLength() {
        LengthLabel label;
        label.setLength(140);
        QCOMPARE(label.text(), QStringLiteral("(140)"));
        QCOMPARE(accessible(&label)->valueInterface()->currentValue().toInt(), 140);
    }

    void gradientLabelIsNamedByItsCaption() {
        GradientLabel label;
        label.setCaption("Version 1.0.0");
        QCOMPARE(accessible(&label)->role(), QAccessible::StaticText);
        QCOMPARE(accessible(&label)->text(QAccessible::Name), QStringLiteral("Version 1.0.0"));
    }

    // The preview is a graphic described by the text it shows, as the window keeps it.
    void previewIsDescribedByItsText() {
        test::MemoryFileSystem files;
        FakePlatform platform;
        MainWindowModel model(files);
        MainWindow form(model, platform);
        form.startUp("/work");
        auto* edit = findControl<QLineEdit>(&form, LineEdit::Text);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QAccessibleInterface* preview =
            accessible(findControl<ImageView>(&form, WindowPart::Preview));
        QCOMPARE(preview->role(), QAccessible::Graphic);
        QCOMPARE(preview->text(QAccessible::Description), QStringLiteral("abc"));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::AccessibilityTest)
#include "accessibility_test.moc"
