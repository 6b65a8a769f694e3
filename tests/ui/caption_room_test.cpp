// Every caption of the three windows' layout tables fits the room its control gives it, in the
// fonts and the style the program draws with.
#include <QDialog>
#include <QStyleOption>
#include <QTest>

#include "../persistence/memory_file_system.h"
#include "fake_platform.h"
#include "ui/classic_style.h"
#include "ui/colour_code_dialog.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/settings_dialog.h"

namespace huewright {
namespace {

/// The width the caption takes and the width its control leaves it, or {0, 0} for no caption.
std::pair<int, int> captionFit(const ControlLayout& control, const QWidget* widget) {
    const QString caption = QString::fromUtf8(control.caption);
    const QStyle* style = widget->style();
    QStyleOptionButton button;
    button.initFrom(widget);
    button.text = caption;
    int width = 0;
    for (const QChar character : caption) {
        width += widget->fontMetrics().horizontalAdvance(character);
    }
    const auto room = [&](QStyle::SubElement element) {
        return std::pair(width, style->subElementRect(element, &button, widget).width());
    };
    switch (control.kind) {
        case ControlKind::CheckBox:
            return room(QStyle::SE_CheckBoxContents);
        case ControlKind::RadioButton:
            return room(QStyle::SE_RadioButtonContents);
        case ControlKind::Button:
            return room(QStyle::SE_PushButtonContents);
        case ControlKind::GradientLabel:  // drawn character by character
            return {width, widget->width()};
        default:
            return {0, 0};
    }
}

}  // namespace

class CaptionRoomTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionFits() {
        installFaceSubstitutes();
        installClassicStyle();
        test::MemoryFileSystem files;
        FakePlatform platform;
        MainWindowModel model(files);
        MainWindow form(model, platform);
        const std::pair<QWidget*, std::span<const ControlLayout>> windows[] = {
            {form.centralWidget(), mainWindowLayout()},
            {form.findChild<QDialog*>(QStringLiteral("stat_form")), settingsDialogLayout()},
            {form.findChild<QDialog*>(QStringLiteral("colorform")), colourCodeDialogLayout()},
        };
        QStringList tooWide;
        for (const auto& [window, layout] : windows) {
            for (const ControlLayout& control : layout) {
                const auto* widget = window->findChild<QWidget*>(
                    QString::fromLatin1(control.name.data(), qsizetype(control.name.size())));
                if (const auto [needed, room] = captionFit(control, widget); needed > room) {
                    tooWide.append(QStringLiteral("%1 %2 > %3")
                                       .arg(widget->objectName())
                                       .arg(needed)
                                       .arg(room));
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral(", "))));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::CaptionRoomTest)
#include "caption_room_test.moc"
