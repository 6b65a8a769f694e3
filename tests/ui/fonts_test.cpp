#include "ui/fonts.h"

#include <gtest/gtest.h>

namespace huewright {
namespace {

// Families and face names are written with "|" between them.
TEST(Fonts, FaceNamesAreListedOnceInCaseBlindOrder) {
    const struct {
        const char* families;
        const char* names;
    } rows[] = {
        {"Zeta|epsilon|Alpha|beta", "Alpha|beta|epsilon|Zeta"},
        // Qt names the foundry when several make a family.
        {"C059 [urw]|Serif|C059 [UKWN]|Serif", "C059|Serif"},
        {"Odd [name|[Bracketed]", "[Bracketed]|Odd [name"},
        {"Café Sans|ＭＳ Ｐゴシック|Emoji 😀|IPAGothic", "IPAGothic|ＭＳ Ｐゴシック"},
    };
    for (const auto& row : rows) {
        const QStringList families = QString::fromUtf8(row.families).split(u'|');
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        EXPECT_EQ(faceNames(families, english).join(u'|').toStdString(), row.names) << row.families;
    }
}

}  // namespace
}  // namespace huewright
