// The dialogs as they were drawn: the settings, colour-code and version dialogs.
#include "model/controls.h"
#include "model/layout.h"

namespace huewright {

namespace {

using K = ControlKind;
using S = SettingsControl;

constexpr std::string_view kClient = "";

const char* const kCodeHint = "ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示";
const char* const kBoldHint = "太字チェックのタグが選択できます";
const char* const kItalicHint = "斜体チェックのタグが選択できます";

constexpr ControlLayout kSettingsControls[] = {
    // name, kind, parent, caption, hint, {left, top, width, height}, tab
    {nameOf(S::SwitchGroup), K::GroupBox, kClient, "初期指定", "", {8, 8, 265, 73}, 0},
    {nameOf(S::UseSize),
     K::CheckBox,
     nameOf(S::SwitchGroup),
     "ｻｲｽﾞ指定",
     "サイズの指定有無",
     {11, 16, 70, 17},
     0},
    {nameOf(S::UseFace),
     K::CheckBox,
     nameOf(S::SwitchGroup),
     "ﾌｫﾝﾄ指定",
     "フォントの指定有無",
     {89, 16, 72, 17},
     1},
    {nameOf(S::LineBreak),
     K::CheckBox,
     nameOf(S::SwitchGroup),
     "改行",
     "改行コードの有無",
     {163, 16, 48, 17},
     2},
    {nameOf(S::UpperCaseTags),
     K::CheckBox,
     nameOf(S::SwitchGroup),
     "タグを大文字で出力",
     "出力タグの指定",
     {11, 32, 129, 17},
     3},
    {nameOf(S::HashInColourCodes),
     K::CheckBox,
     nameOf(S::SwitchGroup),
     "色コード入力で＃を付ける",
     "色コードの表示・入力時に＃を付ける",
     {11, 48, 158, 17},
     4},
    {nameOf(S::ColourGroup),
     K::GroupBox,
     kClient,
     "初期色",
     "立ち上げ時の標準色を設定できます",
     {8, 88, 265, 41},
     1},
    {nameOf(S::StartPanel),
     K::ColourPanel,
     nameOf(S::ColourGroup),
     "",
     kCodeHint,
     {8, 17, 17, 16},
     -1},
    {nameOf(S::StartButton),
     K::Button,
     nameOf(S::ColourGroup),
     "開始色",
     "開始色を変更",
     {25, 16, 41, 17},
     0},
    {nameOf(S::MiddlePanel),
     K::ColourPanel,
     nameOf(S::ColourGroup),
     "",
     kCodeHint,
     {72, 17, 17, 16},
     -1},
    {nameOf(S::MiddleButton), K::Button, nameOf(S::ColourGroup), "中間色", "", {89, 16, 41, 17}, 1},
    {nameOf(S::EndPanel),
     K::ColourPanel,
     nameOf(S::ColourGroup),
     "",
     kCodeHint,
     {136, 17, 17, 16},
     -1},
    {nameOf(S::EndButton),
     K::Button,
     nameOf(S::ColourGroup),
     "終了色",
     "終了色を変更",
     {152, 16, 41, 17},
     2},
    {nameOf(S::BackgroundPanel),
     K::ColourPanel,
     nameOf(S::ColourGroup),
     "",
     kCodeHint,
     {200, 17, 17, 16},
     -1},
    {nameOf(S::BackgroundButton),
     K::Button,
     nameOf(S::ColourGroup),
     "背景色",
     "背景色を変更",
     {217, 16, 41, 17},
     6},
    // Each radio group lists its items in one column under its caption.
    {nameOf(S::BoldGroup), K::GroupBox, kClient, "太字のタグ形式", kBoldHint, {8, 136, 129, 41}, 2},
    {nameOf(S::BoldTag),
     K::RadioButton,
     nameOf(S::BoldGroup),
     "太字 <B>",
     kBoldHint,
     {8, 14, 117, 13},
     0},
    {nameOf(S::StrongTag),
     K::RadioButton,
     nameOf(S::BoldGroup),
     "強調 <STRONG>",
     kBoldHint,
     {8, 27, 117, 13},
     1},
    {nameOf(S::ItalicGroup),
     K::GroupBox,
     kClient,
     "斜体のタグ形式",
     kItalicHint,
     {144, 136, 129, 41},
     3},
    {nameOf(S::ItalicTag),
     K::RadioButton,
     nameOf(S::ItalicGroup),
     "斜体 <Ｉ>",
     kItalicHint,
     {8, 14, 117, 13},
     0},
    {nameOf(S::EmphasisTag),
     K::RadioButton,
     nameOf(S::ItalicGroup),
     "強調 <ＥＭ>",
     kItalicHint,
     {8, 27, 117, 13},
     1},
    {nameOf(S::Store),
     K::Button,
     kClient,
     "設定",
     "次回起動時に設定を反映します",
     {168, 184, 49, 25},
     4},
    {nameOf(S::Cancel), K::Button, kClient, "取消", "いまのなし～", {224, 184, 49, 25}, 5},
    {nameOf(S::TakeCurrentColours),
     K::Button,
     kClient,
     "現在の色データを使用",
     "現在編集中の色データを読み込みます",
     {8, 184, 129, 25},
     6},
};

constexpr ControlLayout kColourCodeControls[] = {
    {nameOf(ColourCodeControl::Code),
     K::LineEdit,
     kClient,
     "",
     "カラーコードを設定します",
     {24, 8, 57, 20},
     0},
    {nameOf(ColourCodeControl::Copy),
     K::Button,
     kClient,
     "COPY",
     "カラーコードをクリップボードにコピーします",
     {8, 32, 41, 17},
     1},
    {nameOf(ColourCodeControl::Ok), K::Button, kClient, "OK", "", {56, 32, 41, 17}, 2},
};

// The program's name and version line in the main window's label style, and OK.
constexpr ControlLayout kVersionControls[] = {
    {nameOf(VersionControl::Name),
     K::GradientLabel,
     kClient,
     "HuewrightHTML",
     "",
     {16, 16, 0, 0},
     -1,
     13},
    // The version line's caption comes from the build.
    {nameOf(VersionControl::Version), K::GradientLabel, kClient, "", "", {16, 36, 0, 0}, -1, 13},
    {nameOf(VersionControl::Ok), K::Button, kClient, "OK", "", {104, 60, 65, 25}, 0},
};

constexpr WindowLayout kSettingsDialog = {nameOf(Window::Settings), "Ｌｕｍｏ設定", 279, 215,
                                          kSettingsControls};
constexpr WindowLayout kColourCodeDialog = {nameOf(Window::ColourCode), "ColorNo", 104, 51,
                                            kColourCodeControls};

constexpr WindowLayout kVersionDialog = {nameOf(Window::Version), "バージョン情報", 177, 93,
                                         kVersionControls};

}  // namespace

const WindowLayout& versionDialogLayout() {
    return kVersionDialog;
}

const WindowLayout& settingsDialogLayout() {
    return kSettingsDialog;
}

const WindowLayout& colourCodeDialogLayout() {
    return kColourCodeDialog;
}

}  // namespace huewright
