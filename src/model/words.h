#pragma once

// The texts the views show besides their controls' captions, hints and names: titles of the
// help window and the file dialogs, messages, and what only the page says. Japanese, UTF-8;
// "%1", "%2" ... stand for what the view fills in. Each has its English in the translations.

namespace huewright::words {

// The help window.
inline constexpr const char* kHelpTitle = "HuewrightHTML ヘルプ";
inline constexpr const char* kHelpSearch = "検索する語";
inline constexpr const char* kHelpTopics = "トピック";
inline constexpr const char* kHelpText = "ヘルプの本文";
inline constexpr const char* kHelpClear = "消去";
inline constexpr const char* kHelpUnreadable = "ヘルプファイル %1 を読み込めません: %2";

// The gradation settings file dialogs.
inline constexpr const char* kSettingsFiles = "グラデーション設定 (*.DAT)";
inline constexpr const char* kAllFiles = "すべてのファイル (*.*)";
inline constexpr const char* kSaveSettingsTitle = "グラデーション設定保存";
inline constexpr const char* kOpenSettingsTitle = "グラデーション設定読込";

// The error box. A field is named by its control's accessible name.
inline constexpr const char* kCannotWrite = "%1 に書き込めません";
inline constexpr const char* kCannotRead = "%1 を読み込めません（%2）";
inline constexpr const char* kTooLong = "%1 は %2 文字までです";
inline constexpr const char* kNoSettings = "%1 には設定がありません";
inline constexpr const char* kFragmentApproached =
    "%1 の断片はどの設定でも同じには作れないため、いちばん近い設定で開きました";
inline constexpr const char* kUnrepresentable = "シフトJISにない文字があるため読み込めません（%1）";
inline constexpr const char* kLineBreakInValue = "%1 の値は改行を含むため書き込めません";
inline constexpr const char* kControlCharacter = "%1 の制御文字 %2 は %3 形式では出力できません";
inline constexpr const char* kLinkScheme =
    "%1 形式のリンク先は相対か http, https, mailto, ftp だけです";
inline constexpr const char* kBracketInFace = "%1 のフォント名には [ と ] を使えません";
inline constexpr const char* kStopList = "色の並びを読めません（%1）";
inline constexpr const char* kCodeInText =
    "%1 の %2 文字目の %3 は %4 形式では色コードとして読まれます";
inline constexpr const char* kBeyondCodePage932 =
    "%1 の %2 文字目の %3 はシフトJISにないため、FONT 形式でも .DAT ファイルにも書けません";

// What only the page says: it cannot close a browser tab, lumo.ini lives in the browser's
// storage, and the page has a link, a status line, a PNG download and a rendering of its own.
inline constexpr const char* kQuitHint =
    "ブラウザではタブを閉じて終了します（このボタンは使えません）";
inline constexpr const char* kImportStartup = "lumo.ini を読み込む...";
inline constexpr const char* kExportStartup = "lumo.ini を書き出す";
inline constexpr const char* kNoStartupFile = "lumo.ini はまだ保存されていません";
inline constexpr const char* kCopied = "コピーしました";
inline constexpr const char* kNotCopied =
    "コピーできませんでした（ブラウザがクリップボードへの書き込みを許していません）";
inline constexpr const char* kSavePreview = "プレビューを PNG で保存";
inline constexpr const char* kCopyLink = "リンクをコピー";
inline constexpr const char* kLinkTooLong =
    "リンクが %1 文字を超えるため作れません（テキストを短くしてください）";
inline constexpr const char* kBadLink = "このリンクの設定は読めません（%1）。既定の設定で始めます";
inline constexpr const char* kRenderedPart = "上の表示は完成ＨＴＭＬの先頭 %1 文字までです。";
inline constexpr const char* kMenuBar = "メニュー";
inline constexpr const char* kRendering = "完成ＨＴＭＬをブラウザで表示したもの";
inline constexpr const char* kRenderingCaption = "ブラウザでの表示";
inline constexpr const char* kClose = "閉じる";
inline constexpr const char* kColourRole = "色";

/// Every text above, for the check that each has its English.
inline constexpr const char* kAll[] = {
    kHelpTitle,
    kHelpSearch,
    kHelpTopics,
    kHelpText,
    kHelpClear,
    kHelpUnreadable,
    kSettingsFiles,
    kAllFiles,
    kSaveSettingsTitle,
    kOpenSettingsTitle,
    kCannotWrite,
    kCannotRead,
    kTooLong,
    kNoSettings,
    kFragmentApproached,
    kUnrepresentable,
    kLineBreakInValue,
    kControlCharacter,
    kLinkScheme,
    kBracketInFace,
    kCodeInText,
    kBeyondCodePage932,
    kStopList,
    kQuitHint,
    kImportStartup,
    kExportStartup,
    kNoStartupFile,
    kRenderingCaption,
    kCopied,
    kNotCopied,
    kSavePreview,
    kCopyLink,
    kLinkTooLong,
    kBadLink,
    kRenderedPart,
    kMenuBar,
    kRendering,
    kClose,
    kColourRole,
};

}  // namespace huewright::words
