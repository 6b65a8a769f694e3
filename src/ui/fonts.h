#pragma once

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace huewright {

/// The face every window asks for by name.
inline const QString kWindowFace = QStringLiteral("ＭＳ Ｐゴシック");

/// Where the Windows Japanese Gothic faces are not installed, has Qt draw them with
/// metric-compatible faces: "ＭＳ Ｐゴシック" with "Monapo" (or "IPAPGothic" without it),
/// "ＭＳ ゴシック" with "IPAGothic". Call once, after the application object exists.
void installFaceSubstitutes();

/// The installed font families, as face names for the font list.
QStringList fontFamilyList();

/// `families` as face names: the foundry Qt appends in brackets removed, each name once, only
/// names code page 932 can hold (a face name travels as code page 932), sorted without regard
/// to case by the collation of `locale`.
QStringList faceNames(QStringList families, const QLocale& locale);

/// The window font: kWindowFace, `pixelSize` pixels high, no style, drawn without kerning or
/// ligatures. (Its colour, black, is the palette's.)
QFont windowFont(int pixelSize);

}  // namespace huewright
