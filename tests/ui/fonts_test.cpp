#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

namespace huewright {

class FontsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installFaceSubstitutes(); }
    void faceNamesAreSortedWithoutRegardToCase_data();
    void faceNamesAreSortedWithoutRegardToCase();
    void installedFamiliesAreListedOnceWithoutFoundry();
    void missingWindowFacesAreDrawnWithMetricCompatibleFaces_data();
    void missingWindowFacesAreDrawnWithMetricCompatibleFaces();
};

void FontsTest::faceNamesAreSortedWithoutRegardToCase_data() {
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("lower case among upper case") << QStringList{"Zeta", "epsilon", "Alpha", "beta"}
                                                 << QStringList{"Alpha", "beta", "epsilon", "Zeta"};
    QTest::newRow("each name once, foundries dropped")
        << QStringList{"C059 [urw]", "Serif", "C059 [UKWN]", "Serif"}
        << QStringList{"C059", "Serif"};
    QTest::newRow("a bracket that is no foundry stays")
        << QStringList{"Odd [name", "[Bracketed]"} << QStringList{"[Bracketed]", "Odd [name"};
    QTest::newRow("only names code page 932 can hold")
        << QStringList{"Café Sans", "ＭＳ Ｐゴシック", "Emoji 😀", "IPAGothic"}
        << QStringList{"IPAGothic", "ＭＳ Ｐゴシック"};
}

void FontsTest::faceNamesAreSortedWithoutRegardToCase() {
    QFETCH(QStringList, families);
    QFETCH(QStringList, names);
    QCOMPARE(faceNames(families, QLocale(QLocale::English, QLocale::UnitedStates)), names);
}

void FontsTest::installedFamiliesAreListedOnceWithoutFoundry() {
    const QStringList names = fontFamilyList();

    QVERIFY(!names.isEmpty());
    QCOMPARE(QStringList(names).removeDuplicates(), 0);
    for (const QString& name : names) {
        QVERIFY2(!name.endsWith(u']'), qPrintable(name));
    }
    if (QFontDatabase::hasFamily(QStringLiteral("IPAPGothic"))) {
        QVERIFY(names.contains(QStringLiteral("IPAPGothic")));
    }
}

void FontsTest::missingWindowFacesAreDrawnWithMetricCompatibleFaces_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("substitute");
    QTest::newRow("proportional") << kWindowFace << "Monapo";
    QTest::newRow("fixed pitch") << "ＭＳ ゴシック"
                                 << "IPAGothic";
}

void FontsTest::missingWindowFacesAreDrawnWithMetricCompatibleFaces() {
    QFETCH(QString, face);
    QFETCH(QString, substitute);
    if (QFontDatabase::hasFamily(face)) {
        QSKIP("the Windows face itself is installed");
    }
    if (!QFontDatabase::hasFamily(substitute)) {
        QSKIP("the substitute (Debian's fonts-monapo, fonts-ipafont-gothic) is not installed");
    }
    QFont font = windowFont(12);
    font.setFamilies({face});

    const QFontInfo info(font);

    QCOMPARE(info.family(), substitute);
    QCOMPARE(info.pixelSize(), 12);
    QVERIFY(!info.bold() && !info.italic() && !info.underline() && !info.strikeOut());
}

}  // namespace huewright

QTEST_MAIN(huewright::FontsTest)
#include "fonts_test.moc"
