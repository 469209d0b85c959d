// Tests of the persistent drawing surface: palette, scale, pen, lines, points and printed text.
#include "app/drawing_surface.h"
#include "app/font_faces.h"
#include "app/regional_numbers.h"

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
    void colours_data();
    void colours();
    void scaleMapping_data();
    void scaleMapping();
    void refusedScale_data();
    void refusedScale();
    void resizeKeepsScale_data();
    void resizeKeepsScale();
    void penIsSinglePrecision_data();
    void penIsSinglePrecision();
    void printMovesPen_data();
    void printMovesPen();
    void painted_data();
    void painted();
    void clearKeepsState();
    void nonFiniteDropped_data();
    void nonFiniteDropped();
    void ninetySixDpi();
};

void TestDrawingSurface::colours_data()
{
    QTest::addColumn<QColor>("actual");
    QTest::addColumn<QColor>("expected");

    const QList<QColor> palette = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    for (int n = 0; n < palette.size(); ++n)
        QTest::addRow("palette %d", n) << DrawingSurface::QBColor(n) << palette.at(n);
    QTest::newRow("below the palette") << DrawingSurface::QBColor(-1) << QColor(0, 0, 0);
    QTest::newRow("above the palette") << DrawingSurface::QBColor(16) << QColor(0, 0, 0);
    QTest::newRow("value 255 is red") << DrawingSurface::colorFromValue(255) << QColor(255, 0, 0);
    QTest::newRow("value: green byte") << DrawingSurface::colorFromValue(0x00FF00) << QColor(0, 255, 0);
    QTest::newRow("value: high byte blue") << DrawingSurface::colorFromValue(0x808000) << QColor(0, 128, 128);
    QTest::newRow("value: top byte ignored") << DrawingSurface::colorFromValue(0xFF000080) << QColor(128, 0, 0);
}

void TestDrawingSurface::colours()
{
    QFETCH(QColor, actual);
    QFETCH(QColor, expected);
    QCOMPARE(actual, expected);
}

void TestDrawingSurface::scaleMapping_data()
{
    QTest::addColumn<bool>("userScale");
    QTest::addColumn<QRectF>("corners"); // top-left and bottom-right corners
    QTest::addColumn<QPointF>("user");
    QTest::addColumn<QPointF>("pixels");

    const auto corners = [](double x1, double y1, double x2, double y2) { return QRectF(QPointF(x1, y1), QPointF(x2, y2)); };
    QTest::newRow("twips: 15 per pixel") << false << QRectF() << QPointF(150, 300) << QPointF(10, 20);
    QTest::newRow("user: middle") << true << corners(0, 0, 10, 5) << QPointF(5, 2.5) << QPointF(100, 50);
    QTest::newRow("user: offset origin") << true << corners(10, 20, 30, 40) << QPointF(10, 40) << QPointF(0, 100);
    QTest::newRow("user: y grows upward") << true << corners(0, 5, 10, 0) << QPointF(10, 5) << QPointF(200, 0);
    QTest::newRow("user: outside the area") << true << corners(0, 0, 10, 5) << QPointF(-1, 6) << QPointF(-20, 120);
}

void TestDrawingSurface::scaleMapping()
{
    QFETCH(bool, userScale);
    QFETCH(QRectF, corners);
    QFETCH(QPointF, user);
    QFETCH(QPointF, pixels);

    DrawingSurface surface(QSize(200, 100));
    if (userScale)
        QVERIFY(surface.Scale(corners.left(), corners.top(), corners.right(), corners.bottom()));
    QCOMPARE(surface.hasUserScale(), userScale);
    QCOMPARE(surface.xToPixels(user.x()), pixels.x());
    QCOMPARE(surface.yToPixels(user.y()), pixels.y());
    QCOMPARE(surface.pixelsToX(pixels.x()), user.x());
    QCOMPARE(surface.pixelsToY(pixels.y()), user.y());
}

void TestDrawingSurface::refusedScale_data()
{
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");

    QTest::newRow("no width") << 0.0 << 5.0;
    QTest::newRow("no height") << 10.0 << 0.0;
    QTest::newRow("width lost to single precision") << 1e-50 << 5.0;
    QTest::newRow("not a number") << kNaN << 5.0;
    QTest::newRow("infinite") << 10.0 << kInf;
    QTest::newRow("beyond single precision") << 1e300 << 5.0;
}

void TestDrawingSurface::refusedScale()
{
    QFETCH(double, x2);
    QFETCH(double, y2);

    DrawingSurface surface(QSize(200, 100));
    QVERIFY(surface.Scale(0, 0, 20, 10));
    QVERIFY(!surface.Scale(0, 0, x2, y2));
    QCOMPARE(surface.xToPixels(10), 100.0);
    QCOMPARE(surface.yToPixels(5), 50.0);
}

void TestDrawingSurface::resizeKeepsScale_data()
{
    QTest::addColumn<bool>("userScale");
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<double>("scaleWidth");
    QTest::addColumn<double>("scaleHeight");

    QTest::newRow("twips follow the size") << false << QSize(300, 40) << 4500.0 << 600.0;
    QTest::newRow("user corners stay on the corners") << true << QSize(300, 40) << 10.0 << 10.0;
    QTest::newRow("no size becomes one pixel") << false << QSize(0, 0) << 15.0 << 15.0;
}

void TestDrawingSurface::resizeKeepsScale()
{
    QFETCH(bool, userScale);
    QFETCH(QSize, newSize);
    QFETCH(double, scaleWidth);
    QFETCH(double, scaleHeight);

    DrawingSurface surface(QSize(100, 100));
    if (userScale)
        QVERIFY(surface.Scale(0, 0, 10, 10));
    surface.setClientSize(newSize);
    QCOMPARE(surface.scaleWidth(), scaleWidth);
    QCOMPARE(surface.scaleHeight(), scaleHeight);
    QCOMPARE(surface.xToPixels(surface.scaleWidth()), double(surface.clientSize().width()));
    QCOMPARE(surface.yToPixels(surface.scaleHeight()), double(surface.clientSize().height()));
}

void TestDrawingSurface::penIsSinglePrecision_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<double>("value");

    for (const char *how : {"set", "line", "point"}) {
        QTest::addRow("%s 0.1", how) << how << 0.1;
        QTest::addRow("%s 2.7", how) << how << 2.7;
    }
}

void TestDrawingSurface::penIsSinglePrecision()
{
    QFETCH(QString, how);
    QFETCH(double, value);

    DrawingSurface surface(QSize(100, 100));
    QVERIFY(surface.Scale(0, 0, 10, 10));
    if (how == "set") {
        surface.setCurrentX(value);
        surface.setCurrentY(value);
    } else if (how == "line") {
        surface.Line(1, 1, value, value);
    } else {
        surface.PSet(value, value);
    }
    QCOMPARE(surface.currentX(), float(value));
    QCOMPARE(surface.currentY(), float(value));
    QVERIFY(double(surface.currentX()) != value); // the double's digits are really gone
}

void TestDrawingSurface::printMovesPen_data()
{
    QTest::addColumn<QRectF>("corners");
    QTest::addColumn<QPointF>("pen");

    QTest::newRow("graph scale") << QRectF(QPointF(0, 0), QPointF(18, 5.6)) << QPointF(1.5, 2.0);
    QTest::newRow("left edge not at zero") << QRectF(QPointF(3, 1), QPointF(13, 11)) << QPointF(7, 4);
}

void TestDrawingSurface::printMovesPen()
{
    QFETCH(QRectF, corners);
    QFETCH(QPointF, pen);

    DrawingSurface surface(QSize(760, 540));
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

void TestDrawingSurface::painted_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("width");
    QTest::addColumn<DrawStyle>("style");
    QTest::addColumn<bool>("gapsOrSpread"); // a line with gaps, or a dot wider than a pixel

    QTest::newRow("solid line") << "line" << 1 << DrawStyle::Solid << false;
    QTest::newRow("dashed line") << "line" << 1 << DrawStyle::Dashed << true;
    QTest::newRow("dashed but wide draws solid") << "line" << 2 << DrawStyle::Dashed << false;
    QTest::newRow("one-pixel dot") << "point" << 1 << DrawStyle::Solid << false;
    QTest::newRow("dot of the pen's width") << "point" << 4 << DrawStyle::Solid << true;
}

void TestDrawingSurface::painted()
{
    QFETCH(QString, operation);
    QFETCH(int, width);
    QFETCH(DrawStyle, style);
    QFETCH(bool, gapsOrSpread);

    DrawingSurface surface(QSize(200, 100));
    QVERIFY(surface.Scale(0, 0, 20, 10));
    surface.setBackColor(Qt::white);
    surface.setForeColor(DrawingSurface::QBColor(5));
    surface.setDrawStyle(style);
    surface.setDrawWidth(width);
    const QImage &image = surface.image();
    const QColor ink = DrawingSurface::QBColor(5);
    if (operation == "point") {
        surface.PSet(10, 5);
        QCOMPARE(image.pixelColor(100, 50), ink);
        QCOMPARE(image.pixelColor(101, 50) == ink, gapsOrSpread);
        QCOMPARE(image.pixelColor(103, 50), QColor(Qt::white));
        return;
    }
    surface.Line(1, 5, 19, 5);
    int blank = 0;
    for (int x = 12; x < 188; ++x)
        blank += image.pixelColor(x, 50) == QColor(Qt::white) ? 1 : 0;
    QCOMPARE(blank > 0, gapsOrSpread);
}

void TestDrawingSurface::clearKeepsState()
{
    DrawingSurface surface(QSize(200, 100));
    QVERIFY(surface.Scale(2, 3, 12, 13));
    surface.setForeColor(DrawingSurface::QBColor(5));
    surface.setDrawWidth(2);
    surface.setDrawStyle(DrawStyle::Dashed);
    surface.setFontSize(8);
    surface.Line(2, 8, 12, 8);
    QCOMPARE(surface.image().pixelColor(100, 50), DrawingSurface::QBColor(5));
    surface.Cls();

    QCOMPARE(surface.currentX(), 2.0f);
    QCOMPARE(surface.currentY(), 3.0f);
    QCOMPARE(surface.foreColor(), DrawingSurface::QBColor(5));
    QCOMPARE(surface.drawWidth(), 2);
    QCOMPARE(surface.drawStyle(), DrawStyle::Dashed);
    QCOMPARE(surface.font().pointSizeF(), 8.0);
    QCOMPARE(surface.xToPixels(12), 200.0);
    QCOMPARE(surface.image().pixelColor(100, 50), surface.backColor());
}

void TestDrawingSurface::nonFiniteDropped_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<double>("x");

    for (const char *operation : {"line", "lineTo", "point", "setX"}) {
        QTest::addRow("%s NaN", operation) << operation << kNaN;
        QTest::addRow("%s infinite", operation) << operation << -kInf;
        QTest::addRow("%s beyond single", operation) << operation << 1e40;
    }
}

void TestDrawingSurface::nonFiniteDropped()
{
    QFETCH(QString, operation);
    QFETCH(double, x);

    DrawingSurface surface(QSize(100, 100));
    QVERIFY(surface.Scale(0, 0, 10, 10));
    surface.setCurrentX(4);
    surface.setCurrentY(6);
    surface.setRecording(true);
    if (operation == "line")
        surface.Line(1, 1, x, 2);
    else if (operation == "lineTo")
        surface.LineTo(x, 2);
    else if (operation == "point")
        surface.PSet(x, 2);
    else
        surface.setCurrentX(x);
    QVERIFY(surface.records().isEmpty());
    QCOMPARE(surface.currentX(), 4.0f);
    QCOMPARE(surface.currentY(), 6.0f);
}

void TestDrawingSurface::ninetySixDpi()
{
    DrawingSurface surface(QSize(100, 100));
    QCOMPARE(surface.image().format(), QImage::Format_RGB32);
    QCOMPARE(surface.image().logicalDpiY(), 96);
    // A 72-point font has an em of one inch, 96 pixels; its line is a little taller than that.
    surface.setFont(designedFont(QStringLiteral("Times New Roman"), 72));
    const double linePixels = surface.heightToPixels(surface.textHeight());
    QVERIFY2(linePixels > 96 && linePixels < 130, qPrintable(QString::number(linePixels)));
    QCOMPARE(surface.textHeight(), linePixels * 15); // twips
}

QTEST_MAIN(TestDrawingSurface)
#include "test_drawing_surface.moc"
