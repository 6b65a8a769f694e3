#include "ui/settings_dialog.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "controls/qt_colour.h"
#include "generator/colour_code.h"
#include "model/main_window_model.h"
#include "ui/colour_code_dialog.h"
#include "ui/control_layout.h"
#include "ui/error_messages.h"
#include "ui/fonts.h"
#include "ui/platform.h"

namespace huewright {

namespace {

using K = ControlKind;

const char* const kCodeHint = "ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示";
const char* const kBoldHint = "太字チェックのタグが選択できます";
const char* const kItalicHint = "斜体チェックのタグが選択できます";

const ControlLayout kLayout[] = {
    // name, kind, parent, caption, hint, {left, top, width, height}, tab
    {"GroupBox2", K::GroupBox, "", "初期指定", "", {8, 8, 265, 73}, 0},
    {"SS", K::CheckBox, "GroupBox2", "ｻｲｽﾞ指定", "サイズの指定有無", {11, 16, 70, 17}, 0},
    {"FS", K::CheckBox, "GroupBox2", "ﾌｫﾝﾄ指定", "フォントの指定有無", {89, 16, 72, 17}, 1},
    {"KB", K::CheckBox, "GroupBox2", "改行", "改行コードの有無", {163, 16, 48, 17}, 2},
    {"TB", K::CheckBox, "GroupBox2", "タグを大文字で出力", "出力タグの指定", {11, 32, 129, 17}, 3},
    {"CS",
     K::CheckBox,
     "GroupBox2",
     "色コード入力で＃を付ける",
     "色コードの表示・入力時に＃を付ける",
     {11, 48, 158, 17},
     4},
    {"GroupBox1",
     K::GroupBox,
     "",
     "初期色",
     "立ち上げ時の標準色を設定できます",
     {8, 88, 265, 41},
     1},
    {"sc", K::ColourPanel, "GroupBox1", "", kCodeHint, {8, 17, 17, 16}, -1},
    {"scb", K::Button, "GroupBox1", "開始色", "開始色を変更", {25, 16, 41, 17}, 0},
    {"tc", K::ColourPanel, "GroupBox1", "", kCodeHint, {72, 17, 17, 16}, -1},
    {"tcb", K::Button, "GroupBox1", "中間色", "", {89, 16, 41, 17}, 1},
    {"ec", K::ColourPanel, "GroupBox1", "", kCodeHint, {136, 17, 17, 16}, -1},
    {"ecb", K::Button, "GroupBox1", "終了色", "終了色を変更", {152, 16, 41, 17}, 2},
    {"bc", K::ColourPanel, "GroupBox1", "", kCodeHint, {200, 17, 17, 16}, -1},
    {"bcb", K::Button, "GroupBox1", "背景色", "背景色を変更", {217, 16, 41, 17}, 6},
    // Each radio group lists its items in one column under its caption.
    {"FR", K::GroupBox, "", "太字のタグ形式", kBoldHint, {8, 136, 129, 41}, 2},
    {"FR0", K::RadioButton, "FR", "太字 <B>", kBoldHint, {8, 14, 117, 13}, 0},
    {"FR1", K::RadioButton, "FR", "強調 <STRONG>", kBoldHint, {8, 27, 117, 13}, 1},
    {"SR", K::GroupBox, "", "斜体のタグ形式", kItalicHint, {144, 136, 129, 41}, 3},
    {"SR0", K::RadioButton, "SR", "斜体 <Ｉ>", kItalicHint, {8, 14, 117, 13}, 0},
    {"SR1", K::RadioButton, "SR", "強調 <ＥＭ>", kItalicHint, {8, 27, 117, 13}, 1},
    {"Button1", K::Button, "", "設定", "次回起動時に設定を反映します", {168, 184, 49, 25}, 4},
    {"Button2", K::Button, "", "取消", "いまのなし～", {224, 184, 49, 25}, 5},
    {"Button3",
     K::Button,
     "",
     "現在の色データを使用",
     "現在編集中の色データを読み込みます",
     {8, 184, 129, 25},
     6},
};

constexpr QSize kClientSize(279, 215);

// The five switches of the dialog, in the order of its check boxes' object names.
constexpr std::array<bool StartupSettings::*, 5> kSwitches = {
    &StartupSettings::useSize, &StartupSettings::useFace, &StartupSettings::lineBreak,
    &StartupSettings::upperCaseTags, &StartupSettings::hashInColourCodes};
constexpr std::array<const char*, 5> kSwitchNames = {"SS", "FS", "KB", "TB", "CS"};

constexpr std::array<ColourSlot, 4> kSlots = {ColourSlot::Start, ColourSlot::Middle,
                                              ColourSlot::End, ColourSlot::Background};
constexpr std::array<ColourValue StartupSettings::*, 4> kColourFields = {
    &StartupSettings::startColour, &StartupSettings::middleColour, &StartupSettings::endColour,
    &StartupSettings::backgroundColour};

std::size_t index(ColourSlot slot) {
    return static_cast<std::size_t>(slot);
}

}  // namespace

std::span<const ControlLayout> settingsDialogLayout() {
    return kLayout;
}

SettingsDialog::SettingsDialog(MainWindowModel& model, Platform& platform,
                               ColourCodeDialog& colourCode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      platform_(platform),
      colourCode_(colourCode) {
    setObjectName(QStringLiteral("stat_form"));
    setWindowTitle(QStringLiteral("Ｌｕｍｏ設定"));
    setFont(windowFont(12));
    setFixedSize(kClientSize);
    buildControls(this, kLayout, [this] { platform_.beep(); });

    const auto child = [this]<typename Widget>(const char* name) {
        return findChild<Widget*>(QString::fromLatin1(name));
    };
    const std::array<const char*, 4> panelNames = {"sc", "tc", "ec", "bc"};
    const std::array<const char*, 4> buttonNames = {"scb", "tcb", "ecb", "bcb"};
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        panels_[i] = child.operator()<QFrame>(panelNames[i]);
        panels_[i]->setAutoFillBackground(true);
        panels_[i]->installEventFilter(this);
        connect(child.operator()<QPushButton>(buttonNames[i]), &QPushButton::clicked, this,
                [this, slot = kSlots[i]] { chooseColour(slot); });
    }
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        switches_[i] = child.operator()<QAbstractButton>(kSwitchNames[i]);
        connect(switches_[i], &QAbstractButton::toggled, this,
                [this, flag = kSwitches[i]](bool on) { draft_.values().*flag = on; });
    }
    const std::array<std::array<const char*, 2>, 2> itemNames = {{{"FR0", "FR1"}, {"SR0", "SR1"}}};
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const auto f = static_cast<std::size_t>(form);
        for (std::size_t item = 0; item < 2; ++item) {
            tagItems_[f][item] = child.operator()<QAbstractButton>(itemNames[f][item]);
            connect(tagItems_[f][item], &QAbstractButton::clicked, this, [this, form, item] {
                draft_.select(form, static_cast<int>(item));
                showDraft();
            });
        }
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    connect(child.operator()<QPushButton>("Button1"), &QPushButton::clicked, this,
            &SettingsDialog::store);
    connect(child.operator()<QPushButton>("Button2"), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(child.operator()<QPushButton>("Button3"), &QPushButton::clicked, this,
            &SettingsDialog::takeCurrentColours);
}

void SettingsDialog::fill() {
    draft_.open(model_.startupSettings());
    showDraft();
}

ColourValue SettingsDialog::colour(ColourSlot slot) const {
    return draft_.values().*kColourFields[index(slot)];
}

void SettingsDialog::setColour(ColourSlot slot, ColourValue colour) {
    draft_.values().*kColourFields[index(slot)] = colour;
}

void SettingsDialog::showDraft() {
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        QPalette palette = panels_[i]->palette();
        palette.setColor(QPalette::Window, toQColour(colour(kSlots[i])));
        panels_[i]->setPalette(palette);
    }
    for (std::size_t i = 0; i < kSwitches.size(); ++i) {
        const QSignalBlocker blocker(switches_[i]);
        switches_[i]->setChecked(draft_.values().*kSwitches[i]);
    }
    for (const TagForm form : {TagForm::Bold, TagForm::Italic}) {
        const std::optional<int> selected = draft_.selectedItem(form);
        for (std::size_t item = 0; item < 2; ++item) {
            tagItems_[static_cast<std::size_t>(form)][item]->setChecked(selected ==
                                                                        static_cast<int>(item));
        }
    }
}

void SettingsDialog::chooseColour(ColourSlot slot) {
    if (const std::optional<ColourValue> chosen = platform_.chooseColour(this, colour(slot))) {
        setColour(slot, *chosen);
        showDraft();
    }
}

void SettingsDialog::showColourCode(ColourSlot slot) {
    // The dialog's own colour, shown and read by the options in force.
    const StartupSettings& options = model_.startupSettings();
    colourCode_.setCode(QString::fromStdString(
        colourToCode(colour(slot), options.hashInColourCodes, options.upperCaseTags)));
    platform_.runModal(colourCode_);
    setColour(slot, codeToColour(colourCode_.code().toStdString(), colour(slot)));
    showDraft();
}

void SettingsDialog::takeCurrentColours() {
    for (const ColourSlot slot : kSlots) {
        setColour(slot, model_.colour(slot));
    }
    showDraft();
}

void SettingsDialog::store() {
    try {
        model_.storeStartupSettings(draft_.values());
        accept();
    } catch (const std::exception& error) {
        // The dialog stays open with the user's edits, to try again or cancel.
        platform_.showError(this, windowMessage(error) + QStringLiteral("."));
    }
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            if (watched == panels_[i]) {
                showColourCode(kSlots[i]);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace huewright
