#include "ui/qt_drawing_surface.h"

#include <QtTest>

#include "text/cp932.h"
#include "ui/fonts.h"

namespace huewright {

class QtDrawingSurfaceTest : public QObject {
    Q_OBJECT

  private:
    // Pixels of `image` in `colour`.
    static int count(const QImage& image, QColor colour) {
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                pixels += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return pixels;
    }

  private slots:
    void initTestCase() { installFaceSubstitutes(); }

    void drawsForTheScreenAtItsResolution_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("one device pixel per pixel") << 1.0;
        QTest::newRow("two device pixels per pixel") << 2.0;
    }

    // The bitmap stays 407 × 47 whatever the screen; the screen's image holds the same drawing
    // in its own pixels: a filled rectangle covers its area in device pixels, and a character
    // stands where it stands in the bitmap.
    void drawsForTheScreenAtItsResolution() {
        QFETCH(qreal, ratio);
        QtDrawingSurface surface(96, ratio);
        surface.fillRectangle(0, 0, kPreviewWidth, kPreviewHeight, 0xFFFFFF);
        surface.fillRectangle(10, 10, 20, 15, 0x0000FF);
        surface.setFont(PreviewFont{});
        surface.setTextColour(0x00FF00);
        surface.drawTransparent(100, 10, utf8ToCp932("■"));

        QCOMPARE(surface.image().size(), QSize(kPreviewWidth, kPreviewHeight));
        QCOMPARE(count(surface.image(), Qt::red), 50);
        const QImage& screen = surface.screenImage();
        QCOMPARE(screen.devicePixelRatio(), ratio);
        QCOMPARE(screen.size(), QSize(kPreviewWidth, kPreviewHeight) * ratio);
        QCOMPARE(count(screen, Qt::red), qRound(50 * ratio * ratio));
        QCOMPARE(screen.pixelColor(QPointF(100.5 + 6, 10.5 + 10).toPoint() * ratio),
                 QColor(Qt::green));
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::QtDrawingSurfaceTest)
#include "qt_drawing_surface_test.moc"
