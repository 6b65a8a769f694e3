#include "ui/fonts.h"

#include <gtest/gtest.h>

#include <utility>

namespace huewright {
namespace {

// Families and face names are written with "|" between them.
TEST(Fonts, FaceNamesAreListedOnceInCaseBlindOrder) {
    const std::pair<const char*, const char*> rows[] = {
        {"Zeta|epsilon|Alpha|beta", "Alpha|beta|epsilon|Zeta"},
        // Qt names the foundry when several make a family.
        {"C059 [urw]|Serif|C059 [UKWN]|Serif", "C059|Serif"},
        {"Odd [name|[Bracketed]", "[Bracketed]|Odd [name"},
        {"Café Sans|ＭＳ Ｐゴシック|Emoji 😀|IPAGothic", "IPAGothic|ＭＳ Ｐゴシック"},
    };
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const auto& [families, names] : rows) {
        const QStringList list = QString::fromUtf8(families).split(u'|');
        EXPECT_EQ(faceNames(list, english).join(u'|').toStdString(), names) << families;
    }
}

}  // namespace
}  // namespace huewright
