#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include <exception>
#include <optional>

#include "model/main_window_state.h"
#include "model/text_bounds.h"
#include "ui/colour_code_dialog.h"
#include "ui/control_drawing.h"
#include "ui/control_layout.h"
#include "ui/entry_validator.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/help_file.h"
#include "ui/image_view.h"
#include "ui/markup_edit.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"
#include "ui/spin_edit.h"
#include "ui/translations.h"
#include "ui/value_widgets.h"

namespace huewright {

namespace {

constexpr int kDesignPixelsPerInch = 96;

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      platform_(platform),
      surface_(kDesignPixelsPerInch, devicePixelRatioF()) {
    setFont(windowFont(12));
    createControls();
    createMenu();
    connectControls();
    connectActions();
    model_.setDrawingSurface(&surface_);
    model_.setLongestText(kLongestText);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    model_.setDrawingSurface(nullptr);
    // Taking the children down moves the focus, and a spin edit losing it would run its handler
    // on a window already half gone.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    buildWindow(this, client, mainWindowLayout(), [this] { platform_.beep(); });

    textEdit_ = findControl<QLineEdit>(client, LineEdit::Text);
    faceNameBox_ = findControl<QComboBox>(client, WindowPart::FaceName);
    markupEdit_ = findControl<MarkupEdit>(client, WindowPart::Markup);
    findControl<ImageView>(client, WindowPart::Preview)->setImage(&surface_.screenImage());

    auto beep = [this] { platform_.beep(); };
    new EntryValidator(LineEdit::Text, beep, textEdit_, [this] { return model_.textCharacters(); });
    new EntryValidator(LineEdit::LinkTarget, beep,
                       findControl<QLineEdit>(client, LineEdit::LinkTarget));
    new EntryValidator(WindowPart::FaceName, beep, faceNameBox_->lineEdit());
    for (const CheckBox box : kAllCheckBoxes) {
        checkBoxes_[box] = findControl<QAbstractButton>(client, box);
    }
    for (const RadioButton button : kAllRadioButtons) {
        radioButtons_[button] = findControl<QAbstractButton>(client, button);
    }
    for (const SpinField field : kAllSpinFields) {
        spinEdits_[field] = findControl<SpinEdit>(client, field);
    }
    for (const Button button : kAllButtons) {
        buttons_[button] = findControl<QPushButton>(client, button);
    }
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(qtName(nameOf(Menu::Bar)));
    std::map<std::string_view, QMenu*> menus;
    QActionGroup* choices = nullptr;
    for (const MenuLayout& entry : mainMenuLayout()) {
        QMenu* parent = menus[entry.parent];
        const QString caption = shown(entry.caption);
        QAction* action = nullptr;
        switch (entry.kind) {
            case MenuLayout::Kind::Menu: {
                QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
                menu->setObjectName(qtName(entry.name));
                menus[entry.name] = menu;
                continue;
            }
            case MenuLayout::Kind::Separator:
                action = parent->addSeparator();
                break;
            case MenuLayout::Kind::Item:
                action = parent->addAction(caption);
                break;
            case MenuLayout::Kind::Choice:
                if (choices == nullptr || choices->parent() != parent) {
                    choices = new QActionGroup(parent);
                }
                action = parent->addAction(caption);
                action->setCheckable(true);
                action->setActionGroup(choices);
                break;
        }
        action->setObjectName(qtName(entry.name));
        if (*entry.shortcut != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
    }
    for (const auto& [name, form] : kOutputFormItems) {
        connect(findControl<QAction>(this, name), &QAction::triggered, this,
                [this, name = name, form = form] {
                    // A refused choice leaves the ticked item as the form in use.
                    drawn_.forget(name);
                    act([&] { model_.chooseOutputForm(form); });
                });
    }
}

void MainWindow::showMenuTexts() {
    for (const MenuLayout& entry : mainMenuLayout()) {
        if (entry.kind == MenuLayout::Kind::Menu) {
            findChild<QMenu*>(qtName(entry.name))->setTitle(shown(entry.caption));
        } else if (entry.kind != MenuLayout::Kind::Separator) {
            findChild<QAction*>(qtName(entry.name))->setText(shown(entry.caption));
        }
    }
}

void MainWindow::switchLanguage() {
    act([&] { model_.switchLanguage(); });
    speakModelLanguage();
}

void MainWindow::speakModelLanguage() {
    speak(model_.language());
    helpFile_ = QString::fromStdString(locateHelpFile(
        QCoreApplication::applicationFilePath().toStdString(), PathEncoding::Utf8,
        model_.language(),
        [](const std::string& file) { return QFileInfo(QString::fromStdString(file)).isFile(); }));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showMenuTexts();
    }
}

void MainWindow::connectControls() {
    // An edit has changed its text already; a text the model refuses is taken back from it.
    for (const LineEdit edit : kAllLineEdits) {
        connect(findControl<QLineEdit>(this, edit), &QLineEdit::textEdited, this,
                [this, edit](const QString& text) {
                    drawn_.forget(edit);
                    act([&] {
                        if (edit == LineEdit::Text) {
                            model_.setTextUtf8(text.toStdString());
                        } else {
                            model_.setText(edit, toCp932(text));
                        }
                    });
                });
    }
    connect(faceNameBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        drawn_.forget(WindowPart::FaceName);
        act([&] { model_.setFaceNameText(toCp932(text), true); });
    });
    connect(faceNameBox_, &QComboBox::activated, this, [this](int item) {
        act([&] { model_.setFaceNameText(toCp932(faceNameBox_->itemText(item)), true); });
    });
    for (const auto& [box, widget] : checkBoxes_) {
        connect(widget, &QAbstractButton::clicked, this, [this, box = box](bool on) {
            drawn_.forget(box);
            act([&] { model_.setChecked(box, on); });
        });
    }
    for (const auto& [button, widget] : radioButtons_) {
        connect(widget, &QAbstractButton::clicked, this, [this, button = button] {
            drawn_.forget(button);
            act([&] { model_.checkRadio(button); });
        });
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
        platform_.showError(this, windowMessage(error, model_));
    }
    drawControls(this, drawn_.changes(mainWindowState(model_)));
    // A form that cannot write the settings is said once, after the window shows its state.
    if (const std::optional<OutputError> refusal = model_.refusalToReport()) {
        platform_.showError(this, windowMessage(*refusal, model_));
    }
}

void MainWindow::startUp(const std::filesystem::path& workingDirectory) {
    {
        const QSignalBlocker blocker(faceNameBox_);
        faceNameBox_->addItems(fontFamilyList());
    }
    // The drop-down list is as wide as its longest name, however narrow the box.
    QAbstractItemView* list = faceNameBox_->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    std::optional<FileReadError> unreadable;
    act([&] { unreadable = model_.startUp(workingDirectory); });
    speakModelLanguage();
    if (unreadable) {
        // The window starts from the built-in settings; the box says why, over the window once
        // it shows.
        const QString message = windowMessage(*unreadable, model_);
        QTimer::singleShot(0, this, [this, message] { platform_.showError(this, message); });
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
        }
        textEdit_->setFocus();
        if (selectsAllOnFocus(LineEdit::Text, FocusCause::Opening)) {
            textEdit_->selectAll();
        }
    }
}

}  // namespace huewright
