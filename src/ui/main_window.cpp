#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

#include <exception>

#include "controls/gradient_label.h"
#include "controls/qt_colour.h"
#include "model/help_file.h"
#include "ui/colour_code_dialog.h"
#include "ui/cp932_validator.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/image_view.h"
#include "ui/main_window_layout.h"
#include "ui/markup_edit.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/spin_edit.h"

namespace huewright {

namespace {

constexpr int kDesignPixelsPerInch = 96;

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Widget = QWidget>
Widget* child(const QWidget* parent, std::string_view name) {
    return parent->findChild<Widget*>(qtName(name));
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      platform_(platform),
      surface_(kDesignPixelsPerInch, devicePixelRatioF()) {
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont(12));
    createControls();
    createMenu();
    connectControls();
    connectActions();
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
    client->setFixedSize(kMainClientWidth, kMainClientHeight);
    setCentralWidget(client);
    buildControls(client, mainWindowLayout(), [this] { platform_.beep(); });

    textEdit_ = child<QLineEdit>(client, nameOf(LineEdit::Text));
    linkEdit_ = child<QLineEdit>(client, nameOf(LineEdit::LinkTarget));
    faceNameBox_ = child<QComboBox>(client, "Fname");
    markupEdit_ = child<MarkupEdit>(client, "html_e");
    lengthLabel_ = child<QLabel>(client, "tag_len");
    colourPanels_ = {child<QFrame>(client, "sc"), child<QFrame>(client, "tc"),
                     child<QFrame>(client, "ec")};
    for (QFrame* panel : colourPanels_) {
        panel->setAutoFillBackground(true);
    }
    preview_ = child<ImageView>(client, "mihon");
    preview_->setImage(&surface_.screenImage());

    auto* lumo = child<GradientLabel>(client, "Lumo");
    lumo->setDecoder(fromCp932);
    lumo->setStartColour(0xFF0000);
    lumo->setEndColour(0xFF00FF);
    lumo->setBackgroundColour(0xFFFFFF);
    lumo->setTransparent(true);
    lumo->setAutoSize(true);

    auto beep = [this] { platform_.beep(); };
    for (QLineEdit* edit : {textEdit_, linkEdit_, faceNameBox_->lineEdit()}) {
        new Cp932Validator(beep, edit);
    }
    for (const CheckBox box : kAllCheckBoxes) {
        checkBoxes_[box] = child<QAbstractButton>(client, nameOf(box));
    }
    for (const RadioButton button : kAllRadioButtons) {
        radioButtons_[button] = child<QAbstractButton>(client, nameOf(button));
    }
    for (const SpinField field : kAllSpinFields) {
        spinEdits_[field] = child<SpinEdit>(client, nameOf(field));
    }
    for (const Switchable control : kAllSwitchables) {
        switchable_[control] = child(client, nameOf(control));
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
    // The forms a web page or a forum takes; the window's own FONT tags first.
    QMenu* forms = edit->addMenu(QStringLiteral("出力形式(&F)"));
    forms->setObjectName(QStringLiteral("FormMenu"));
    auto* group = new QActionGroup(forms);
    const std::pair<const char*, OutputForm> items[] = {
        {"FONT", OutputForm::Font}, {"SPAN", OutputForm::Span}, {"BBCode", OutputForm::Bbcode}};
    for (const auto& [caption, form] : items) {
        QAction* item = forms->addAction(QString::fromLatin1(caption));
        item->setObjectName(QStringLiteral("Form") + QString::fromLatin1(caption));
        item->setCheckable(true);
        item->setActionGroup(group);
        connect(item, &QAction::triggered, this,
                [this, form = form] { act([&] { model_.chooseOutputForm(form); }); });
        formItems_.push_back({item, form});
    }
    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* topics = help->addAction(QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"));
    topics->setObjectName(QStringLiteral("SearchforHelpOn1"));
    topics->setShortcut(Qt::Key_F1);
    topics->setShortcutContext(Qt::WindowShortcut);
}

void MainWindow::connectControls() {
    connect(textEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setText(LineEdit::Text, toCp932(text)); });
    });
    connect(linkEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setText(LineEdit::LinkTarget, toCp932(text)); });
    });
    connect(faceNameBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        act([&] { model_.setFaceNameText(toCp932(text), true); });
    });
    connect(faceNameBox_, &QComboBox::activated, this, [this](int item) {
        act([&] { model_.setFaceNameText(toCp932(faceNameBox_->itemText(item)), true); });
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

void MainWindow::act(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        // The application's error handler: the message with a full stop, and the window goes on.
        platform_.showError(this, windowMessage(error, model_.outputForm()) + QStringLiteral("."));
    }
    showModelState();
}

void MainWindow::startUp(const std::filesystem::path& workingDirectory) {
    helpFile_ = QString::fromStdString(
        helpFileName(QCoreApplication::applicationFilePath().toStdString(), PathEncoding::Utf8));
    {
        const QSignalBlocker blocker(faceNameBox_);
        faceNameBox_->addItems(fontFamilyList());
    }
    // The drop-down list is as wide as its longest name, however narrow the box.
    QAbstractItemView* list = faceNameBox_->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
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
    showText(textEdit_, model_.text(LineEdit::Text));
    showText(linkEdit_, model_.text(LineEdit::LinkTarget));
    showText(faceNameBox_->lineEdit(), model_.faceNameText());
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
    for (const auto& [item, form] : formItems_) {
        item->setChecked(model_.outputForm() == form);
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
    markupEdit_->setMarkup(fromCp932(model_.markup()));
    // The length counts code page 932 bytes: a double-byte character counts 2.
    lengthLabel_->setText(QStringLiteral("(%1)").arg(model_.markup().size()));
    lengthLabel_->adjustSize();
    preview_->update();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
        }
        textEdit_->setFocus();
        textEdit_->selectAll();
    }
}

}  // namespace huewright
