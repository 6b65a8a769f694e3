#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include <utility>

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

    void missingWindowFacesAreDrawnWithTheIpaFaces() {
        installFaceSubstitutes();
        for (const auto& [face, substitute] :
             {std::pair{kWindowFace, QString("IPAPGothic")},
              std::pair{QString("ＭＳ ゴシック"), QString("IPAGothic")}}) {
            if (QFontDatabase::hasFamily(face) || !QFontDatabase::hasFamily(substitute)) {
                QSKIP("needs the IPA Gothic fonts (fonts-ipafont-gothic) and no Windows faces");
            }
            QFont font = windowFont(12);
            font.setFamilies({face});
            QCOMPARE(QFontInfo(font).family(), substitute);
            QCOMPARE(QFontInfo(font).pixelSize(), 12);
        }
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::FontsTest)
#include "fonts_test.moc"
