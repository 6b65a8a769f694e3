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
    const struct {
        QString face;
        QString substitute;
    } substitutes[] = {
        {kWindowFace, QStringLiteral("IPAPGothic")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
    };
    for (const auto& [face, substitute] : substitutes) {
        if (!QFontDatabase::hasFamily(face)) {
            QFont::insertSubstitution(face, substitute);
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
    return font;
}

}  // namespace huewright
