// The persistent drawing surface: scale, single-precision pen, and a redrawn stroke showing again.
#include "forms/drawing_surface.h"

#include <QtTest>

using namespace kavro;

namespace {

// Pixels of one row, or of rows top to bottom, in the colour given.
int pixelsOf(const QImage &image, const QColor &colour, int top, int bottom = -1)
{
    int count = 0;
    for (int y = top; y <= std::max(top, bottom); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    // A new scale maps its corners on the client area's corners; one without extent or beyond
    // single precision is refused and the scale before it, 0, 0 to 20, 10, stays.
    void scale_data()
    {
        QTest::addColumn<QList<double>>("corners");
        QTest::addColumn<QPointF>("pixels"); // where the user point 10, 5 lands
        QTest::newRow("offset origin, y grows upward") << QList<double>{5, 20, 25, 0} << QPointF(50, 75);
        QTest::newRow("no width") << QList<double>{0, 0, 0, 5} << QPointF(100, 50);
        QTest::newRow("not a number") << QList<double>{0, 0, qQNaN(), 5} << QPointF(100, 50);
    }
    void scale()
    {
        QFETCH(QList<double>, corners);
        QFETCH(QPointF, pixels);
        DrawingSurface surface(QSize(200, 100));
        surface.Scale(0, 0, 20, 10);
        surface.Scale(corners[0], corners[1], corners[2], corners[3]);
        QCOMPARE(QPointF(surface.xToPixels(10), surface.yToPixels(5)), pixels);
        QCOMPARE(QPointF(surface.pixelsToX(pixels.x()), surface.pixelsToY(pixels.y())), QPointF(10, 5));
    }

    // Every write of the pen rounds to single precision; one that is not finite as a single is
    // dropped whole, with its line or point, and leaves the pen where it was.
    void penIsSinglePrecision()
    {
        DrawingSurface surface(QSize(100, 100));
        surface.setRecording(true);
        surface.setCurrentX(0.1);
        surface.setCurrentY(6);
        QCOMPARE(QPointF(surface.currentX(), surface.currentY()), QPointF(0.1f, 6));
        surface.Line(1, 1, qQNaN(), 2);
        surface.LineTo(3, 1e40);
        surface.PSet(qInf(), 2);
        QCOMPARE(QPointF(surface.currentX(), surface.currentY()), QPointF(0.1f, 6));
        QCOMPARE(surface.records().size(), 0);
    }

    // A stroke that another colour has covered must show again when it is drawn again.
    void redrawnStrokeComesBackOnTop()
    {
        DrawingSurface surface(QSize(200, 100));
        QVERIFY(surface.Scale(0, 0, 20, 10));
        for (const QColor &colour : {Qt::red, Qt::blue, Qt::red}) {
            surface.setForeColor(colour);
            surface.Line(1, 5, 19, 5);
            surface.setCurrentX(1);
            surface.setCurrentY(2);
            surface.Print(QStringLiteral("UKC Line"));
            QCOMPARE(pixelsOf(surface.image(), colour, 50), 181);
            QCOMPARE(pixelsOf(surface.image(), colour == Qt::red ? Qt::blue : Qt::red, 0, 99), 0);
        }
    }
};

QTEST_MAIN(TestDrawingSurface)
#include "test_drawing_surface.moc"
