#include "ui/fonts.h"

#include <QtTest>

namespace huewright {

class FontsTest : public QObject {
    Q_OBJECT

  private slots:
    void faceNamesAreListedOnceInCaseBlindOrder() {
        const struct {
            QStringList families;
            QStringList names;
        } rows[] = {
            {{"Zeta", "epsilon", "Alpha", "beta"}, {"Alpha", "beta", "epsilon", "Zeta"}},
            // Qt names the foundry when several make a family.
            {{"C059 [urw]", "Serif", "C059 [UKWN]", "Serif"}, {"C059", "Serif"}},
            {{"Odd [name", "[Bracketed]"}, {"[Bracketed]", "Odd [name"}},
            {{"Café Sans", "ＭＳ Ｐゴシック", "Emoji 😀", "IPAGothic"},
             {"IPAGothic", "ＭＳ Ｐゴシック"}},
        };
        for (const auto& row : rows) {
            QCOMPARE(faceNames(row.families, QLocale(QLocale::English, QLocale::UnitedStates)),
                     row.names);
        }
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::FontsTest)
#include "fonts_test.moc"
