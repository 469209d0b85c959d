// The persistent drawing surface: scale, single-precision pen, the pen after a printed number,
// and how lines, dashes and text land on the pixels.
#include "core/regional_numbers.h"
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"

#include <QPainter>
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
        QTest::newRow("width lost to single precision") << QList<double>{0, 0, 1e-50, 5} << QPointF(100, 50);
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
    void penIsSinglePrecision_data()
    {
        QTest::addColumn<int>("how"); // set, line, line from the pen, point
        QTest::addColumn<double>("value");
        for (int how = 0; how < 4; ++how) {
            QTest::addRow("%d: 0.1", how) << how << 0.1;
            QTest::addRow("%d: NaN", how) << how << qQNaN();
            QTest::addRow("%d: beyond single", how) << how << 1e40;
        }
    }
    void penIsSinglePrecision()
    {
        QFETCH(int, how);
        QFETCH(double, value);
        DrawingSurface surface(QSize(100, 100));
        surface.setCurrentX(4);
        surface.setCurrentY(6);
        surface.setRecording(true);
        const std::function<void()> draw[] = {[&] { surface.setCurrentX(value), surface.setCurrentY(value); },
                                              [&] { surface.Line(1, 1, value, value); },
                                              [&] { surface.LineTo(value, value); }, [&] { surface.PSet(value, value); }};
        draw[how]();
        const bool kept = value == 0.1;
        QCOMPARE(QPointF(surface.currentX(), surface.currentY()), kept ? QPointF(0.1f, 0.1f) : QPointF(4, 6));
        QCOMPARE(surface.records().size(), kept && how ? 1 : 0);
    }

    // A number prints as the regional numbers write it; the pen goes to the left edge, one line lower.
    void printNumber()
    {
        DrawingSurface surface(QSize(760, 540));
        QVERIFY(surface.Scale(3, 1, 13, 11));
        surface.setCurrentX(7);
        surface.setCurrentY(4);
        surface.setRecording(true);
        surface.PrintNumber(-0.5, RegionalNumbers(QLocale(QLocale::German)));
        QCOMPARE(surface.records().at(0).text, QString("-,5 "));
        QCOMPARE(QPointF(surface.currentX(), surface.currentY()), QPointF(3, float(4 + surface.textHeight())));
    }

    // Text is smoothed like every other text of a page; lines stay crisp, and dashes exist only
    // for a one-pixel pen.
    void smoothTextCrispLines()
    {
        DrawingSurface surface(QSize(200, 100));
        QVERIFY(surface.Scale(0, 0, 20, 10));
        surface.setBackColor(Qt::white);
        surface.Line(1, 2, 19, 2);
        surface.setDrawStyle(DrawStyle::Dashed);
        surface.Line(1, 5, 19, 5);
        surface.setDrawWidth(2);
        surface.Line(1, 8, 19, 8);
        surface.setCurrentX(1);
        surface.setCurrentY(3);
        surface.Print(QStringLiteral("Kavro (m)"));
        const QImage &image = surface.image();
        QCOMPARE(pixelsOf(image, Qt::black, 20), 181);
        QCOMPARE(pixelsOf(image, Qt::black, 50) + pixelsOf(image, Qt::white, 50), 200);
        QVERIFY(pixelsOf(image, Qt::white, 50) > 20);
        QCOMPARE(pixelsOf(image, Qt::black, 79, 81), 2 * 182);
        QVERIFY(200 * 20 - pixelsOf(image, Qt::black, 30, 49) - pixelsOf(image, Qt::white, 30, 49) > 20);
    }

    // Texts are set glyph by glyph; they must look exactly as the platform sets them unkerned.
    void textAsThePlatformSetsIt_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::newRow("graph caption, page font") << "Times New Roman" << "Kavro (m)";
        QTest::newRow("number, default font") << "MS Sans Serif" << " 32766.5 ";
        QTest::newRow("outside the font's own glyphs") << "MS Sans Serif" << QString::fromUtf8("−2,5 m²");
    }
    void textAsThePlatformSetsIt()
    {
        QFETCH(QString, face);
        QFETCH(QString, text);
        DrawingSurface surface(QSize(200, 40));
        QFont font = designedFont(face, 8);
        surface.setFont(font);
        surface.setCurrentX(surface.pixelsToX(10));
        surface.setCurrentY(surface.pixelsToY(7));
        surface.Print(text);
        QImage expected = surface.image();
        expected.fill(surface.backColor());
        font.setKerning(false);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.drawText(QPoint(10, 7 + QFontMetrics(font, &expected).ascent()), text);
        painter.end();
        QCOMPARE(surface.image(), expected);
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
