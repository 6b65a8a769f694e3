#include "ui/fonts.h"

#include <QCollator>
#include <QFontDatabase>

#include <algorithm>

#include "text/cp932.h"

namespace huewright {
namespace {

bool cp932CanHoldAll(const QString& text) {
    const auto codePoints = text.toUcs4();
    return std::all_of(codePoints.cbegin(), codePoints.cend(),
                       [](char32_t codePoint) { return cp932CanHold(codePoint); });
}

/// `family` without the " [foundry]" that Qt appends when several foundries make a family.
QString withoutFoundry(const QString& family) {
    const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
    return bracket > 0 && family.endsWith(u']') ? family.left(bracket) : family;
}

}  // namespace

void installFaceSubstitutes() {
    // Monapo has IPA P Gothic's glyphs with the Windows face's advance widths, so captions take
    // the room the windows were drawn for, and a half-width sound mark is as narrow as its ink
    // (in IPA P Gothic it keeps a half em, which leaves a gap after it).
    const struct {
        QString face;
        QStringList substitutes;
    } substitutes[] = {
        {kWindowFace, {QStringLiteral("Monapo"), QStringLiteral("IPAPGothic")}},
        {QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")}},
    };
    for (const auto& [face, faces] : substitutes) {
        if (!QFontDatabase::hasFamily(face)) {
            QFont::insertSubstitutions(face, faces);
        }
    }
}

QStringList fontFamilyList() {
    return faceNames(QFontDatabase::families(), QLocale());
}

QStringList faceNames(QStringList families, const QLocale& locale) {
    for (QString& family : families) {
        family = withoutFoundry(family);
    }
    families.removeIf([](const QString& family) { return !cp932CanHoldAll(family); });
    families.removeDuplicates();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(families.begin(), families.end(), collator);
    return families;
}

QFont windowFont(int pixelSize) {
    QFont font(QStringList{kWindowFace});
    font.setPixelSize(pixelSize);
    // The windows were drawn for text without kerning or ligatures. Shaping every character
    // also cost a line edit most of its time per keystroke in a long text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace huewright
