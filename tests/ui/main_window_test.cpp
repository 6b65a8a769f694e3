#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

#include <map>
#include <memory>
#include <optional>
#include <variant>

#include "controls/gradient_label.h"
#include "model/entry_rules.h"
#include "support/entry_cases.h"
#include "text/cp932.h"
#include "ui/classic_style.h"
#include "ui/colour_code_dialog.h"
#include "ui/fonts.h"
#include "ui/markup_edit.h"
#include "ui/qt_drawing_surface.h"
#include "ui/settings_dialog.h"
#include "ui/spin_edit.h"
#include "ui/translations.h"
#include "ui/value_widgets.h"
#include "ui_fixture.h"
#include "version.h"

namespace huewright {

using test::type;

namespace {

/// The width a control's caption takes and the width the control leaves it, or {0, 0} for a
/// control without a caption.
std::pair<int, int> captionFit(const ControlLayout& control, const QWidget* widget,
                               const QString& caption) {
    QStyleOptionButton button;
    button.initFrom(widget);
    button.text = caption;
    int width = 0;
    for (const QChar character : caption) {
        width += widget->fontMetrics().horizontalAdvance(character);
    }
    const auto room = [&](QStyle::SubElement element) {
        return std::pair(width, widget->style()->subElementRect(element, &button, widget).width());
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

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::WindowScene> scene_;

    test::MemoryFileSystem& files() { return scene_->files; }
    FakePlatform& platform() { return scene_->platform; }
    MainWindowModel& model() { return scene_->model; }
    MainWindow& form() { return scene_->form; }
    std::string& lumoIni() { return files().files["/work/lumo.ini"]; }
    template <typename T = QWidget, typename Control>
    T* widget(Control control) {
        return findControl<T>(&form(), control);
    }
    int regenerations() { return model().regenerationCount(); }
    // The regenerations `change` causes.
    template <typename Change>
    int regenerationsOf(Change change) {
        const int before = regenerations();
        change();
        return regenerations() - before;
    }
    QString markup() { return QString::fromStdString(cp932ToUtf8(model().markup())); }
    QString shownMarkup() { return widget<MarkupEdit>(WindowPart::Markup)->markup(); }
    template <typename Control>
    void click(Control control) {
        QTest::mouseClick(widget<QAbstractButton>(control), Qt::LeftButton);
    }
    void trigger(MenuItem item) { findControl<QAction>(&form(), item)->trigger(); }

    // The controls that hold the focus on `presses` presses of Tab from Edit1; a spin edit's or
    // combo box's focus sits in its editor, which counts as the control. An edit that Tab
    // reaches without its whole text selected counts with a "!".
    QStringList tabRound(qsizetype presses) {
        widget(LineEdit::Text)->setFocus();
        QStringList order;
        for (qsizetype i = 0; i < presses; ++i) {
            const auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            const bool unselected = i > 0 && edit && edit->selectedText() != edit->text();
            QWidget* owner = QApplication::focusWidget();
            while (owner != nullptr && owner->parentWidget() != form().centralWidget() &&
                   owner->parentWidget() != widget(WindowPart::ModeGroup)) {
                owner = owner->parentWidget();
            }
            order.append((owner != nullptr ? owner->objectName() : QStringLiteral("?")) +
                         (unselected ? QStringLiteral("!") : QString()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return order;
    }

    // Opens the settings dialog from the menu; `script` does what the user does in it.
    void openSettings(const std::function<void(QDialog&)>& script) {
        platform().modalScript = script;
        trigger(MenuItem::StartupSettings);
    }
    template <typename T = QAbstractButton>
    static T* in(QDialog& dialog, SettingsControl control) {
        return findControl<T>(&dialog, control);
    }
    static void press(QDialog& dialog, SettingsControl control) {
        QTest::mouseClick(in(dialog, control), Qt::LeftButton);
    }

  private slots:
    // The fonts and the style the program draws with.
    void initTestCase() {
        installFaceSubstitutes();
        installClassicStyle();
    }

    void init() {
        scene_ = std::make_unique<test::WindowScene>();
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }

    void cleanup() { scene_.reset(); }

    // Every window has the title and client area of its layout table, and every control the
    // place, caption and tooltip, with room for the caption, and the name and role a screen
    // reader expects of its kind, in each language. The table itself is sound: controls stay
    // within their parent and clear of their neighbours (the classic layout leaves a few pixels
    // of slack).
    void everyWindowMatchesItsLayoutTable_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Japanese") << Language::Japanese;
        QTest::newRow("English") << Language::English;
    }
    void everyWindowMatchesItsLayoutTable() {
        QFETCH(Language, language);
        speak(language);
        QCoreApplication::processEvents();
        const auto said = [&](const char* japanese) {
            const std::string_view text = inLanguage(japanese, language);
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        };
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
        // The preview is described by the text it shows, as the window keeps it.
        auto* edit = widget<QLineEdit>(LineEdit::Text);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QStringList tooWide;
        for (const WindowLayout* layout : allWindowLayouts()) {
            QWidget* window = scene_->window(*layout);
            const QRect client(0, 0, layout->clientWidth, layout->clientHeight);
            QCOMPARE(window->windowTitle(), said(layout->title));
            QCOMPARE((window == &form() ? form().centralWidget() : window)->rect(), client);
            const auto named = [&](std::string_view name) {
                return window->findChild<QWidget*>(qtName(name));
            };
            for (const ControlLayout& control : layout->controls) {
                QWidget* w = named(control.name);
                const QByteArray name = w->objectName().toUtf8();
                const QRect place(control.geometry.left, control.geometry.top,
                                  control.geometry.width, control.geometry.height);
                QCOMPARE(w->geometry(),
                         control.geometry.hasSize() ? place : QRect(place.topLeft(), w->size()));
                QCOMPARE(w->toolTip(), said(control.hint));
                if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                    QCOMPARE(button->text(), said(control.caption));
                }
                const QString caption = control.kind == ControlKind::GradientLabel
                                            ? QString::fromUtf8(control.caption)
                                            : said(control.caption);
                if (const auto [needed, room] = captionFit(control, w, caption); needed > room) {
                    tooWide.append(QStringLiteral("%1 %2 > %3").arg(name).arg(needed).arg(room));
                }
                const QRect parent =
                    control.parent.empty() ? client : named(control.parent)->rect();
                QVERIFY2(parent.adjusted(0, 0, 8, 0).contains(w->geometry()), name.data());
                for (const ControlLayout& other : layout->controls) {
                    if (&other == &control || other.parent != control.parent ||
                        other.kind == ControlKind::Bevel || control.kind == ControlKind::Bevel ||
                        other.kind == ControlKind::Container ||
                        control.kind == ControlKind::Container) {
                        continue;
                    }
                    const QRect overlap = w->geometry() & named(other.name)->geometry();
                    QVERIFY2(overlap.width() <= 3 || overlap.height() <= 3, name.data());
                }
                const auto role = roles.find(control.kind);
                if (role == roles.end()) {
                    continue;  // frames and containers that neither take the focus nor show
                }
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), name.data());
                QVERIFY2(iface->role() == role->second, name.data());
                // On Linux a combo box is named by its text, as Qt has it.
                if (*control.accessibleName != '\0' && control.kind != ControlKind::ComboBox) {
                    QCOMPARE(iface->text(QAccessible::Name), said(control.accessibleName));
                }
                const QString description =
                    w == widget(WindowPart::Preview) ? QStringLiteral("abc") : said(control.hint);
                if (!description.isEmpty()) {
                    QCOMPARE(iface->text(QAccessible::Description), description);
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral(", "))));
        // The menus speak it too.
        for (const MenuLayout& entry : mainMenuLayout()) {
            if (entry.kind == MenuLayout::Kind::Item) {
                QCOMPARE(form().findChild<QAction*>(qtName(entry.name))->text(),
                         said(entry.caption));
            }
        }
        speak(Language::Japanese);
        QCoreApplication::processEvents();
    }

    // The menu switches every window at once, the state kept, and lumo.ini remembers it.
    void theLanguageMenuSwitchesAndRemembers() {
        type(widget<QLineEdit>(LineEdit::Text), QStringLiteral("xyz"));
        trigger(MenuItem::Language);
        QCoreApplication::processEvents();
        QCOMPARE(widget<QAbstractButton>(Button::Swap)->text(), QStringLiteral("Swap"));
        QCOMPARE(findControl<QAction>(&form(), MenuItem::Language)->text(),
                 QStringLiteral("日本語(&L)"));
        QCOMPARE(widget<QLineEdit>(LineEdit::Text)->text(), QStringLiteral("xyz"));
        QVERIFY(lumoIni().ends_with("[HuewrightHTML]\r\nLanguage=en\r\n"));
        // Qt's own dialogs follow: their buttons in English, then in Japanese where Qt has it.
        const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        QCOMPARE(cancel(), QStringLiteral("Cancel"));
        trigger(MenuItem::Language);
        QCoreApplication::processEvents();
        QCOMPARE(widget<QAbstractButton>(Button::Swap)->text(), QStringLiteral("色反転"));
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_ja.qm"))) {
            QCOMPARE(cancel(), QStringLiteral("キャンセル"));
        }
    }

    // 拡張 makes the markup with its stops and blend, as the generator makes it from those
    // options; a colour added through the colour dialog joins the list; a list that cannot be
    // read is refused with its reason, the dialog open and the markup as it was.
    void extendedDialogMakesTheMarkupWithItsOptions() {
        const auto in = [](QDialog& dialog, ExtendedControl control) {
            return findControl<QWidget>(&dialog, control);
        };
        platform().colourAnswers = {0xFF0000};
        platform().modalScript = [&](QDialog& dialog) {
            type(in(dialog, ExtendedControl::Stops), QStringLiteral("#FF0000,#00FF00"));
            QTest::mouseClick(in(dialog, ExtendedControl::AddStop), Qt::LeftButton);
            QTest::mouseClick(in(dialog, ExtendedControl::Oklab), Qt::LeftButton);
            QTest::mouseClick(in(dialog, ExtendedControl::Ok), Qt::LeftButton);
        };
        trigger(MenuItem::Extended);
        OutputOptions options;
        options.stops = {0x0000FF, 0x00FF00, 0xFF0000};
        options.blend = Blend::Oklab;
        QCOMPARE(markup(),
                 QString::fromStdString(cp932ToUtf8(buildOutput(model().snapshot(), options))));
        QCOMPARE(shownMarkup(), markup());

        const QString before = markup();
        platform().modalScript = [&](QDialog& dialog) {
            type(in(dialog, ExtendedControl::Stops), QStringLiteral(",x"));
            QTest::mouseClick(in(dialog, ExtendedControl::Ok), Qt::LeftButton);
            QVERIFY(!platform().errors.isEmpty());
            QTest::mouseClick(in(dialog, ExtendedControl::Cancel), Qt::LeftButton);
        };
        trigger(MenuItem::Extended);
        QVERIFY(platform().errors.last().startsWith(QStringLiteral("色の並びを読めません（")));
        QCOMPARE(markup(), before);
    }

    void startState() {
        // The window opens with the focus in the text and all of it selected.
        QCOMPARE(QApplication::focusWidget(), widget(LineEdit::Text));
        QCOMPARE(widget<QLineEdit>(LineEdit::Text)->selectedText(),
                 QStringLiteral("HuewrightHTML!"));
    }

    void tabOrderFollowsTheLayout() {
        // Tab skips disabled controls, and the size pattern disables Fsize and SS while it
        // enables its own five; so go round once with the pattern off and once with it on.
        click(CheckBox::Frame);
        click(CheckBox::Link);
        click(CheckBox::ThreeColours);
        const QStringList expected = tabOrder(mainWindowLayout().controls);
        const auto without = [&](std::initializer_list<std::string_view> names) {
            QStringList order = expected;
            for (const std::string_view name : names) {
                order.removeAll(qtName(name));
            }
            return order;
        };
        // Tab enters a radio group at its checked button only.
        const QStringList withoutPattern =
            without({nameOf(RadioButton::Alternate), nameOf(RadioButton::FallingPattern),
                     nameOf(RadioButton::ValleyPattern), nameOf(SpinField::PatternMax),
                     nameOf(SpinField::PatternMin), nameOf(RadioButton::AlternatingPattern)});
        QCOMPARE(tabRound(withoutPattern.size()), withoutPattern);
        click(CheckBox::SizePattern);
        click(RadioButton::Alternate);
        const QStringList withPattern = without(
            {nameOf(SpinField::Size), nameOf(CheckBox::UseSize), nameOf(RadioButton::Gradient),
             nameOf(RadioButton::ValleyPattern), nameOf(RadioButton::AlternatingPattern)});
        QCOMPARE(tabRound(withPattern.size()), withPattern);
    }

    // One regeneration a key, and the text and markup stay whole far past a line edit's usual
    // 32767 characters, up to the bound.
    void typingRegeneratesOncePerKey() {
        auto* edit = widget<QLineEdit>(LineEdit::Text);
        edit->clear();
        QCOMPARE(regenerationsOf([&] { type(edit, QStringLiteral("aあb")); }), 3);
        QCOMPARE(model().text(LineEdit::Text), std::string("a\x82\xa0") + "b");
        edit->insert(QString(39999, QLatin1Char('x')));  // as a paste
        type(edit, QStringLiteral("y"));
        QCOMPARE(shownMarkup(), markup());
        QVERIFY(markup().endsWith(QStringLiteral(">y</FONT></FONT><BR>")));
        // Past the bound the paste is refused with a message, and the text before it stays.
        edit->insert(QString(1'000'000, QLatin1Char('z')));
        QCOMPARE(platform().errors,
                 QStringList{QStringLiteral("テキスト は 1000000 文字までです.")});
        QCOMPARE(edit->text().size(), 40003);
    }

    // The entry rules' table, run through the window's widgets: typing, pasting, keys and steps
    // each from a fresh window, with the control enabled where the window starts it disabled.
    void entryCasesThroughTheWidgets() {
        for (const test::EntryCase& row : test::readEntryCases()) {
            const QByteArray name = QByteArray::fromStdString(row.name);
            init();
            const std::optional<EntryControl> control =
                entryControlNamed(Window::Main, row.control);
            QVERIFY2(control, name);
            const auto* spin = std::get_if<SpinField>(&*control);
            if (control == EntryControl(SpinField::FrameWidth)) {
                click(CheckBox::Frame);
            } else if (spin != nullptr && *spin != SpinField::Size) {
                click(CheckBox::SizePattern);
            } else if (control == EntryControl(LineEdit::LinkTarget)) {
                click(CheckBox::Link);
            }
            QLineEdit* box = spin != nullptr ? widget<SpinEdit>(*spin)->editor()
                             : control == EntryControl(WindowPart::FaceName)
                                 ? widget<QComboBox>(WindowPart::FaceName)->lineEdit()
                                 : widget<QLineEdit>(std::get<LineEdit>(*control));
            const QString before = QString::fromStdString(row.before);
            const QString whole = before + QString::fromStdString(row.selected + row.after);
            if (spin == nullptr) {
                box->setText(whole);
            }
            QVERIFY2(box->text() == whole, name);
            box->setFocus();
            box->setSelection(static_cast<int>(before.size()),
                              static_cast<int>(QString::fromStdString(row.selected).size()));
            const int beeps = platform().beeps;
            const QString inserted = QString::fromStdString(row.inserted);
            if (row.action == "type") {
                type(box, inserted);
            } else if (row.action == "paste") {
                QGuiApplication::clipboard()->setText(inserted);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            } else if (row.action == "erase" || row.action == "enter") {
                QTest::keyClick(box, row.action == "erase" ? Qt::Key_Backspace : Qt::Key_Return);
            } else {
                QTest::mouseClick(
                    findControl<QToolButton>(widget(*spin),
                                             row.action == "up" ? SpinStep::Up : SpinStep::Down),
                    Qt::LeftButton);
            }
            const QString expected = QString::fromStdString(row.expected);
            QVERIFY2(box->text() == expected, name);
            if (row.expectedHead) {
                QVERIFY2(box->cursorPosition() == QString::fromStdString(*row.expectedHead).size(),
                         name);
            }
            QVERIFY2(platform().beeps - beeps == row.beeps, name);
            // What the box shows is what the window holds.
            if (spin != nullptr) {
                QVERIFY2(model().spinText(*spin) == row.expected, name);
            } else if (expected != whole && control == EntryControl(LineEdit::Text)) {
                QVERIFY2(model().text(LineEdit::Text) == utf8ToCp932(row.expected), name);
            }
            // A spin edit reports losing the focus, which brings its value into the range: it
            // must lose it while the window stands.
            box->clearFocus();
            if (spin != nullptr) {
                const int value = model().spinValue(*spin);
                QVERIFY2(value >= rangeOf(*spin).minimum && value <= rangeOf(*spin).maximum, name);
            }
            cleanup();
        }
    }

    // The form chosen in 編集 → 出力形式 is checked in the menu and fills the box and its length.
    // A link the SPAN form cannot write is said once: what is typed after it stays typed, the
    // markup and its length say no fragment exists and its copy button rests, until a form that
    // can write it is chosen.
    void aRefusedFormIsReportedOnceAndShowsNoFragment() {
        trigger(MenuItem::SpanForm);
        QVERIFY(shownMarkup().startsWith(QStringLiteral("<span style=")));
        QCOMPARE(widget<QLabel>(WindowPart::Length)->text(),
                 QStringLiteral("(%1)").arg(model().markup().size()));
        QVERIFY(findControl<QAction>(&form(), MenuItem::SpanForm)->isChecked());
        QVERIFY(!findControl<QAction>(&form(), MenuItem::FontForm)->isChecked());
        click(CheckBox::Link);
        auto* link = widget<QLineEdit>(LineEdit::LinkTarget);
        link->selectAll();
        type(link, QStringLiteral("tel:+81-3"));
        QCOMPARE(platform().errors,
                 QStringList{QStringLiteral(
                     "SPAN 形式のリンク先は相対か http, https, mailto, ftp だけです.")});
        QCOMPARE(link->text(), QStringLiteral("tel:+81-3"));
        QCOMPARE(shownMarkup(), QString());
        QCOMPARE(widget<QLabel>(WindowPart::Length)->text(), QStringLiteral("(0)"));
        QVERIFY(!widget<QPushButton>(Button::CopyMarkup)->isEnabled());
        // The preview goes on following the text and its styles.
        click(CheckBox::Bold);
        QCOMPARE(platform().errors.size(), 1);
        click(Button::CopyPreview);
        const QImage refusedPreview = platform().copiedImages.back();

        trigger(MenuItem::FontForm);
        click(Button::CopyPreview);
        QCOMPARE(platform().copiedImages.back(), refusedPreview);
        QVERIFY(shownMarkup().startsWith(QStringLiteral("<A HREF=\"tel:+81-3\">")));
        QVERIFY(widget<QPushButton>(Button::CopyMarkup)->isEnabled());
        QCOMPARE(platform().errors.size(), 1);
    }

    // In a form that writes UTF-8 the text box takes any character and the fragment colours a
    // user-perceived character whole; FONT reports it once and keeps it, taking no new one.
    void aTextBeyondCodePage932() {
        trigger(MenuItem::BbcodeForm);
        auto* text = widget<QLineEdit>(LineEdit::Text);
        text->selectAll();
        type(text, QStringLiteral("虹👍🏽"));
        QCOMPARE(model().textUtf8(), std::string("虹👍🏽"));
        QVERIFY(shownMarkup().contains(QStringLiteral("]👍🏽[/color]")));
        trigger(MenuItem::FontForm);
        QCOMPARE(platform().errors.size(), 1);
        QVERIFY(
            platform().errors.front().startsWith(QStringLiteral("テキスト の 2 文字目の U+1F44D")));
        QCOMPARE(shownMarkup(), QString());
        type(text, QStringLiteral("😀x"));
        QCOMPARE(text->text(), QStringLiteral("虹👍🏽x"));
        QCOMPARE(platform().errors.size(), 1);
    }

    // An arrow key moves the check and the focus within its group, as a click would.
    void arrowKeysMoveTheCheckWithinAGroup() {
        const struct {
            RadioButton from;
            Qt::Key key;
            RadioButton to;
        } rows[] = {
            {RadioButton::Gradient, Qt::Key_Down, RadioButton::Alternate},
            {RadioButton::FallingPattern, Qt::Key_Up, RadioButton::AlternatingPattern},
        };
        click(CheckBox::SizePattern);
        for (const auto& row : rows) {
            click(row.from);
            QCOMPARE(regenerationsOf([&] { QTest::keyClick(widget(row.from), row.key); }), 1);
            QVERIFY(model().checked(row.to));
            QVERIFY(widget<QRadioButton>(row.to)->isChecked());
            QVERIFY(!widget<QRadioButton>(row.from)->isChecked());
            QCOMPARE(QApplication::focusWidget(), widget(row.to));
        }
        // A loaded file may leave a group with none checked; Tab then enters at its first.
        files().files["/work/none.DAT"] = "[Stat]\r\nFtype1B=0\r\n";
        platform().fileAnswers = {QStringLiteral("/work/none.DAT")};
        click(RadioButton::FallingPattern);
        trigger(MenuItem::Open);
        for (const RadioButton button : {RadioButton::FallingPattern, RadioButton::ValleyPattern,
                                         RadioButton::AlternatingPattern}) {
            QVERIFY(!widget<QRadioButton>(button)->isChecked());
        }
        QVERIFY(widget(RadioButton::FallingPattern)->focusPolicy() & Qt::TabFocus);
    }

    // ヘルプ → バージョン情報 shows the name and version lines; F1 there opens the help.
    void versionDialog() {
        QStringList captions;
        platform().modalScript = [&](QDialog& dialog) {
            for (const VersionControl line : {VersionControl::Name, VersionControl::Version}) {
                auto* label = findControl<GradientLabel>(&dialog, line);
                captions.append(QString::fromStdString(label->caption()));
            }
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            QTest::keyClick(&dialog, Qt::Key_F1);
            dialog.reject();
        };
        trigger(MenuItem::About);
        QCOMPARE(captions, (QStringList{QStringLiteral("HuewrightHTML"),
                                        QStringLiteral("Version ") +
                                            QString::fromStdString(std::string(kVersion))}));
        QCOMPARE(platform().helpFiles.size(), 1);
    }

    void previewShowsBackgroundAndCharacterColours() {
        // Black squares fill their cells' middle with exactly the character's colour.
        auto* edit = widget<QLineEdit>(LineEdit::Text);
        edit->selectAll();
        type(edit, QStringLiteral("■■■"));
        const QImage image = form().previewImage();
        QCOMPARE(image.pixelColor(406, 0), QColor(Qt::white));
        QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
        font.setPixelSize(16);
        const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("■"));
        const QColor expected[] = {QColor(255, 0, 255), QColor(128, 0, 255), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(image.pixelColor(i * width + width / 2, 35), expected[i]);
        }
        QCOMPARE(image.pixelColor(3 * width + 2, 40), QColor(Qt::white));
    }

    // On a screen of two device pixels per pixel the preview is drawn anew at that resolution,
    // while the bitmap stays 407 × 47.
    void previewAtTheScreensResolution() {
        QtDrawingSurface surface(96, 2.0);
        surface.fillRectangle(0, 0, 407, 47, 0xFFFFFF);
        surface.setFont(PreviewFont{});
        surface.setTextColour(0x0000FF);
        surface.drawTransparent(100, 10, "\x81\xa1");  // a black square
        QCOMPARE(surface.image().size(), QSize(407, 47));
        QCOMPARE(surface.screenImage().size(), QSize(814, 94));
        QCOMPARE(surface.screenImage().devicePixelRatio(), 2.0);
        QCOMPARE(surface.screenImage().pixelColor(2 * 106, 2 * 20), QColor(Qt::red));
        QCOMPARE(surface.image().pixelColor(106, 20), QColor(Qt::red));
    }

    void colourButtonsAndSwap() {
        platform().colourAnswers = {ColourValue{0x00FF00}, std::nullopt, std::nullopt};
        int before = regenerations();
        click(Button::StartColour);
        QCOMPARE(platform().colourOffers.back(), ColourValue{0xFF00FF});
        QCOMPARE(model().colour(ColourSlot::Start), ColourValue{0x00FF00});
        QCOMPARE(widget(WindowPart::StartColour)->palette().color(QPalette::Window),
                 QColor(0, 255, 0));
        click(Button::EndColour);  // cancelled: nothing changes, nothing regenerates
        QCOMPARE(regenerations() - before, 1);
        click(Button::BackgroundColour);  // cancelled, yet the background colour regenerates
        QCOMPARE(regenerations() - before, 2);
        QCOMPARE(platform().colourOffers.size(), std::size_t{3});

        click(Button::Swap);
        QCOMPARE(model().colour(ColourSlot::Start), ColourValue{0xFF0000});
        QCOMPARE(model().colour(ColourSlot::End), ColourValue{0x00FF00});
        click(Button::Swap);
        QCOMPARE(model().colour(ColourSlot::Start), ColourValue{0x00FF00});
        QCOMPARE(model().colour(ColourSlot::Middle), ColourValue{0x00FFFF});
        QCOMPARE(regenerations() - before, 4);
    }

    // A double-click shows the panel's code, COPY copies it, and whatever closes the dialog, the
    // code is read back (the help's table of codes shows how); the middle panel works while its
    // button is disabled.
    void colourCodeDialogReadsBack() {
        QString shown;
        platform().modalScript = [&](QDialog& dialog) {
            auto* edit = findControl<QLineEdit>(&dialog, ColourCodeControl::Code);
            shown = edit->text();
            edit->setText(QStringLiteral("00ff00"));
            QTest::mouseClick(findControl<QPushButton>(&dialog, ColourCodeControl::Copy),
                              Qt::LeftButton);
        };
        QVERIFY(!widget(Button::MiddleColour)->isEnabled());
        const int before = regenerations();
        QTest::mouseDClick(widget(WindowPart::MiddleColour), Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("#FFFF00"));
        QCOMPARE(platform().copiedTexts, QStringList{QStringLiteral("00ff00")});
        QCOMPARE(model().colour(ColourSlot::Middle), ColourValue{0x00FF00});
        QCOMPARE(regenerations() - before, 1);
    }

    // A double-click, or Enter or Space on a focused colour panel (a keyboard has no double
    // click), shows its code, in the window and in the settings dialog, where a Store keeps the
    // draft's new colour; with a modifier, or another key, nothing happens.
    void keysOnAColourPanelShowItsCode() {
        const struct {
            const char* name;
            Qt::Key key;  // Qt::Key_unknown: a double-click
            Qt::KeyboardModifiers modifiers;
            bool shows;
        } rows[] = {
            {"double-click", Qt::Key_unknown, Qt::NoModifier, true},
            {"Return", Qt::Key_Return, Qt::NoModifier, true},
            {"Space", Qt::Key_Space, Qt::NoModifier, true},
            {"Shift+Return", Qt::Key_Return, Qt::ShiftModifier, false},
            {"a letter", Qt::Key_A, Qt::NoModifier, false},
        };
        QStringList shown;
        const auto answer = [&](QDialog& dialog) {
            auto* edit = findControl<QLineEdit>(&dialog, ColourCodeControl::Code);
            shown.append(edit->text());
            edit->setText(QStringLiteral("#123456"));
        };
        const auto act = [](QWidget* panel, const auto& row) {
            panel->setFocus();
            if (row.key == Qt::Key_unknown) {
                QTest::mouseDClick(panel, Qt::LeftButton);
            } else {
                QTest::keyClick(panel, row.key, row.modifiers);
            }
        };
        for (const auto& row : rows) {
            init();  // each row from the built-in colours
            shown.clear();
            platform().modalScript = answer;
            act(widget(WindowPart::EndColour), row);
            QVERIFY2(shown == (row.shows ? QStringList{QStringLiteral("#0000FF")} : QStringList{}),
                     row.name);
            QVERIFY2(model().colour(ColourSlot::End) == (row.shows ? 0x563412u : 0xFF0000u),
                     row.name);

            shown.clear();
            openSettings([&](QDialog& dialog) {
                if (dialog.objectName() != qtName(nameOf(Window::Settings))) {
                    answer(dialog);
                    return;
                }
                act(in<ColourPanel>(dialog, SettingsControl::BackgroundPanel), row);
                press(dialog, SettingsControl::Store);
            });
            QVERIFY2(shown == (row.shows ? QStringList{QStringLiteral("#FFFFFF")} : QStringList{}),
                     row.name);
            QVERIFY2(
                model().startupSettings().backgroundColour == (row.shows ? 0x563412u : 0xFFFFFFu),
                row.name);
        }
    }

    void clipboardHelpAndQuitting() {
        auto* html = widget<MarkupEdit>(WindowPart::Markup);
        QTest::mouseClick(html, Qt::LeftButton, {}, QPoint(3, 10));
        QTest::keyClicks(html, QStringLiteral("<!-- by hand -->"));
        click(Button::CopyMarkup);
        QCOMPARE(platform().copiedTexts.back(), QStringLiteral("<!-- by hand -->") + markup());
        QCOMPARE(html->selectedText(), html->text());
        click(Button::CopyPreview);
        QCOMPARE(platform().copiedImages.back().size(), QSize(407, 47));

        trigger(MenuItem::HelpTopics);
        QVERIFY(platform().helpFiles.value(0).endsWith(QStringLiteral("/main_window_test.hlp")));

        click(Button::Quit);
        QVERIFY(!form().isVisible());
        QCOMPARE(files().replaceCount, 0);
    }

    void settingsFilesThroughTheirDialogs() {
        platform().fileAnswers = {QStringLiteral("/work/a.DAT"), std::nullopt,
                                  QStringLiteral("/work/a.DAT"), QStringLiteral("/work/a.DAT")};
        click(CheckBox::Frame);
        trigger(MenuItem::Save);
        QCOMPARE(platform().fileRuns[0].first, qtName(nameOf(Window::SaveDialog)));
        QVERIFY(platform().fileRuns[0].second.save);

        click(CheckBox::Frame);
        // Cancelled: only the closing regeneration.
        QCOMPARE(regenerationsOf([&] { trigger(MenuItem::Open); }), 1);
        QCOMPARE(platform().fileRuns[1].first, qtName(nameOf(Window::OpenDialog)));
        QVERIFY(!platform().fileRuns[1].second.save);
        trigger(MenuItem::Open);
        QVERIFY(widget<QCheckBox>(CheckBox::Frame)->isChecked());

        files().unwritable.insert("/work/a.DAT");
        trigger(MenuItem::Save);
        QCOMPARE(platform().errors.back(), QStringLiteral("/work/a.DAT に書き込めません."));
    }

    // Storing unchanged values creates the file with them (the start-up settings' tests show its
    // bytes and read them back); lower-case tags show at once.
    void storeWritesElevenKeysAndTakesEffect() {
        openSettings([&](QDialog& dialog) { press(dialog, SettingsControl::Store); });
        QVERIFY(files().files.contains("/work/lumo.ini"));
        QCOMPARE(readStartupFile(files(), "/work/lumo.ini").settings, StartupSettings{});

        platform().colourAnswers = {ColourValue{0x00FF00}};
        widget<QPushButton>(Button::EndColour)->click();
        openSettings([&](QDialog& dialog) {
            press(dialog, SettingsControl::TakeCurrentColours);  // the window's current colours,
                                                                 // chosen after start
            in(dialog, SettingsControl::UpperCaseTags)->click();
            press(dialog, SettingsControl::StrongTag);
            press(dialog, SettingsControl::Store);
        });
        QVERIFY(model().markup().starts_with("<font face="));
        const StartupSettings stored = model().startupSettings();
        QCOMPARE(stored.endColour, 0x00FF00);
        QVERIFY(!stored.upperCaseTags);
        QCOMPARE(stored.boldTagForm, 1);
        QCOMPARE(model().colour(ColourSlot::End), ColourValue{0x00FF00});
    }

    // Closing the window while a spin edit holds the focus runs none of its handlers on a
    // window half taken down.
    void closingWithASpinEditFocused() {
        test::MemoryFileSystem disk;
        FakePlatform fake;
        MainWindowModel model(disk);
        auto form = std::make_unique<MainWindow>(model, fake);
        form->startUp("/work");
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* spin = findControl<SpinEdit>(form.get(), SpinField::Size);
        spin->editor()->setFocus();
        QVERIFY(spin->editor()->hasFocus());
        const int before = model.regenerationCount();
        form.reset();
        QCOMPARE(model.regenerationCount(), before);
    }

    // A start-up file that exists but cannot be read: the window starts from the built-in
    // settings, and one error box names the file and the reason.
    void unreadableStartupFileIsReportedOnce() {
        test::MemoryFileSystem disk;
        disk.files["/work/lumo.ini"] = "[Stat]\r\n";
        disk.unreadable.insert("/work/lumo.ini");
        FakePlatform fake;
        MainWindowModel model(disk);
        MainWindow form(model, fake);
        form.startUp("/work");
        const std::string reason = std::make_error_code(std::errc::permission_denied).message();
        QTRY_COMPARE(fake.errors, QStringList{QString::fromStdString(
                                      "/work/lumo.ini を読み込めません（" + reason + "）.")});
        QCOMPARE(model.startupSettings(), StartupSettings{});
        QVERIFY(model.checked(CheckBox::UseSize));
    }

    // The settings dialog, opened from 編集 → 初期設定: a Store the file refuses keeps the dialog
    // open with the user's edits, and Cancel then changes nothing, a colour chosen in it included,
    // but regenerates.
    void refusedStoreAndCancelChangeNothing() {
        lumoIni() = "[Stat]\r\nTB=1\r\n";
        files().unwritable.insert("/work/lumo.ini");
        const StartupSettings settings = model().startupSettings();
        const int before = regenerations();
        int result = -1;
        openSettings([&](QDialog& dialog) {
            in(dialog, SettingsControl::HashInColourCodes)->click();
            platform().colourAnswers = {ColourValue{0x123456}};
            press(dialog, SettingsControl::StartButton);
            press(dialog, SettingsControl::Store);
            result = dialog.result();
            QVERIFY(!in(dialog, SettingsControl::HashInColourCodes)->isChecked());
            press(dialog, SettingsControl::Cancel);
        });
        QCOMPARE(result, int{QDialog::Rejected});
        QCOMPARE(platform().errors.back(), QStringLiteral("/work/lumo.ini に書き込めません."));
        QCOMPARE(regenerations() - before, 1);
        QCOMPARE(model().startupSettings(), settings);
        QCOMPARE(lumoIni(), std::string("[Stat]\r\nTB=1\r\n"));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::MainWindowTest)
#include "main_window_test.moc"
