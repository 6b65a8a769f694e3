#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "../persistence/memory_file_system.h"
#include "controls/gradient_label.h"
#include "fake_platform.h"
#include "text/cp932.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/spin_edit.h"

namespace huewright {

class TForm1Test : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::MemoryFileSystem> files_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<MainWindowModel> model_;
    std::unique_ptr<MainWindow> form_;

    template <typename T = QWidget>
    T* widget(const char* name) {
        auto* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no widget %s", name);
        }
        return found;
    }
    int regenerations() const { return model_->regenerationCount(); }
    QString markup() const { return QString::fromStdString(cp932ToUtf8(model_->markup())); }
    void click(const char* name) {
        QTest::mouseClick(widget<QAbstractButton>(name), Qt::LeftButton);
    }

    // The controls that hold the focus on `presses` presses of Tab from Edit1; a spin edit's or
    // combo box's focus sits in its editor, which counts as the control.
    QStringList tabRound(qsizetype presses) {
        widget("Edit1")->setFocus();
        QStringList order;
        for (qsizetype i = 0; i < presses; ++i) {
            QWidget* owner = QApplication::focusWidget();
            while (owner != nullptr && owner->parentWidget() != widget("client") &&
                   owner->parentWidget() != widget("Panel1")) {
                owner = owner->parentWidget();
            }
            order.append(owner != nullptr ? owner->objectName() : QStringLiteral("?"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return order;
    }

    // Types `text` key by key, as an input method delivers characters without key codes.
    static void type(QWidget* target, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }

  private slots:
    void initTestCase() { installFaceSubstitutes(); }

    void init() {
        files_ = std::make_unique<test::MemoryFileSystem>();
        platform_ = std::make_unique<FakePlatform>();
        model_ = std::make_unique<MainWindowModel>(*files_);
        form_ = std::make_unique<MainWindow>(*model_, *platform_);
        form_->startUp("/work");
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() {
        form_.reset();
        model_.reset();
    }

    void controlsTable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char* name, const char* kind, const QString& caption,
                            const QString& hint, QRect geometry) {
            QTest::newRow(name) << QString::fromLatin1(kind) << caption << hint << geometry;
        };
        const QString codeHint = QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示");
        row("Panel2", "QFrame", {}, QStringLiteral("こんな感じになるよ"), {0, 0, 409, 49});
        row("mihon", "QWidget", {}, QStringLiteral("こんな感じになるよ"), {1, 1, 407, 47});
        row("Edit1", "QLineEdit", QStringLiteral("HuewrightHTML!"), {}, {1, 52, 408, 20});
        row("sc", "QFrame", {}, codeHint, {0, 74, 17, 16});
        row("scb", "QPushButton", QStringLiteral("開始色"), QStringLiteral("開始色を変更"),
            {17, 74, 41, 17});
        row("tc", "QFrame", {}, codeHint, {59, 74, 17, 16});
        row("tcb", "QPushButton", QStringLiteral("中間色"), {}, {76, 74, 41, 17});
        row("ec", "QFrame", {}, codeHint, {119, 74, 17, 16});
        row("ecb", "QPushButton", QStringLiteral("終了色"), QStringLiteral("終了色を変更"),
            {135, 74, 41, 17});
        row("Button1", "QPushButton", QStringLiteral("色反転"),
            QStringLiteral("開始終了を逆にするよ"), {180, 74, 40, 17});
        row("CB", "QCheckBox", QStringLiteral("３色"),
            QStringLiteral("３色グラデーションを作成します"), {222, 74, 40, 17});
        row("Panel1", "QWidget", {}, {}, {265, 70, 105, 25});
        row("Gtype1b", "QRadioButton", QStringLiteral("グラデ"), {}, {0, 0, 57, 25});
        row("Gtype2b", "QRadioButton", QStringLiteral("交互"), {}, {56, 0, 57, 25});
        row("bcb", "QPushButton", QStringLiteral("背景色"), QStringLiteral("背景の色変更"),
            {370, 74, 40, 17});
        row("Fname", "QComboBox", QStringLiteral("ＭＳ Ｐゴシック"),
            QStringLiteral("指定するフォントです"), {1, 94, 121, 20});
        row("Fsize", "huewright::SpinEdit", QStringLiteral("3"), QStringLiteral("文字の大きさです"),
            {124, 94, 33, 21});
        row("BB", "QCheckBox", QStringLiteral("太字"), QStringLiteral("強調表示文字にします"),
            {158, 94, 49, 17});
        row("EB", "QCheckBox", QStringLiteral("斜体"), QStringLiteral("斜体文字にします"),
            {204, 94, 49, 17});
        row("UB", "QCheckBox", QStringLiteral("下線"), QStringLiteral("下線付き文字にします"),
            {251, 94, 49, 17});
        row("SB", "QCheckBox", QStringLiteral("取消線"), QStringLiteral("取消線付き文字にします"),
            {298, 94, 57, 17});
        row("KB", "QCheckBox", QStringLiteral("改行"), QStringLiteral("改行コードを付けます"),
            {356, 93, 48, 17});
        row("WB", "QCheckBox", QStringLiteral("枠"), QStringLiteral("枠を付けます"),
            {1, 117, 34, 17});
        row("WS", "huewright::SpinEdit", QStringLiteral("0"), QStringLiteral("枠の太さです"),
            {36, 115, 33, 21});
        row("HB", "QCheckBox", QStringLiteral("背景"), QStringLiteral("枠の中に背景色を付けます"),
            {73, 117, 41, 17});
        row("LB", "QCheckBox", QStringLiteral("リンク"), QStringLiteral("リンクタグを付けます"),
            {121, 117, 57, 17});
        row("link_e", "QLineEdit", QStringLiteral("http://"),
            QStringLiteral("リンク先を入力します"), {177, 115, 232, 20});
        row("TB", "QCheckBox", QStringLiteral("体裁"), QStringLiteral("文字に変化をつけます。"),
            {1, 141, 48, 17});
        row("Ftype1B", "QRadioButton", QStringLiteral("＞＜"), {}, {50, 141, 41, 17});
        row("Ftype2B", "QRadioButton", QStringLiteral("凸凹"), {}, {94, 141, 49, 17});
        row("Ftype3B", "QRadioButton", QStringLiteral("oOoO"), {}, {141, 141, 49, 17});
        row("FDsize", "huewright::SpinEdit", QStringLiteral("7"), QStringLiteral("最大文字サイズ"),
            {193, 137, 33, 21});
        row("FSsize", "huewright::SpinEdit", QStringLiteral("3"), QStringLiteral("最小文字サイズ"),
            {229, 137, 33, 21});
        row("FS", "QCheckBox", QStringLiteral("ﾌｫﾝﾄ指定"), QStringLiteral("フォントの指定をします"),
            {265, 141, 72, 17});
        row("SS", "QCheckBox", QStringLiteral("ｻｲｽﾞ指定"), QStringLiteral("サイズの指定をします"),
            {340, 141, 70, 17});
        row("html_e", "QLineEdit", {}, QStringLiteral("完成ＨＴＭＬ"), {1, 161, 336, 20});
        row("Bevel1", "QFrame", {}, QStringLiteral("タグ文字数"), {344, 160, 65, 20});
        row("Button2", "QPushButton", QStringLiteral("クリップボードにコピー"),
            QStringLiteral("ＨＴＭＬコードをクリップボードにコピーします"), {2, 184, 129, 25});
        row("bmpb", "QPushButton", QStringLiteral("BMPｺﾋﾟｰ"),
            QStringLiteral("プレビューをクリップボードにコピーします"), {280, 184, 65, 25});
        row("Button3", "QPushButton", QStringLiteral("終了"), QStringLiteral("おしまい"),
            {352, 184, 59, 25});
    }

    void controlsTable() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QRect, geometry);
        QWidget* w = widget(QTest::currentDataTag());
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->toolTip(), hint);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QCOMPARE(button->text(), caption);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (!caption.isEmpty()) {
                QCOMPARE(edit->text(), caption);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QCOMPARE(combo->currentText(), caption);
        } else if (auto* spin = qobject_cast<SpinEdit*>(w)) {
            QCOMPARE(spin->text(), caption);
        }
    }

    void windowAndLabels() {
        QCOMPARE(form_->centralWidget()->size(), QSize(413, 213));
        QCOMPARE(QFontInfo(form_->font()).pixelSize(), 12);
        QCOMPARE(form_->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        auto* lumo = widget<GradientLabel>("Lumo");
        QCOMPARE(lumo->pos(), QPoint(140, 184));
        QCOMPARE(lumo->caption(), std::string("HuewrightHTML"));
        QCOMPARE(lumo->startColour(), ColourValue{0xFF0000});
        QCOMPARE(lumo->endColour(), ColourValue{0xFF00FF});
        QVERIFY(lumo->transparent());
        QVERIFY(lumo->autoSize());
        QCOMPARE(lumo->font().pixelSize(), 13);
        auto* tagLen = widget<QLabel>("tag_len");
        QCOMPARE(tagLen->pos(), QPoint(346, 163));
        QCOMPARE(tagLen->font().pixelSize(), 13);
    }

    void menu() {
        const QList<QAction*> menus = form_->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(menus[1]->text(), QStringLiteral("編集(&E)"));
        QCOMPARE(menus[2]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
        const auto item = [&](const char* name) { return form_->findChild<QAction*>(name); };
        QCOMPARE(item("Open")->text(), QStringLiteral("開く(&O)"));
        QCOMPARE(item("save")->text(), QStringLiteral("保存(&S)"));
        QVERIFY(item("N1")->isSeparator());
        QCOMPARE(item("Exit1")->text(), QStringLiteral("終了(&X)"));
        QCOMPARE(item("K2")->text(), QStringLiteral("初期設定(&O)"));
        QCOMPARE(item("SearchforHelpOn1")->text(), QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"));
        QCOMPARE(item("SearchforHelpOn1")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void startState() {
        for (const char* name : {"SS", "FS", "KB", "Gtype1b", "Ftype1B"}) {
            QVERIFY2(widget<QAbstractButton>(name)->isChecked(), name);
        }
        for (const char* name : {"CB", "BB", "EB", "UB", "SB", "WB", "HB", "LB", "TB", "Gtype2b",
                                 "Ftype2B", "Ftype3B"}) {
            QVERIFY2(!widget<QAbstractButton>(name)->isChecked(), name);
        }
        for (const char* name :
             {"tcb", "WS", "HB", "link_e", "Ftype1B", "Ftype2B", "Ftype3B", "FDsize", "FSsize"}) {
            QVERIFY2(!widget(name)->isEnabled(), name);
        }
        for (const char* name : {"Edit1", "Fsize", "SS", "scb", "ecb", "CB", "Fname"}) {
            QVERIFY2(widget(name)->isEnabled(), name);
        }
        const QString expected = QStringLiteral(
            "<FONT FACE=\"ＭＳ Ｐゴシック\" SIZE=\"3\" ><FONT COLOR=\"#FF00FF\">H</FONT>");
        QVERIFY(widget<QLineEdit>("html_e")->text().startsWith(expected));
        QCOMPARE(widget<QLineEdit>("html_e")->text(), markup());
        QCOMPARE(widget<QLabel>("tag_len")->text(),
                 QStringLiteral("(%1)").arg(model_->markup().size()));
        QCOMPARE(model_->previewFont().points, 12);
        QCOMPARE(QApplication::focusWidget(), widget("Edit1"));
        QCOMPARE(widget<QLineEdit>("Edit1")->selectedText(), QStringLiteral("HuewrightHTML!"));
        QCOMPARE(widget("sc")->palette().color(QPalette::Window), QColor(255, 0, 255));
        QCOMPARE(widget("ec")->palette().color(QPalette::Window), QColor(0, 0, 255));
    }

    void tabOrder() {
        const QStringList expected = {
            "Edit1", "scb",     "ecb",     "Fname",   "Fsize",   "BB",      "EB",
            "UB",    "SB",      "bcb",     "Button1", "Button2", "Button3", "html_e",
            "KB",    "WB",      "HB",      "LB",      "link_e",  "WS",      "FS",
            "CB",    "tcb",     "Ftype1B", "Ftype2B", "FDsize",  "FSsize",  "Ftype3B",
            "TB",    "Gtype1b", "Gtype2b", "SS",      "bmpb"};
        // Tab skips disabled controls, and the size pattern disables Fsize and SS while it
        // enables its own five; so go round once with the pattern off and once with it on.
        click("WB");
        click("LB");
        click("CB");
        const QStringList patternControls = {"Ftype1B", "Ftype2B", "FDsize", "FSsize", "Ftype3B"};
        QStringList withoutPattern = expected;
        for (const QString& name : patternControls) {
            withoutPattern.removeAll(name);
        }
        QCOMPARE(tabRound(withoutPattern.size()), withoutPattern);
        click("TB");
        QStringList withPattern = expected;
        withPattern.removeAll(QStringLiteral("Fsize"));
        withPattern.removeAll(QStringLiteral("SS"));
        QCOMPARE(tabRound(withPattern.size()), withPattern);
    }

    void typingRegeneratesOncePerKey() {
        auto* edit = widget<QLineEdit>("Edit1");
        edit->clear();
        const int before = regenerations();
        type(edit, QStringLiteral("aあb"));
        QCOMPARE(regenerations() - before, 3);
        QCOMPARE(model_->text(LineEdit::Text), std::string("a\x82\xa0"
                                                           "b"));
        QCOMPARE(widget<QLineEdit>("html_e")->text(), markup());
    }

    void longTextsStayWhole() {
        // Far past a line edit's usual 32767 characters, in the text and in the markup.
        auto* edit = widget<QLineEdit>("Edit1");
        edit->selectAll();
        edit->insert(QString(39999, QLatin1Char('x')));  // as a paste
        type(edit, QStringLiteral("y"));
        QCOMPARE(edit->text().size(), 40000);
        QCOMPARE(widget<QLineEdit>("html_e")->text(), markup());
        QVERIFY(markup().endsWith(QStringLiteral(">y</FONT></FONT><BR>")));
    }

    void refusesCharactersCodePage932CannotHold() {
        auto* edit = widget<QLineEdit>("Edit1");
        edit->setFocus();
        edit->setCursorPosition(0);
        const int before = regenerations();
        type(edit, QStringLiteral("é"));
        QCOMPARE(platform_->beeps, 1);
        QCOMPARE(edit->text(), QStringLiteral("HuewrightHTML!"));
        QCOMPARE(regenerations(), before);
        click("LB");
        type(widget<QLineEdit>("link_e"), QString::fromUtf8("\xF0\x9F\x98\x80"));
        QCOMPARE(platform_->beeps, 2);
    }

    void frameAndBackground() {
        int before = regenerations();
        click("WB");
        QCOMPARE(regenerations() - before, 1);
        QVERIFY(widget("HB")->isEnabled());
        QVERIFY(widget("WS")->isEnabled());
        click("HB");
        QVERIFY(markup().startsWith(
            QStringLiteral("<TABLE BORDER=\"0\"><TR><TD BGCOLOR=\"#FFFFFF\">")));
        before = regenerations();
        click("WB");
        // HBClick regenerates first, then onFrameWidthChanged.
        QCOMPARE(regenerations() - before, 2);
        QVERIFY(!widget<QCheckBox>("HB")->isChecked());
        QVERIFY(!widget("HB")->isEnabled());
        QVERIFY(!widget("WS")->isEnabled());
    }

    void sizePatternAndRadioGroups() {
        widget<SpinEdit>("Fsize");
        QTest::mouseClick(widget<SpinEdit>("Fsize")->findChild<QToolButton*>("up"), Qt::LeftButton);
        QCOMPARE(widget<SpinEdit>("Fsize")->text(), QStringLiteral("4"));
        QCOMPARE(model_->previewFont().points, 14);
        int before = regenerations();
        click("TB");
        QCOMPARE(regenerations() - before, 1);
        QVERIFY(!widget("Fsize")->isEnabled());
        QVERIFY(!widget("SS")->isEnabled());
        QVERIFY(widget<QCheckBox>("SS")->isChecked());
        QVERIFY(widget("Ftype2B")->isEnabled());
        before = regenerations();
        click("Ftype2B");
        QCOMPARE(regenerations() - before, 1);
        QVERIFY(!widget<QRadioButton>("Ftype1B")->isChecked());
        QVERIFY(widget<QRadioButton>("Gtype1b")->isChecked());
        // Clicking the checked button keeps it checked and fires nothing.
        before = regenerations();
        click("Ftype2B");
        QVERIFY(widget<QRadioButton>("Ftype2B")->isChecked());
        QCOMPARE(regenerations(), before);
        before = regenerations();
        click("TB");
        QCOMPARE(regenerations() - before, 2);  // onSizeChanged, then the handler's own
        QCOMPARE(model_->previewFont().points, 14);
    }

    void typedFrameWidth() {
        click("WB");
        auto* ws = widget<SpinEdit>("WS");
        ws->editor()->setFocus();
        ws->editor()->selectAll();
        QTest::keyClicks(ws->editor(), QStringLiteral("-5"));
        QCOMPARE(model_->snapshot().frameWidth, -5);
        QVERIFY(markup().startsWith(QStringLiteral("<TABLE BORDER=\"-5\">")));
        widget("Edit1")->setFocus();
        QCOMPARE(ws->text(), QStringLiteral("0"));
        QTest::keyClick(widget<SpinEdit>("Fsize")->editor(), Qt::Key_A);
        QCOMPARE(platform_->beeps, 1);
    }

    void previewShowsBackgroundAndCharacterColours() {
        // Black squares fill their cells' middle with exactly the character's colour.
        auto* edit = widget<QLineEdit>("Edit1");
        edit->selectAll();
        type(edit, QStringLiteral("■■■"));
        const QImage image = form_->previewImage();
        QCOMPARE(image.size(), QSize(407, 47));
        QCOMPARE(image.pixelColor(406, 0), QColor(Qt::white));
        const QFontMetrics metrics(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
        const int width = QFontMetrics(previewFont()).horizontalAdvance(QStringLiteral("■"));
        const QColor expected[] = {QColor(255, 0, 255), QColor(128, 0, 255), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(image.pixelColor(i * width + width / 2, 35), expected[i]);
        }
        QCOMPARE(image.pixelColor(3 * width + 2, 40), QColor(Qt::white));
    }

    void previewFollowsTheSizePattern() {
        auto* edit = widget<QLineEdit>("Edit1");
        edit->selectAll();
        type(edit, QStringLiteral("■■■■■"));
        click("TB");
        click("Ftype2B");
        // Valley 7 to 3: 36, 18, 12, 18 and 36 points, sharing the bottom of their cells.
        const QImage image = form_->previewImage();
        QList<int> heights;
        int x = 0;
        for (const int points : {36, 18, 12, 18, 36}) {
            QFont font = previewFont();
            font.setPixelSize(points * 96 / 72);
            const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("■"));
            heights.append(inkHeight(image, std::min(x + width / 2, 406)));
            x += width;
        }
        QVERIFY(heights[0] > heights[1]);
        QVERIFY(heights[1] > heights[2]);
        QCOMPARE(heights[0], heights[4]);
        QCOMPARE(heights[1], heights[3]);
    }

    void previewClipsAtTheRightEdge() {
        auto* edit = widget<QLineEdit>("Edit1");
        edit->selectAll();
        type(edit, QString(200, QChar(0x25A0)));
        const QImage image = form_->previewImage();
        QVERIFY(image.pixelColor(405, 42) != QColor(Qt::white));
        QCOMPARE(markup().count(QStringLiteral(">■</FONT>")), 200);
    }

    void backgroundColourShowsWithoutTheFrameBackground() {
        model_->setColour(ColourSlot::Background, 0x00FFFF);  // yellow
        model_->regenerate();
        QCOMPARE(form_->previewImage().pixelColor(406, 0), QColor(255, 255, 0));
        QVERIFY(!markup().contains(QStringLiteral("BGCOLOR")));
    }

  private:
    QFont previewFont() const {
        QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
        font.setPixelSize(16);
        return font;
    }

    // Rows of the column `x` that are not the white background.
    static int inkHeight(const QImage& image, int x) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) {
            rows += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
        return rows;
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::TForm1Test)
#include "main_window_test.moc"
