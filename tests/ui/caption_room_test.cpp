// Every caption of the three windows' layout tables fits the room its control gives it, in the
// fonts and the style the program draws with.
#include <QDialog>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <optional>

#include "../persistence/memory_file_system.h"
#include "controls/gradient_label.h"
#include "fake_platform.h"
#include "ui/classic_style.h"
#include "ui/colour_code_dialog.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/qt_text.h"
#include "ui/settings_dialog.h"
#include "ui/spin_edit.h"

namespace huewright {
namespace {

/// The width a caption takes and the width its control leaves for it, in pixels.
struct Fit {
    int needed;
    int room;
};

QStyleOptionButton buttonOption(const QWidget* widget, const QString& caption) {
    QStyleOptionButton option;
    option.initFrom(widget);
    option.text = caption;
    return option;
}

std::optional<Fit> captionFit(const ControlLayout& control, QWidget* widget) {
    const QString caption = QString::fromUtf8(control.caption);
    const QFontMetrics metrics = widget->fontMetrics();
    const int width = metrics.horizontalAdvance(caption);
    const QStyle* style = widget->style();
    switch (control.kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            const QStyleOptionButton option = buttonOption(widget, caption);
            const auto contents = control.kind == ControlKind::CheckBox
                                      ? QStyle::SE_CheckBoxContents
                                      : QStyle::SE_RadioButtonContents;
            return Fit{width, style->subElementRect(contents, &option, widget).width()};
        }
        case ControlKind::Button: {
            const QStyleOptionButton option = buttonOption(widget, caption);
            return Fit{
                width,
                style->subElementRect(QStyle::SE_PushButtonContents, &option, widget).width()};
        }
        case ControlKind::GroupBox: {
            QStyleOptionGroupBox option;
            option.initFrom(widget);
            option.text = caption;
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.textAlignment = Qt::AlignLeft;
            const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, widget);
            // The caption sits on the frame, as far in from its right end as from its left.
            return Fit{label.width(), widget->width() - 2 * label.left()};
        }
        case ControlKind::FixedSpinEdit:
        case ControlKind::TypingSpinEdit: {
            QLineEdit* editor = static_cast<SpinEdit*>(widget)->editor();
            QStyleOptionFrame option;
            option.initFrom(editor);
            option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, editor);
            const QRect contents =
                style->subElementRect(QStyle::SE_LineEditContents, &option, editor);
            const QMargins margins = editor->textMargins();
            // A line edit keeps two pixels clear either side of its text.
            return Fit{width, contents.width() - margins.left() - margins.right() - 2 * 2};
        }
        case ControlKind::GradientLabel: {
            // The label draws each character at its own advance.
            int drawn = 0;
            for (const QChar character : caption) {
                drawn += metrics.horizontalAdvance(character);
            }
            return Fit{drawn, widget->width()};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

class CaptionRoomTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installFaceSubstitutes();
        installClassicStyle();
    }

    void everyCaptionFits() {
        test::MemoryFileSystem files;
        FakePlatform platform;
        MainWindowModel model(files);
        MainWindow form(model, platform);
        form.startUp("/work");
        const struct {
            QWidget* window;
            std::span<const ControlLayout> layout;
        } windows[] = {
            {form.centralWidget(), mainWindowLayout()},
            {form.findChild<QDialog*>(QStringLiteral("stat_form")), settingsDialogLayout()},
            {form.findChild<QDialog*>(QStringLiteral("colorform")), colourCodeDialogLayout()},
        };
        QStringList tooWide;
        for (const auto& [window, layout] : windows) {
            for (const ControlLayout& control : layout) {
                QWidget* widget = window->findChild<QWidget*>(
                    QString::fromLatin1(control.name.data(), qsizetype(control.name.size())));
                QVERIFY(widget != nullptr);
                if (const std::optional<Fit> fit = captionFit(control, widget);
                    fit && fit->needed > fit->room) {
                    tooWide.append(QStringLiteral("%1/%2 \"%3\": %4 > %5")
                                       .arg(window->objectName(), widget->objectName(),
                                            QString::fromUtf8(control.caption))
                                       .arg(fit->needed)
                                       .arg(fit->room));
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral("; "))));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::CaptionRoomTest)
#include "caption_room_test.moc"
