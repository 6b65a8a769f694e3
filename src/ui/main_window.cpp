#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include <exception>
#include <limits>

#include "controls/gradient_label.h"
#include "ui/cp932_validator.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/qt_platform.h"
#include "ui/qt_text.h"
#include "ui/spin_edit.h"

namespace huewright {

namespace {

constexpr int kClientWidth = 413;
constexpr int kClientHeight = 213;
constexpr int kDesignPixelsPerInch = 96;

// The image `mihon`: shows the preview bitmap and repaints whenever it changes.
class PreviewImage final : public QWidget {
  public:
    PreviewImage(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

  private:
    const QImage& image_;
};

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Widget>
Widget* place(Widget* widget, const QString& name, int left, int top, int width, int height,
              const QString& hint = {}) {
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
    }
    return widget;
}

QFrame* loweredPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, Platform& platform, QWidget* parent)
    : QMainWindow(parent), model_(model), platform_(platform), surface_(kDesignPixelsPerInch) {
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont(12));
    createControls();
    createMenu();
    setTabOrder();
    connectControls();
    model_.setDrawingSurface(&surface_);
    model_.setRegenerationListener([this] { showOutput(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    model_.setDrawingSurface(nullptr);
    model_.setRegenerationListener({});
}

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    const QString previewHint = QStringLiteral("こんな感じになるよ");
    QFrame* panel2 = place(loweredPanel(client), "Panel2", 0, 0, 409, 49, previewHint);
    mihon_ = place(new PreviewImage(surface_.image(), panel2), "mihon", 1, 1, 407, 47, previewHint);

    Edit1_ = place(new QLineEdit(client), "Edit1", 1, 52, 408, 20);
    auto beep = [this] { platform_.beep(); };
    new Cp932Validator(beep, Edit1_);

    const QString codeHint = QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示");
    colourPanels_ = {place(loweredPanel(client), "sc", 0, 74, 17, 16, codeHint),
                     place(loweredPanel(client), "tc", 59, 74, 17, 16, codeHint),
                     place(loweredPanel(client), "ec", 119, 74, 17, 16, codeHint)};
    for (QFrame* panel : colourPanels_) {
        panel->setAutoFillBackground(true);
    }
    auto button = [&](const char* name, const QString& caption, int l, int t, int w, int h,
                      const QString& hint = {}) {
        return place(new QPushButton(caption, client), name, l, t, w, h, hint);
    };
    button("scb", QStringLiteral("開始色"), 17, 74, 41, 17, QStringLiteral("開始色を変更"));
    switchable_[Switchable::MiddleColourButton] =
        button("tcb", QStringLiteral("中間色"), 76, 74, 41, 17);
    button("ecb", QStringLiteral("終了色"), 135, 74, 41, 17, QStringLiteral("終了色を変更"));
    button("Button1", QStringLiteral("色反転"), 180, 74, 40, 17,
           QStringLiteral("開始終了を逆にするよ"));

    auto check = [&](CheckBox box, const QString& caption, int l, int t, int w, int h,
                     const QString& hint) {
        auto* widget = place(new QCheckBox(caption, client), qtName(nameOf(box)), l, t, w, h, hint);
        checkBoxes_[box] = widget;
        return widget;
    };
    check(CheckBox::ThreeColours, QStringLiteral("３色"), 222, 74, 40, 17,
          QStringLiteral("３色グラデーションを作成します"));

    QWidget* panel1 = place(new QWidget(client), "Panel1", 265, 70, 105, 25);
    auto radio = [&](RadioButton b, QWidget* parent, const QString& caption, int l, int t, int w,
                     int h) {
        auto* widget = new QRadioButton(caption, parent);
        // The model keeps each group exclusive, and a loaded file may leave a group empty.
        widget->setAutoExclusive(false);
        place(widget, qtName(nameOf(b)), l, t, w, h);
        radioButtons_[b] = widget;
        return widget;
    };
    radio(RadioButton::Gradient, panel1, QStringLiteral("グラデ"), 0, 0, 57, 25);
    radio(RadioButton::Alternate, panel1, QStringLiteral("交互"), 56, 0, 57, 25);
    button("bcb", QStringLiteral("背景色"), 370, 74, 40, 17, QStringLiteral("背景の色変更"));

    Fname_ = place(new QComboBox(client), "Fname", 1, 94, 121, 20,
                   QStringLiteral("指定するフォントです"));
    Fname_->setEditable(true);
    Fname_->setInsertPolicy(QComboBox::NoInsert);
    new Cp932Validator(beep, Fname_->lineEdit());

    auto spin = [&](SpinField field, bool typing, int maxLength, int l, int t,
                    const QString& hint) {
        auto* widget = new SpinEdit(typing, maxLength, beep, client);
        place(widget, qtName(nameOf(field)), l, t, 33, 21, hint);
        spinEdits_[field] = widget;
        return widget;
    };
    switchable_[Switchable::Size] =
        spin(SpinField::Size, false, 1, 124, 94, QStringLiteral("文字の大きさです"));
    check(CheckBox::Bold, QStringLiteral("太字"), 158, 94, 49, 17,
          QStringLiteral("強調表示文字にします"));
    check(CheckBox::Italic, QStringLiteral("斜体"), 204, 94, 49, 17,
          QStringLiteral("斜体文字にします"));
    check(CheckBox::Underline, QStringLiteral("下線"), 251, 94, 49, 17,
          QStringLiteral("下線付き文字にします"));
    check(CheckBox::Strike, QStringLiteral("取消線"), 298, 94, 57, 17,
          QStringLiteral("取消線付き文字にします"));
    check(CheckBox::LineBreak, QStringLiteral("改行"), 356, 93, 48, 17,
          QStringLiteral("改行コードを付けます"));
    check(CheckBox::Frame, QStringLiteral("枠"), 1, 117, 34, 17, QStringLiteral("枠を付けます"));
    switchable_[Switchable::FrameWidth] =
        spin(SpinField::FrameWidth, true, 2, 36, 115, QStringLiteral("枠の太さです"));
    switchable_[Switchable::FrameBackground] =
        check(CheckBox::FrameBackground, QStringLiteral("背景"), 73, 117, 41, 17,
              QStringLiteral("枠の中に背景色を付けます"));
    check(CheckBox::Link, QStringLiteral("リンク"), 121, 117, 57, 17,
          QStringLiteral("リンクタグを付けます"));
    link_e_ = place(new QLineEdit(client), "link_e", 177, 115, 232, 20,
                    QStringLiteral("リンク先を入力します"));
    new Cp932Validator(beep, link_e_);
    switchable_[Switchable::LinkTarget] = link_e_;

    check(CheckBox::SizePattern, QStringLiteral("体裁"), 1, 141, 48, 17,
          QStringLiteral("文字に変化をつけます。"));
    switchable_[Switchable::FallingPattern] =
        radio(RadioButton::FallingPattern, client, QStringLiteral("＞＜"), 50, 141, 41, 17);
    switchable_[Switchable::ValleyPattern] =
        radio(RadioButton::ValleyPattern, client, QStringLiteral("凸凹"), 94, 141, 49, 17);
    switchable_[Switchable::AlternatingPattern] =
        radio(RadioButton::AlternatingPattern, client, QStringLiteral("oOoO"), 141, 141, 49, 17);
    switchable_[Switchable::PatternMax] =
        spin(SpinField::PatternMax, false, 1, 193, 137, QStringLiteral("最大文字サイズ"));
    switchable_[Switchable::PatternMin] =
        spin(SpinField::PatternMin, false, 1, 229, 137, QStringLiteral("最小文字サイズ"));
    check(CheckBox::UseFace, QStringLiteral("ﾌｫﾝﾄ指定"), 265, 141, 72, 17,
          QStringLiteral("フォントの指定をします"));
    switchable_[Switchable::UseSize] = check(CheckBox::UseSize, QStringLiteral("ｻｲｽﾞ指定"), 340,
                                             141, 70, 17, QStringLiteral("サイズの指定をします"));

    html_e_ =
        place(new QLineEdit(client), "html_e", 1, 161, 336, 20, QStringLiteral("完成ＨＴＭＬ"));
    tag_len_ = new QLabel(client);
    tag_len_->setObjectName(QStringLiteral("tag_len"));
    tag_len_->setFont(windowFont(13));
    tag_len_->move(346, 163);
    // The frame lies over the length display, so resting the mouse there shows its hint.
    QFrame* bevel =
        place(new QFrame(client), "Bevel1", 344, 160, 65, 20, QStringLiteral("タグ文字数"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    button("Button2", QStringLiteral("クリップボードにコピー"), 2, 184, 129, 25,
           QStringLiteral("ＨＴＭＬコードをクリップボードにコピーします"));
    auto* lumo = new GradientLabel(client);
    lumo->setObjectName(QStringLiteral("Lumo"));
    lumo->setFont(windowFont(13));
    lumo->move(140, 184);
    lumo->setDecoder(fromCp932);
    lumo->setCaption("HuewrightHTML");
    lumo->setStartColour(0xFF0000);
    lumo->setEndColour(0xFF00FF);
    lumo->setBackgroundColour(0xFFFFFF);
    lumo->setTransparent(true);
    lumo->setAutoSize(true);
    button("bmpb", QStringLiteral("BMPｺﾋﾟｰ"), 280, 184, 65, 25,
           QStringLiteral("プレビューをクリップボードにコピーします"));
    button("Button3", QStringLiteral("終了"), 352, 184, 59, 25, QStringLiteral("おしまい"));

    // A line edit holds 32767 characters unless told otherwise; these hold any length.
    for (QLineEdit* edit : {Edit1_, link_e_, html_e_, Fname_->lineEdit()}) {
        edit->setMaxLength(std::numeric_limits<int>::max());
    }

    // Panels and frames take no focus; everything else that can does, in tab order.
    for (QFrame* frame : client->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        frame->setFocusPolicy(Qt::NoFocus);
    }
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(QStringLiteral("開く(&O)"))->setObjectName(QStringLiteral("Open"));
    file->addAction(QStringLiteral("保存(&S)"))->setObjectName(QStringLiteral("save"));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    file->addAction(QStringLiteral("終了(&X)"))->setObjectName(QStringLiteral("Exit1"));
    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("K1"));
    edit->addAction(QStringLiteral("初期設定(&O)"))->setObjectName(QStringLiteral("K2"));
    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* topics = help->addAction(QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"));
    topics->setObjectName(QStringLiteral("SearchforHelpOn1"));
    topics->setShortcut(Qt::Key_F1);
    topics->setShortcutContext(Qt::WindowShortcut);
}

void MainWindow::setTabOrder() {
    // The window's tab order; the two gradient-mode buttons take their turn inside Panel1. A spin
    // edit hands the focus on to its editor.
    static constexpr const char* kOrder[] = {
        "Edit1", "scb",     "ecb",     "Fname",   "Fsize",   "BB",      "EB",
        "UB",    "SB",      "bcb",     "Button1", "Button2", "Button3", "html_e",
        "KB",    "WB",      "HB",      "LB",      "link_e",  "WS",      "FS",
        "CB",    "tcb",     "Ftype1B", "Ftype2B", "FDsize",  "FSsize",  "Ftype3B",
        "TB",    "Gtype1b", "Gtype2b", "SS",      "bmpb"};
    QWidget* previous = nullptr;
    for (const char* name : kOrder) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainWindow::connectControls() {
    connect(Edit1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setText(LineEdit::Text, toCp932(text)); });
    });
    connect(link_e_, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setText(LineEdit::LinkTarget, toCp932(text)); });
    });
    connect(Fname_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setFaceNameText(toCp932(text), true); });
    });
    connect(Fname_, &QComboBox::activated, this, [this](int item) {
        act([&] { model_.setFaceNameText(toCp932(Fname_->itemText(item)), true); });
    });
    for (const auto& [box, widget] : checkBoxes_) {
        connect(widget, &QAbstractButton::clicked, this,
                [this, box = box](bool on) { act([&] { model_.setChecked(box, on); }); });
    }
    for (const auto& [button, widget] : radioButtons_) {
        connect(widget, &QAbstractButton::clicked, this,
                [this, button = button] { act([&] { model_.checkRadio(button); }); });
    }
    for (const auto& [field, widget] : spinEdits_) {
        connect(widget, &SpinEdit::textTyped, this, [this, field = field](const QString& text) {
            act([&] { model_.setSpinText(field, text.toStdString()); });
        });
        connect(widget, &SpinEdit::stepRequested, this,
                [this, field = field](int delta) { act([&] { model_.stepSpin(field, delta); }); });
        connect(widget, &SpinEdit::focusLost, this,
                [this, field = field] { act([&] { model_.spinFocusOut(field); }); });
    }
}

template <typename Action>
void MainWindow::act(Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        // The application's error handler: the message with a full stop, and the window goes on.
        platform_.showError(this, windowMessage(error) + QStringLiteral("."));
    }
    showModelState();
}

void MainWindow::startUp(const std::filesystem::path& workingDirectory) {
    helpFile_ = helpFileName(QCoreApplication::applicationFilePath());
    {
        const QSignalBlocker blocker(Fname_);
        Fname_->addItems(fontFamilyList());
    }
    act([&] { model_.startUp(workingDirectory); });
}

void MainWindow::showModelState() {
    const auto showText = [](QLineEdit* edit, const std::string& cp932) {
        const QString text = fromCp932(cp932);
        // Rewriting an unchanged text would move the cursor under the user's hands.
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    };
    showText(Edit1_, model_.text(LineEdit::Text));
    showText(link_e_, model_.text(LineEdit::LinkTarget));
    showText(Fname_->lineEdit(), model_.faceNameText());
    for (const auto& [box, widget] : checkBoxes_) {
        const QSignalBlocker blocker(widget);
        widget->setChecked(model_.checked(box));
    }
    for (const auto& [button, widget] : radioButtons_) {
        const QSignalBlocker blocker(widget);
        widget->setChecked(model_.checked(button));
    }
    for (const auto& [field, widget] : spinEdits_) {
        const QString text = QString::fromStdString(model_.spinText(field));
        if (widget->text() != text) {
            widget->setText(text);
        }
    }
    for (const auto& [control, widget] : switchable_) {
        widget->setEnabled(model_.enabled(control));
    }
    const std::array<ColourSlot, 3> panelSlots = {ColourSlot::Start, ColourSlot::Middle,
                                                  ColourSlot::End};
    for (std::size_t i = 0; i < panelSlots.size(); ++i) {
        QPalette palette = colourPanels_[i]->palette();
        palette.setColor(QPalette::Window, toQColour(model_.colour(panelSlots[i])));
        colourPanels_[i]->setPalette(palette);
    }
}

void MainWindow::showOutput() {
    html_e_->setText(fromCp932(model_.markup()));
    // Show the fragment from its start, as a freshly filled edit box does.
    html_e_->setCursorPosition(0);
    // The length counts code page 932 bytes: a double-byte character counts 2.
    tag_len_->setText(QStringLiteral("(%1)").arg(model_.markup().size()));
    tag_len_->adjustSize();
    mihon_->update();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
        }
        Edit1_->setFocus();
        Edit1_->selectAll();
    }
}

}  // namespace huewright
