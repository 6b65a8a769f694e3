// The extended colour dialog, beside the window as described: the stops, the blend and the two
// switches the command line offers, in the look of the other dialogs.
#include "model/controls.h"
#include "model/layout.h"

namespace huewright {

namespace {

using K = ControlKind;
using E = ExtendedControl;

constexpr const char* kPresetHint = "色の並びをこの組み合わせにします";

constexpr ControlLayout kExtendedControls[] = {
    // name, kind, parent, caption, hint, accessible name, {left, top, width, height}, tab
    {nameOf(E::Stops),
     K::LineEdit,
     kClient,
     "",
     "色コードをカンマで区切って 2～16 個。空なら開始色・中間色・終了色です",
     "色の並び",
     {8, 8, 263, 20},
     0},
    {nameOf(E::Strip), K::Image, kClient, "", "", "グラデーションの見本", {8, 32, 263, 14}, -1},
    {nameOf(E::AddStop),
     K::Button,
     kClient,
     "色を追加...",
     "色を選んで最後に加えます",
     "",
     {8, 52, 85, 22},
     1},
    {nameOf(E::RemoveStop),
     K::Button,
     kClient,
     "最後を削除",
     "最後の色を除きます",
     "",
     {97, 52, 85, 22},
     2},
    {nameOf(E::Reverse),
     K::Button,
     kClient,
     "逆順",
     "色の順を逆にします",
     "",
     {186, 52, 85, 22},
     3},
    {nameOf(E::Rainbow), K::Button, kClient, "虹", kPresetHint, "", {8, 80, 50, 22}, 4},
    {nameOf(E::Sunset), K::Button, kClient, "夕焼け", kPresetHint, "", {61, 80, 50, 22}, 5},
    {nameOf(E::Ocean), K::Button, kClient, "海", kPresetHint, "", {114, 80, 50, 22}, 6},
    {nameOf(E::Pastel), K::Button, kClient, "パステル", kPresetHint, "", {167, 80, 50, 22}, 7},
    {nameOf(E::Monochrome), K::Button, kClient, "モノクロ", kPresetHint, "", {220, 80, 51, 22}, 8},
    {nameOf(E::BlendGroup), K::Container, kClient, "", "", "混ぜ方", {8, 106, 263, 20}, 9},
    {nameOf(E::Rgb),
     K::RadioButton,
     nameOf(E::BlendGroup),
     "sRGB",
     "チャンネルごとに一定の歩みで変えます",
     "",
     {0, 0, 80, 20},
     0},
    {nameOf(E::Oklab),
     K::RadioButton,
     nameOf(E::BlendGroup),
     "OKLab",
     "見た目の明るさがなめらかに変わります",
     "",
     {88, 0, 80, 20},
     1},
    {nameOf(E::Oklch),
     K::RadioButton,
     nameOf(E::BlendGroup),
     "OKLCh",
     "色相を短い向きに回して変えます",
     "",
     {176, 0, 80, 20},
     2},
    {nameOf(E::ExactEnds),
     K::CheckBox,
     kClient,
     "端の色を正確に",
     "sRGB で、区切りの最後の文字を次の色そのものにします",
     "",
     {8, 130, 130, 17},
     10},
    {nameOf(E::MergeRuns),
     K::CheckBox,
     kClient,
     "同じ色をまとめる",
     "隣り合う同じ色の文字を 1 つのタグにまとめます",
     "",
     {141, 130, 130, 17},
     11},
    {nameOf(E::Reset),
     K::Button,
     kClient,
     "既定に戻す",
     "拡張をやめて、ウィンドウの色だけで作ります",
     "",
     {8, 156, 85, 25},
     12},
    {nameOf(E::Ok), K::Button, kClient, "OK", "この設定で作ります", "", {168, 156, 49, 25}, 13},
    {nameOf(E::Cancel), K::Button, kClient, "取消", "いまのなし～", "", {224, 156, 49, 25}, 14},
};

constexpr WindowLayout kExtendedDialog = {nameOf(Window::Extended), "拡張", 279, 189,
                                          kExtendedControls};

}  // namespace

const WindowLayout& extendedDialogLayout() {
    return kExtendedDialog;
}

}  // namespace huewright
