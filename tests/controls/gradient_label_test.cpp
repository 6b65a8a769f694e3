#include "controls/gradient_label.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace huewright {
namespace {

const QColor kParentBackground(0, 200, 0);

/// Decodes the one double-byte character the tests use ("亜"); everything else as Latin-1.
QString testDecoder(std::string_view bytes) {
    QString text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.substr(i, 2) == "\x88\x9f") {
            text += QChar(0x4E9C);
            ++i;
        } else {
            text += QChar::fromLatin1(bytes[i]);
        }
    }
    return text;
}

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
};

/// A shown window with a plain background and one label at (10, 10) in a solid 13 px font.
struct Scene {
    QWidget window;
    GradientLabel* label;

    Scene() : label(new GradientLabel(&window)) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, kParentBackground);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.resize(400, 60);
        QFont font("IPAPGothic");
        font.setPixelSize(13);
        // Without antialiasing every glyph pixel has exactly the character's colour.
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        label->setDecoder(testDecoder);
        label->setGeometry(10, 10, 200, 20);
        window.show();
    }

    /// The label's area as the window shows it.
    QImage labelImage() { return window.grab(label->geometry()).toImage(); }
};

QColor toQColour(ColourValue c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

/// The colours other than `background` found in columns [left, right) of `image`.
std::vector<QRgb> inkColours(const QImage& image, int left, int right, QColor background) {
    std::vector<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right && x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            if (pixel != background.rgb() &&
                std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
                colours.push_back(pixel);
            }
        }
    }
    return colours;
}

QString describe(const std::vector<QRgb>& colours) {
    QStringList names;
    for (QRgb c : colours) {
        names << QColor(c).name();
    }
    return names.join(' ');
}

}  // namespace

class GTLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void charactersTakeTheirColours_data() {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("end");
        QTest::addColumn<QList<uint>>("colours");

        QTest::newRow("one character has the start colour")
            << QByteArray("W") << 0x1020F0u << 0xF02010u << QList<uint>{0x1020F0u};
        QTest::newRow("two characters have the start and end colours")
            << QByteArray("WM") << 0x1020F0u << 0xF02010u << QList<uint>{0x1020F0u, 0xF02010u};
        QTest::newRow("three characters red to black end at red 1")
            << QByteArray("WMW") << 0x0000FFu << 0x000000u
            << QList<uint>{0x0000FFu, 0x000080u, 0x000001u};
        QTest::newRow("four characters black to white")
            << QByteArray("WMWM") << 0x000000u << 0xFFFFFFu
            << QList<uint>{0x000000u, 0x555555u, 0xAAAAAAu, 0xFFFFFFu};
        QList<uint> ramp;
        for (uint k = 0; k < 13; ++k) {
            ramp << 0xFF0000u + 21 * k;
        }
        QTest::newRow("HuewrightHTML blue to fuchsia in steps of 21")
            << QByteArray("HuewrightHTML") << 0xFF0000u << 0xFF00FFu << ramp;
        QTest::newRow("double-byte character drawn whole as one step")
            << QByteArray("W\x88\x9fM") << 0x0000FFu << 0x000000u
            << QList<uint>{0x0000FFu, 0x000080u, 0x000001u};
    }

    void charactersTakeTheirColours() {
        QFETCH(QByteArray, caption);
        QFETCH(uint, start);
        QFETCH(uint, end);
        QFETCH(QList<uint>, colours);

        Scene scene;
        const QColor background(128, 128, 128);
        scene.label->setBackgroundColour(0x808080);
        scene.label->setStartColour(start);
        scene.label->setEndColour(end);
        scene.label->setCaption(caption.toStdString());
        scene.label->setAutoSize(true);
        const QImage image = scene.labelImage();

        const QFontMetrics metrics(scene.label->font());
        int x = 0;
        const QString text = testDecoder(caption.toStdString());
        QCOMPARE(text.size(), colours.size());
        for (qsizetype k = 0; k < text.size(); ++k) {
            const int width = metrics.horizontalAdvance(text.at(k));
            const std::vector<QRgb> ink = inkColours(image, x, x + width, background);
            const std::vector<QRgb> expected{toQColour(colours.at(k)).rgb()};
            QVERIFY2(ink == expected, qPrintable(QStringLiteral("character %1: %2, expected %3")
                                                     .arg(k + 1)
                                                     .arg(describe(ink), describe(expected))));
            x += width;
        }
    }

    void backgroundFollowsTransparent_data() {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<QColor>("background");

        QTest::newRow("opaque empty caption fills with Color")
            << QByteArray() << false << QColor(255, 255, 0);
        QTest::newRow("opaque caption stands on Color")
            << QByteArray("WM") << false << QColor(255, 255, 0);
        QTest::newRow("transparent empty caption draws nothing")
            << QByteArray() << true << kParentBackground;
        QTest::newRow("transparent caption shows the parent behind it")
            << QByteArray("WM") << true << kParentBackground;
    }

    void backgroundFollowsTransparent() {
        QFETCH(QByteArray, caption);
        QFETCH(bool, transparent);
        QFETCH(QColor, background);

        Scene scene;
        scene.label->setCaption(caption.toStdString());
        scene.label->setStartColour(0x0000FF);
        scene.label->setEndColour(0x0000FF);
        scene.label->setBackgroundColour(0x00FFFF);
        scene.label->setTransparent(transparent);
        const QImage image = scene.labelImage();

        // Every pixel of the label is background, apart from the red glyphs.
        const std::vector<QRgb> ink = inkColours(image, 0, image.width(), background);
        const std::vector<QRgb> expected =
            caption.isEmpty() ? std::vector<QRgb>{} : std::vector<QRgb>{qRgb(255, 0, 0)};
        QVERIFY2(ink == expected, qPrintable(describe(ink)));
    }

    void autoSizeFollowsTheCaption() {
        // The label holds its caption as painted, each character at its own advance; a font's
        // fractional advances make that wider than the whole caption's extent.
        const auto painted = [](const QFontMetrics& metrics, const QString& caption) {
            int width = 0;
            for (const QChar character : caption) {
                width += metrics.horizontalAdvance(character);
            }
            return QSize(width, metrics.height());
        };
        Scene scene;
        const QFontMetrics metrics(scene.label->font());
        scene.label->setCaption("HuewrightHTML");
        QCOMPARE(scene.label->size(), QSize(200, 20));

        scene.label->setAutoSize(true);
        const QSize fitted = painted(metrics, QStringLiteral("HuewrightHTML"));
        QCOMPARE(scene.label->size(), fitted);

        scene.label->resize(300, 40);
        QCOMPARE(scene.label->size(), fitted);

        scene.label->setCaption("Hu");
        QCOMPARE(scene.label->size(), painted(metrics, QStringLiteral("Hu")));

        QFont larger = scene.label->font();
        larger.setPixelSize(26);
        scene.label->setFont(larger);
        QCOMPARE(scene.label->size(), painted(QFontMetrics(larger), QStringLiteral("Hu")));

        scene.label->setAutoSize(false);
        scene.label->resize(50, 7);
        scene.label->setCaption("");
        scene.label->setAutoSize(true);
        QCOMPARE(scene.label->size(), QSize(50, 7));
    }

    void everyWriteRepaintsAtOnce() {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        GradientLabel& label = *scene.label;
        PaintCounter counter;
        label.installEventFilter(&counter);

        const std::vector<std::pair<const char*, std::function<void()>>> writes = {
            {"caption", [&] { label.setCaption(label.caption()); }},
            {"startColour", [&] { label.setStartColour(label.startColour()); }},
            {"endColour", [&] { label.setEndColour(label.endColour()); }},
            {"backgroundColour", [&] { label.setBackgroundColour(label.backgroundColour()); }},
            {"transparent", [&] { label.setTransparent(label.transparent()); }},
            {"autoSize", [&] { label.setAutoSize(label.autoSize()); }},
        };
        for (const auto& [name, write] : writes) {
            const int before = counter.count;
            write();
            QVERIFY2(counter.count == before + 1, name);
        }

        label.hide();
        const int hidden = counter.count;
        label.setCaption("hidden");
        QApplication::processEvents();
        QCOMPARE(counter.count, hidden);

        GradientLabel orphan;
        orphan.resize(100, 20);
        orphan.show();
        QVERIFY(QTest::qWaitForWindowExposed(&orphan));
        QApplication::processEvents();
        PaintCounter orphanCounter;
        orphan.installEventFilter(&orphanCounter);
        orphan.setCaption("no parent");
        QCOMPARE(orphanCounter.count, 0);
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::GTLabelTest)
#include "gradient_label_test.moc"
