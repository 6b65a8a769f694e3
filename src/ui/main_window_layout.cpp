#include "ui/main_window_layout.h"

#include <array>

namespace huewright {

namespace {

using K = ControlKind;

const char* const kPreviewHint = "こんな感じになるよ";
const char* const kCodeHint = "ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰｺｰﾄﾞ表示";

const ControlLayout kLayout[] = {
    // name, kind, parent, caption, hint, {left, top, width, height}, tab
    {"Panel2", K::SunkenPanel, "", "", kPreviewHint, {0, 0, 409, 49}, -1},
    {"mihon", K::Image, "Panel2", "", kPreviewHint, {1, 1, 407, 47}, -1},
    {"Edit1", K::LineEdit, "", "HuewrightHTML!", "", {1, 52, 408, 20}, 0},
    {"sc", K::ColourPanel, "", "", kCodeHint, {0, 74, 17, 16}, -1},
    {"scb", K::Button, "", "開始色", "開始色を変更", {17, 74, 41, 17}, 1},
    {"tc", K::ColourPanel, "", "", kCodeHint, {59, 74, 17, 16}, -1},
    {"tcb", K::Button, "", "中間色", "", {76, 74, 41, 17}, 22},
    {"ec", K::ColourPanel, "", "", kCodeHint, {119, 74, 17, 16}, -1},
    {"ecb", K::Button, "", "終了色", "終了色を変更", {135, 74, 41, 17}, 2},
    {"Button1", K::Button, "", "色反転", "開始終了を逆にするよ", {180, 74, 40, 17}, 10},
    {"CB", K::CheckBox, "", "３色", "３色グラデーションを作成します", {222, 74, 40, 17}, 21},
    {"Panel1", K::Container, "", "", "", {265, 70, 105, 25}, 29},
    {"Gtype1b", K::RadioButton, "Panel1", "グラデ", "", {0, 0, 57, 25}, 0},
    {"Gtype2b", K::RadioButton, "Panel1", "交互", "", {56, 0, 57, 25}, 1},
    {"bcb", K::Button, "", "背景色", "背景の色変更", {370, 74, 40, 17}, 9},
    {"Fname", K::ComboBox, "", "", "指定するフォントです", {1, 94, 121, 20}, 3},
    {"Fsize", K::FixedSpinEdit, "", "3", "文字の大きさです", {124, 94, 33, 21}, 4},
    {"BB", K::CheckBox, "", "太字", "強調表示文字にします", {158, 94, 49, 17}, 5},
    {"EB", K::CheckBox, "", "斜体", "斜体文字にします", {204, 94, 49, 17}, 6},
    {"UB", K::CheckBox, "", "下線", "下線付き文字にします", {251, 94, 49, 17}, 7},
    {"SB", K::CheckBox, "", "取消線", "取消線付き文字にします", {298, 94, 57, 17}, 8},
    {"KB", K::CheckBox, "", "改行", "改行コードを付けます", {356, 93, 48, 17}, 14},
    {"WB", K::CheckBox, "", "枠", "枠を付けます", {1, 117, 34, 17}, 15},
    {"WS", K::TypingSpinEdit, "", "0", "枠の太さです", {36, 115, 33, 21}, 19},
    {"HB", K::CheckBox, "", "背景", "枠の中に背景色を付けます", {73, 117, 41, 17}, 16},
    {"LB", K::CheckBox, "", "リンク", "リンクタグを付けます", {121, 117, 57, 17}, 17},
    {"link_e", K::LineEdit, "", "http://", "リンク先を入力します", {177, 115, 232, 20}, 18},
    {"TB", K::CheckBox, "", "体裁", "文字に変化をつけます。", {1, 141, 48, 17}, 28},
    {"Ftype1B", K::RadioButton, "", "＞＜", "", {50, 141, 41, 17}, 23},
    {"Ftype2B", K::RadioButton, "", "凸凹", "", {94, 141, 49, 17}, 24},
    {"Ftype3B", K::RadioButton, "", "oOoO", "", {141, 141, 49, 17}, 27},
    {"FDsize", K::FixedSpinEdit, "", "7", "最大文字サイズ", {193, 137, 33, 21}, 25},
    {"FSsize", K::FixedSpinEdit, "", "3", "最小文字サイズ", {229, 137, 33, 21}, 26},
    {"FS", K::CheckBox, "", "ﾌｫﾝﾄ指定", "フォントの指定をします", {265, 141, 72, 17}, 20},
    {"SS", K::CheckBox, "", "ｻｲｽﾞ指定", "サイズの指定をします", {340, 141, 70, 17}, 30},
    {"html_e", K::MarkupEdit, "", "", "完成ＨＴＭＬ", {1, 161, 336, 20}, 13},
    {"tag_len", K::Label, "", "", "", {346, 163, 0, 0}, -1, 13},
    // The frame lies over the length display, so resting the mouse there shows its hint.
    {"Bevel1", K::Bevel, "", "", "タグ文字数", {344, 160, 65, 20}, -1},
    {"Button2",
     K::Button,
     "",
     "クリップボードにコピー",
     "ＨＴＭＬコードをクリップボードにコピーします",
     {2, 184, 129, 25},
     11},
    {"Lumo", K::GradientLabel, "", "HuewrightHTML", "", {140, 184, 0, 0}, -1, 13},
    {"bmpb",
     K::Button,
     "",
     "BMPｺﾋﾟｰ",
     "プレビューをクリップボードにコピーします",
     {280, 184, 65, 25},
     34},
    {"Button3", K::Button, "", "終了", "おしまい", {352, 184, 59, 25}, 12},
};

}  // namespace

std::span<const ControlLayout> mainWindowLayout() {
    return kLayout;
}

}  // namespace huewright
