#include "controls/gradient_label.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace huewright {
namespace {

const QRgb kParentBackground = qRgb(0, 200, 0);

/// A label that counts its paint events.
struct CountedLabel : GradientLabel {
    using GradientLabel::GradientLabel;
    int paints = 0;

    void paintEvent(QPaintEvent* event) override {
        ++paints;
        GradientLabel::paintEvent(event);
    }
};

/// A shown window with a plain background and one label in a solid 13 px font.
struct Scene {
    QWidget window;
    CountedLabel* label = new CountedLabel(&window);

    Scene() {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(kParentBackground));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        window.resize(400, 60);
        QFont font("IPAPGothic");
        font.setPixelSize(13);
        // Without antialiasing every glyph pixel has exactly the character's colour.
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
        label->setGeometry(10, 10, 200, 20);
        window.show();
    }

    /// Every colour in the label's area as the window shows it.
    std::set<QRgb> colours() {
        const QImage image = window.grab(label->geometry()).toImage();
        std::set<QRgb> found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                found.insert(image.pixel(x, y) | 0xFF000000u);
            }
        }
        return found;
    }
};

}  // namespace

class GradientLabelTest : public QObject {
    Q_OBJECT

  private slots:
    // The characters' own colours are the steps' arithmetic; here they need only be drawn, red
    // and blue, on the yellow background or, transparent, on the parent's.
    void drawsTheCharactersOnItsBackgroundOrTheParents() {
        for (const bool transparent : {false, true}) {
            Scene scene;
            scene.label->setCaption("WM");
            scene.label->setStartColour(0x0000FF);
            scene.label->setEndColour(0xFF0000);
            scene.label->setBackgroundColour(0x00FFFF);
            scene.label->setTransparent(transparent);
            const QRgb under = transparent ? kParentBackground : qRgb(255, 255, 0);
            QVERIFY2(scene.colours() == (std::set<QRgb>{under, qRgb(255, 0, 0), qRgb(0, 0, 255)}),
                     transparent ? "transparent" : "opaque");
        }
    }

    void autoSizeFollowsTheCaptionAndFont() {
        // The label holds its caption as painted, each character at its own advance; a font's
        // fractional advances make that wider than the whole caption's extent.
        const auto painted = [](const QFont& font) {
            const QFontMetrics metrics(font);
            int width = 0;
            for (const QChar character : QStringLiteral("HuewrightHTML")) {
                width += metrics.horizontalAdvance(character);
            }
            return QSize(width, metrics.height());
        };
        Scene scene;
        scene.label->setCaption("HuewrightHTML");
        QCOMPARE(scene.label->size(), QSize(200, 20));
        scene.label->setAutoSize(true);
        const QSize fitted = painted(scene.label->font());
        QCOMPARE(scene.label->size(), fitted);
        scene.label->resize(300, 40);
        QCOMPARE(scene.label->size(), fitted);

        QFont larger = scene.label->font();
        larger.setPixelSize(26);
        scene.label->setFont(larger);
        QCOMPARE(scene.label->size(), painted(larger));

        // An empty caption leaves the size alone.
        scene.label->setAutoSize(false);
        scene.label->resize(50, 7);
        scene.label->setCaption("");
        scene.label->setAutoSize(true);
        QCOMPARE(scene.label->size(), QSize(50, 7));
    }

    void everyWriteRepaintsAtOnceWhileShownInAParent() {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        GradientLabel& label = *scene.label;
        const std::vector<std::pair<const char*, std::function<void()>>> writes = {
            {"caption", [&] { label.setCaption(label.caption()); }},
            {"startColour", [&] { label.setStartColour(label.startColour()); }},
            {"endColour", [&] { label.setEndColour(label.endColour()); }},
            {"backgroundColour", [&] { label.setBackgroundColour(label.backgroundColour()); }},
            {"transparent", [&] { label.setTransparent(label.transparent()); }},
            {"autoSize", [&] { label.setAutoSize(label.autoSize()); }},
        };
        for (const auto& [name, write] : writes) {
            const int before = scene.label->paints;
            write();
            QVERIFY2(scene.label->paints == before + 1, name);
        }
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::GradientLabelTest)
#include "gradient_label_test.moc"
