// Tests of the persistent drawing surface: scale, single-precision pen, printed text and dashes.
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"
#include "core/regional_numbers.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace kavro;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    // A new scale maps its corners on the client area's corners; one without extent or beyond
    // single precision is refused and the scale before it stays.
    void scale_data()
    {
        QTest::addColumn<QRectF>("corners"); // top-left and bottom-right corners
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QPointF>("user");
        QTest::addColumn<QPointF>("pixels");

        const auto corners = [](double x1, double y1, double x2, double y2) {
            return QRectF(QPointF(x1, y1), QPointF(x2, y2));
        };
        QTest::newRow("middle") << corners(0, 0, 10, 5) << true << QPointF(5, 2.5) << QPointF(100, 50);
        QTest::newRow("offset origin") << corners(10, 20, 30, 40) << true << QPointF(10, 40) << QPointF(0, 100);
        QTest::newRow("y grows upward") << corners(0, 5, 10, 0) << true << QPointF(10, 5) << QPointF(200, 0);
        QTest::newRow("outside the area") << corners(0, 0, 10, 5) << true << QPointF(-1, 6) << QPointF(-20, 120);
        // Refused: the scale before, 0, 0 to 20, 10, stays.
        const QPointF user(10, 5), pixels(100, 50);
        QTest::newRow("no width") << corners(0, 0, 0, 5) << false << user << pixels;
        QTest::newRow("no height") << corners(0, 0, 10, 0) << false << user << pixels;
        QTest::newRow("width lost to single precision") << corners(0, 0, 1e-50, 5) << false << user << pixels;
        QTest::newRow("not a number") << corners(0, 0, kNaN, 5) << false << user << pixels;
        QTest::newRow("infinite") << corners(0, 0, 10, kInf) << false << user << pixels;
        QTest::newRow("beyond single precision") << corners(0, 0, 1e300, 5) << false << user << pixels;
    }

    void scale()
    {
        QFETCH(QRectF, corners);
        QFETCH(bool, accepted);
        QFETCH(QPointF, user);
        QFETCH(QPointF, pixels);

        DrawingSurface surface(QSize(200, 100));
        QVERIFY(surface.Scale(0, 0, 20, 10));
        QCOMPARE(surface.Scale(corners.left(), corners.top(), corners.right(), corners.bottom()), accepted);
        QCOMPARE(surface.xToPixels(user.x()), pixels.x());
        QCOMPARE(surface.yToPixels(user.y()), pixels.y());
        QCOMPARE(surface.pixelsToX(pixels.x()), user.x());
        QCOMPARE(surface.pixelsToY(pixels.y()), user.y());
    }

    // Every write of the pen rounds to single precision; one that is not finite as a single is
    // dropped whole, with its line or point, and leaves the pen where it was.
    void penIsSinglePrecision_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<double>("value");

        for (const char *how : {"set", "line", "lineTo", "point"}) {
            QTest::addRow("%s 0.1", how) << how << 0.1;
            QTest::addRow("%s NaN", how) << how << kNaN;
            QTest::addRow("%s beyond single", how) << how << 1e40;
        }
    }

    void penIsSinglePrecision()
    {
        QFETCH(QString, how);
        QFETCH(double, value);

        DrawingSurface surface(QSize(100, 100));
        QVERIFY(surface.Scale(0, 0, 10, 10));
        surface.setCurrentX(4);
        surface.setCurrentY(6);
        surface.setRecording(true);
        if (how == "set") {
            surface.setCurrentX(value);
            surface.setCurrentY(value);
        } else if (how == "line") {
            surface.Line(1, 1, value, value);
        } else if (how == "lineTo") {
            surface.LineTo(value, value);
        } else {
            surface.PSet(value, value);
        }
        const bool kept = value == 0.1;
        QCOMPARE(surface.currentX(), kept ? float(value) : 4.0f);
        QCOMPARE(surface.currentY(), kept ? float(value) : 6.0f);
        QVERIFY(!kept || double(surface.currentX()) != value); // the double's digits are really gone
        QCOMPARE(surface.records().size(), kept && how != "set" ? 1 : 0);
    }

    void printMovesPen_data()
    {
        QTest::addColumn<QRectF>("corners");
        QTest::addColumn<QPointF>("pen");

        QTest::newRow("graph scale") << QRectF(QPointF(0, 0), QPointF(18, 5.6)) << QPointF(1.5, 2.0);
        QTest::newRow("left edge not at zero") << QRectF(QPointF(3, 1), QPointF(13, 11)) << QPointF(7, 4);
    }

    void printMovesPen()
    {
        QFETCH(QRectF, corners);
        QFETCH(QPointF, pen);

        DrawingSurface surface(QSize(760, 540));
        // Texts are measured at 96 dpi, as the pages were designed.
        QCOMPARE(surface.image().logicalDpiY(), 96);
        surface.setFont(designedFont(QStringLiteral("Times New Roman"), 8));
        QVERIFY(surface.Scale(corners.left(), corners.top(), corners.right(), corners.bottom()));
        surface.setCurrentX(pen.x());
        surface.setCurrentY(pen.y());
        surface.setRecording(true);
        surface.Print(QStringLiteral("Kavro (m)"));
        surface.PrintNumber(0.5, RegionalNumbers(QLocale(QLocale::German, QLocale::Germany)));

        QCOMPARE(surface.currentX(), float(corners.left()));
        const double lines = (double(surface.currentY()) - pen.y()) / surface.textHeight();
        QVERIFY2(std::fabs(lines - 2.0) < 1e-4, qPrintable(QString::number(lines)));
        QCOMPARE(surface.records().size(), 2);
        QCOMPARE(surface.records().at(0).x1, double(float(pen.x())));
        QCOMPARE(surface.records().at(1).x1, double(float(corners.left())));
        QCOMPARE(surface.records().at(1).text, QStringLiteral(" ,5 "));
    }

    // The grid is dashed at width 1; a wider pen draws a dashed line solid.
    void dashedOnlyAtWidthOne()
    {
        DrawingSurface surface(QSize(200, 100));
        QVERIFY(surface.Scale(0, 0, 20, 10));
        surface.setBackColor(Qt::white);
        surface.Line(1, 2, 19, 2);
        surface.setDrawStyle(DrawStyle::Dashed);
        surface.Line(1, 5, 19, 5);
        surface.setDrawWidth(2);
        surface.Line(1, 8, 19, 8);
        const auto gaps = [&surface](int row) {
            int blank = 0;
            for (int x = 12; x < 188; ++x)
                blank += surface.image().pixelColor(x, row) == QColor(Qt::white) ? 1 : 0;
            return blank;
        };
        QCOMPARE(gaps(20), 0);
        QVERIFY(gaps(50) > 0);
        QCOMPARE(gaps(80), 0);
    }
};

QTEST_MAIN(TestDrawingSurface)
#include "test_drawing_surface.moc"
