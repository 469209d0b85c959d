// Tests of the kavro graph: ranges, ticks and numbers, curve, grounding and clearance lines,
// the rewrite when no allowed speed exists, the pen carried between drawings, degenerate cases.
#include "app/drawing_surface.h"
#include "app/font_faces.h"
#include "app/regional_numbers.h"
#include "results/kavro_graph.h"

#include <QDir>
#include <QGuiApplication>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// The sinkage coefficient of open shallow water, from the ship's draught, breadth and block
// coefficient and the depth.
double sinkageCoefficient(double T, double B, double Cb, double H)
{
    const double FB = 7.7 + 20 * (1 - Cb) * (1 - Cb);
    const double S2 = B * T / (FB * B * H - B * T);
    return Cb / 30 * std::pow(S2, 2.0 / 3.0);
}

struct Ship
{
    double T = 10, B = 30, Cb = 0.8, H = 11, SS = 15, UKCmin = 0.3;
    QString speedText = QStringLiteral(": 9 kts.");
};

GraphInputs inputsFor(const Ship &ship)
{
    GraphInputs in;
    in.K = sinkageCoefficient(ship.T, ship.B, ship.Cb, ship.H);
    in.T = ship.T;
    in.H = ship.H;
    in.UKCmin = ship.UKCmin;
    in.SS = ship.SS;
    in.speedText = ship.speedText;
    return in;
}

// A page's surface as the results page hands it over: sized, designed font, cleared.
struct Page
{
    DrawingSurface surface{QSize(755, 530)};
    explicit Page(const QString &face = QStringLiteral("Times New Roman"))
    {
        surface.setFont(designedFont(face, 9.75));
        surface.setRecording(true);
        surface.Cls();
    }
    GraphOutputs draw(const GraphInputs &in, const QLocale &locale = kEnglish)
    {
        surface.Cls();
        surface.clearRecords();
        return drawKavroGraph(surface, in, RegionalNumbers(locale));
    }
    QList<DrawRecord> all(DrawRecord::Op op, std::optional<QColor> colour = std::nullopt) const
    {
        QList<DrawRecord> found;
        for (const DrawRecord &r : surface.records()) {
            if (r.op == op && (!colour || r.colour == *colour))
                found.append(r);
        }
        return found;
    }
    QList<DrawRecord> linesIn(const QColor &colour) const { return all(DrawRecord::Op::Line, colour); }
    std::optional<DrawRecord> text(const QString &text) const
    {
        for (const DrawRecord &r : all(DrawRecord::Op::Text)) {
            if (r.text == text)
                return r;
        }
        return std::nullopt;
    }
};

const QColor kRed(255, 0, 0);

bool near(double a, double b, double tolerance = 1e-5)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestKavroGraph : public QObject
{
    Q_OBJECT

private slots:
    void ranges_data();
    void ranges();
    void axisNumbers_data();
    void axisNumbers();
    void captionsAndColumn();
    void gridAndCurve_data();
    void gridAndCurve();
    void referenceLines_data();
    void referenceLines();
    void notAvailableRewrite_data();
    void notAvailableRewrite();
    void tickPenCarriesOver_data();
    void tickPenCarriesOver();
    void pixels();
    void degenerate_data();
    void degenerate();
};

void TestKavroGraph::ranges_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("SS");
    QTest::addColumn<int>("Vcap");
    QTest::addColumn<double>("Xmax");
    QTest::addColumn<int>("Ymax");
    QTest::addColumn<double>("X0");
    QTest::addColumn<double>("Y0");

    QTest::newRow("depth 11, speed 15") << 10.0 << 11.0 << 15.0 << 17 << 15.0 << 3 << 1.159091 << 0.425;
    QTest::newRow("speed 15.5 rounds to 16, cap 17 not below") << 10.0 << 11.0 << 15.5 << 17 << 15.5 << 3 << 1.197727
                                                            << 0.425;
    QTest::newRow("cap below the speed binds") << 1.5 << 2.0 << 15.0 << 7 << 7.0 << 1 << 0.540909 << 0.141667;
    QTest::newRow("cap equal to the speed does not bind") << 8.0 << 9.0 << 15.0 << 15 << 15.0 << 3 << 1.159091 << 0.425;
    QTest::newRow("14.5 rounds to even 14, cap 14 not below") << 7.0 << 7.8 << 14.5 << 14 << 14.5 << 3 << 1.120455
                                                             << 0.425;
    QTest::newRow("kavro range at least 1") << 10.0 << 14.0 << 8.0 << 19 << 8.0 << 1 << 0.618182 << 0.141667;
}

void TestKavroGraph::ranges()
{
    QFETCH(double, T);
    QFETCH(double, H);
    QFETCH(double, SS);
    QFETCH(int, Vcap);
    QFETCH(double, Xmax);
    QFETCH(int, Ymax);
    QFETCH(double, X0);
    QFETCH(double, Y0);

    Ship ship;
    ship.T = T;
    ship.H = H;
    ship.SS = SS;
    Page page;
    const GraphOutputs out = page.draw(inputsFor(ship));
    QVERIFY(out.drawn);
    QCOMPARE(out.Vcap, std::optional<int>(Vcap));
    QCOMPARE(out.Xmax, Xmax);
    QCOMPARE(out.Ymax, Ymax);
    QVERIFY2(near(out.X0, X0), qPrintable(QString::number(out.X0, 'g', 10)));
    QVERIFY2(near(out.Y0, Y0), qPrintable(QString::number(out.Y0, 'g', 10)));
    QVERIFY(near(page.surface.scaleWidth(), Xmax * (1 + 4.5 / 22)));
    QVERIFY(near(page.surface.scaleHeight(), Ymax * (1 + 3.5 / 4)));
}

void TestKavroGraph::axisNumbers_data()
{
    QTest::addColumn<double>("SS");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("kavroNumbers");
    QTest::addColumn<QStringList>("speedNumbers");

    const QStringList kavro = {" 3 ", " 2.5 ", " 2 ", " 1.5 ", " 1 ", " .5 ", " 0 "};
    QStringList whole;
    for (int v = 15; v >= 0; --v)
        whole.append(QStringLiteral(" %1 ").arg(v));
    QStringList halves;
    for (int v = 15; v >= 0; --v)
        halves.append(QStringLiteral(" %1.5 ").arg(v).replace(QStringLiteral(" 0."), QStringLiteral(" .")));
    QStringList commaKavro = kavro;
    commaKavro.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    QStringList commaHalves = halves;
    commaHalves.replaceInStrings(QStringLiteral("."), QStringLiteral(","));

    QTest::newRow("whole end speed runs to 0") << 15.0 << kEnglish << kavro << whole;
    QTest::newRow("fractional end speed stops at .5") << 15.5 << kEnglish << kavro << halves;
    QTest::newRow("decimal comma") << 15.5 << kGerman << commaKavro << commaHalves;
}

void TestKavroGraph::axisNumbers()
{
    QFETCH(double, SS);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, kavroNumbers);
    QFETCH(QStringList, speedNumbers);

    Ship ship;
    ship.SS = SS;
    Page page;
    const GraphOutputs out = page.draw(inputsFor(ship), locale);
    const QList<DrawRecord> texts = page.all(DrawRecord::Op::Text);
    QVERIFY(texts.size() > kavroNumbers.size() + speedNumbers.size());

    for (int i = 0; i < kavroNumbers.size(); ++i) {
        const DrawRecord &r = texts.at(i);
        QCOMPARE(r.text, kavroNumbers.at(i));
        const double y = out.Ymax - 0.5 * i;
        QCOMPARE(float(r.x1), out.numberColumn);
        QVERIFY2(near(r.y1, out.Y0 + y - 0.01 * out.Ymax), qPrintable(r.text));
    }
    for (int i = 0; i < speedNumbers.size(); ++i) {
        const DrawRecord &r = texts.at(kavroNumbers.size() + i);
        QCOMPARE(r.text, speedNumbers.at(i));
        const double v = out.Xmax - i;
        QVERIFY2(near(r.x1, out.X0 + v - out.Xmax * 0.14 / 22), qPrintable(r.text));
        QVERIFY2(near(r.y1, out.Y0 - 0.0925 * out.Ymax), qPrintable(r.text));
    }
    QCOMPARE(texts.at(kavroNumbers.size() + speedNumbers.size()).text, QStringLiteral("Kavro (m)"));
}

void TestKavroGraph::captionsAndColumn()
{
    Page page;
    const GraphOutputs out = page.draw(inputsFor(Ship()));
    const double Xmax = out.Xmax, X0 = out.X0, Y0 = out.Y0, Ymax = out.Ymax;
    const double line = page.surface.textHeight();

    QCOMPARE(out.numberColumn, float(X0 - Xmax / 22));
    const auto kavro = page.text(QStringLiteral("Kavro (m)"));
    QVERIFY(kavro);
    QVERIFY(near(kavro->x1, X0 - Xmax * 0.3 / 22));
    QVERIFY(near(kavro->y1, Y0 + 1.015 * Ymax));
    QVERIFY(near(out.captionFoot, kavro->y1 + line));

    const auto speed = page.text(QStringLiteral("Ship Speed"));
    const auto knots = page.text(QStringLiteral("(knots)"));
    QVERIFY(speed && knots);
    QVERIFY(near(speed->x1, X0 + Xmax * (1 + 0.15 / 22)));
    QVERIFY(near(speed->y1, Y0 - 0.025 * Ymax));
    QVERIFY(near(knots->x1, X0 + Xmax * (1 + 0.45 / 22)));
    QVERIFY(near(knots->y1, speed->y1 + line));
    QCOMPARE(speed->colour, DrawingSurface::QBColor(1));

    // The axes: kavro axis down from the origin, speed axis along the top, dark blue, width 2.
    const QList<DrawRecord> axes = page.linesIn(DrawingSurface::QBColor(1));
    QCOMPARE(axes.size(), 2);
    QVERIFY(near(axes[0].x1, X0) && near(axes[0].y1, Y0) && near(axes[0].x2, X0) && near(axes[0].y2, Y0 + Ymax));
    QVERIFY(near(axes[1].x1, X0) && near(axes[1].y1, Y0) && near(axes[1].x2, X0 + Xmax) && near(axes[1].y2, Y0));
    QCOMPARE(axes[0].width, 2);
}

void TestKavroGraph::gridAndCurve_data()
{
    QTest::addColumn<double>("SS");
    QTest::addColumn<int>("lastKnot");

    QTest::newRow("whole end speed") << 15.0 << 15;
    QTest::newRow("fractional end speed ends on the knot below") << 15.5 << 15;
    QTest::newRow("capped") << 40.0 << 17;
}

void TestKavroGraph::gridAndCurve()
{
    QFETCH(double, SS);
    QFETCH(int, lastKnot);

    Ship ship;
    ship.SS = SS;
    const GraphInputs in = inputsFor(ship);
    Page page;
    const GraphOutputs out = page.draw(in);

    const QList<DrawRecord> grid = page.linesIn(DrawingSurface::QBColor(8));
    QCOMPARE(grid.size(), 2 * out.Ymax); // Ymax down to 0.5: none at kavro 0
    for (int i = 0; i < grid.size(); ++i) {
        QCOMPARE(grid[i].style, DrawStyle::Dashed);
        QCOMPARE(grid[i].width, 1);
        QVERIFY(near(grid[i].x1, out.X0 + 0.16));
        QVERIFY(near(grid[i].x2, out.X0 + out.Xmax));
        QVERIFY(near(grid[i].y1, out.Y0 + out.Ymax - 0.5 * i));
    }

    const QList<DrawRecord> curve = page.linesIn(DrawingSurface::QBColor(5));
    QCOMPARE(curve.size(), lastKnot + 1);
    for (int v = 0; v <= lastKnot; ++v) {
        QCOMPARE(curve[v].width, 2);
        QCOMPARE(curve[v].style, DrawStyle::Solid);
        QVERIFY(near(curve[v].x2, out.X0 + v));
        QVERIFY(near(curve[v].y2, out.Y0 + in.K * std::pow(v, 2.08)));
    }
    QVERIFY(near(curve[0].x1, out.X0) && near(curve[0].y1, out.Y0));
    // The dot at the origin before the curve is still in the grid's colour.
    const QList<DrawRecord> points = page.all(DrawRecord::Op::Point);
    QVERIFY(points.size() >= 3);
    QCOMPARE(points[2].colour, DrawingSurface::QBColor(8));
    QCOMPARE(points[2].width, 2);
}

void TestKavroGraph::referenceLines_data()
{
    QTest::addColumn<double>("SS");
    QTest::addColumn<double>("UKCmin");
    QTest::addColumn<bool>("grounding");
    QTest::addColumn<bool>("clearance");
    QTest::addColumn<double>("labelAboveGrounding"); // how far "UKC Line" stands above "Grounding"

    QTest::newRow("clearance 0.3: label pushed to 0.4") << 15.0 << 0.3 << true << true << 0.4;
    QTest::newRow("clearance 0.2: label pushed to 0.4") << 15.0 << 0.2 << true << true << 0.4;
    QTest::newRow("clearance 0.5 above 0.4: label stays") << 15.0 << 0.5 << true << true << 0.5;
    QTest::newRow("clearance just below 0.4: pushed") << 15.0 << 0.3999 << true << true << 0.4;
    QTest::newRow("clearance just above 0.4: stays") << 15.0 << 0.4001 << true << true << 0.4001;
    QTest::newRow("label below the grounding label: stays") << 15.0 << -0.2 << true << true << -0.2;
    QTest::newRow("clearance 0: no clearance line") << 15.0 << 0.0 << true << false << 0.0;
    QTest::newRow("no grounding, clearance label never moved") << 6.0 << 0.3 << false << true << 0.0;
}

void TestKavroGraph::referenceLines()
{
    QFETCH(double, SS);
    QFETCH(double, UKCmin);
    QFETCH(bool, grounding);
    QFETCH(bool, clearance);
    QFETCH(double, labelAboveGrounding);

    Ship ship;
    ship.SS = SS;
    ship.UKCmin = UKCmin;
    const GraphInputs in = inputsFor(ship);
    Page page;
    const GraphOutputs out = page.draw(in);
    const double groundY = out.Y0 + ship.H - ship.T;

    const QList<DrawRecord> red = page.linesIn(kRed);
    QCOMPARE(red.size(), grounding ? 1 : 0);
    QCOMPARE(bool(page.text(QStringLiteral("Grounding"))), grounding);
    QCOMPARE(bool(page.text(QStringLiteral("Line"))), grounding);
    if (grounding) {
        QVERIFY(near(red[0].x1, out.X0) && near(red[0].y1, groundY));
        QVERIFY(near(red[0].x2, out.X0 + out.Xmax) && near(red[0].y2, groundY));
        QCOMPARE(red[0].width, 2);
        const auto label = page.text(QStringLiteral("Grounding"));
        QCOMPARE(label->colour, kRed);
        QVERIFY(near(label->y1, groundY - 0.025 * out.Ymax));
        QVERIFY(near(label->x1, out.X0 + out.Xmax * (1 + 0.15 / 22)));
        QVERIFY(near(page.text(QStringLiteral("Line"))->x1, out.X0 + out.Xmax * (1 + 0.45 / 22)));
    }

    const QList<DrawRecord> cyan = page.linesIn(DrawingSurface::QBColor(3));
    QCOMPARE(cyan.size(), clearance ? 1 : 0);
    const auto ukcLabel = page.text(QStringLiteral("UKC Line"));
    QCOMPARE(bool(ukcLabel), clearance);
    if (clearance) {
        QVERIFY(near(cyan[0].y1, groundY - UKCmin) && near(cyan[0].y2, groundY - UKCmin));
        QVERIFY(near(ukcLabel->x1, out.X0 + out.Xmax * (1 + 0.15 / 22)));
        QCOMPARE(ukcLabel->colour, DrawingSurface::QBColor(3));
        const double ownPlace = groundY - UKCmin - 0.025 * out.Ymax;
        if (grounding)
            QVERIFY(near(ukcLabel->y1, groundY - 0.025 * out.Ymax - labelAboveGrounding));
        else
            QVERIFY(near(ukcLabel->y1, ownPlace));
    }
    QVERIFY(!out.maxKavro && !out.maxDraught);
}

void TestKavroGraph::notAvailableRewrite_data()
{
    QTest::addColumn<QString>("speedText");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("maxKavro");
    QTest::addColumn<QString>("maxDraught");

    QTest::newRow("no allowed speed") << ": N/A" << kEnglish << ": 1.1 m" << ": 0.9 m";
    QTest::newRow("no allowed speed, decimal comma") << ": N/A" << kGerman << ": 1,1 m" << ": 0,9 m";
    QTest::newRow("a speed: no rewrite, clearance line drawn") << ": 13 kts." << kEnglish << QString() << QString();
    QTest::newRow("only the exact text counts") << ":N/A" << kEnglish << QString() << QString();
}

void TestKavroGraph::notAvailableRewrite()
{
    QFETCH(QString, speedText);
    QFETCH(QLocale, locale);
    QFETCH(QString, maxKavro);
    QFETCH(QString, maxDraught);

    Ship ship;
    ship.T = 12;
    ship.H = 14;
    ship.SS = 12;
    ship.UKCmin = 0.5;
    ship.speedText = speedText;
    Page page;
    const GraphOutputs out = page.draw(inputsFor(ship), locale);
    QCOMPARE(out.Xmax, 12.0);
    QCOMPARE(out.Ymax, 2);

    const bool rewritten = !maxKavro.isEmpty();
    QCOMPARE(out.maxKavro.has_value(), rewritten);
    QCOMPARE(out.maxDraught.has_value(), rewritten);
    if (rewritten) {
        QCOMPARE(*out.maxKavro, maxKavro);
        QCOMPARE(*out.maxDraught, maxDraught);
    }
    // The kavro range 2 equals the static clearance 2: not above it, so never a grounding line.
    QVERIFY(page.linesIn(kRed).isEmpty());
    QCOMPARE(page.linesIn(DrawingSurface::QBColor(3)).isEmpty(), rewritten);
    QCOMPARE(page.text(QStringLiteral("UKC Line")).has_value(), !rewritten);
}

void TestKavroGraph::tickPenCarriesOver_data()
{
    QTest::addColumn<int>("previousDrawings"); // 0: the page's first drawing
    QTest::addColumn<QString>("previousSpeedText");
    QTest::addColumn<double>("previousUKCmin");
    QTest::addColumn<QColor>("tickColour");
    QTest::addColumn<int>("tickWidth");

    QTest::newRow("first drawing: designed pen") << 0 << QString() << 0.0 << QColor(Qt::black) << 1;
    QTest::newRow("after grounding and clearance lines") << 1 << ": 9 kts." << 0.3 << QColor(Qt::black) << 2;
    QTest::newRow("after the grounding line alone") << 1 << ": 9 kts." << 0.0 << QColor(Qt::black) << 2;
    QTest::newRow("after neither line") << 1 << ": N/A" << 0.3 << DrawingSurface::QBColor(5) << 1;
    QTest::newRow("twice without lines") << 2 << ": N/A" << 0.3 << DrawingSurface::QBColor(5) << 1;
}

void TestKavroGraph::tickPenCarriesOver()
{
    QFETCH(int, previousDrawings);
    QFETCH(QString, previousSpeedText);
    QFETCH(double, previousUKCmin);
    QFETCH(QColor, tickColour);
    QFETCH(int, tickWidth);

    Page page;
    Ship previous;
    previous.speedText = previousSpeedText;
    previous.UKCmin = previousUKCmin;
    for (int i = 0; i < previousDrawings; ++i)
        page.draw(inputsFor(previous));

    page.draw(inputsFor(Ship()));
    const QList<DrawRecord> lines = page.all(DrawRecord::Op::Line);
    const QList<DrawRecord> texts = page.all(DrawRecord::Op::Text);
    QCOMPARE(lines.first().colour, tickColour);
    QCOMPARE(lines.first().width, tickWidth);
    QCOMPARE(lines.first().style, DrawStyle::Solid);
    QCOMPARE(texts.first().colour, tickColour);
}

void TestKavroGraph::pixels()
{
    Page page(QStringLiteral("MS Sans Serif"));
    const Ship ship;
    const GraphOutputs out = page.draw(inputsFor(ship));
    const DrawingSurface &s = page.surface;
    const QImage &image = s.image();
    // Left for a look by eye next to the other test output.
    if (const QByteArray dir = qgetenv("KAVRO_TEST_OUTPUT"); !dir.isEmpty() && QDir().mkpath(QString::fromLocal8Bit(dir)))
        image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/kavro_graph.png"));

    // Bottom right of the page stays background.
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), DrawingSurface::QBColor(7));

    // Somewhere across the width-2 line, halfway along it.
    auto colourAcross = [&](double y, const QColor &colour) {
        const int px = int(std::lround(s.xToPixels(out.X0 + out.Xmax * 0.55)));
        const int py = int(std::lround(s.yToPixels(y)));
        for (int dy = -1; dy <= 1; ++dy) {
            if (image.pixelColor(px, py + dy) == colour)
                return true;
        }
        return false;
    };
    QVERIFY(colourAcross(out.Y0 + ship.H - ship.T, kRed));
    QVERIFY(colourAcross(out.Y0 + ship.H - ship.T - ship.UKCmin, DrawingSurface::QBColor(3)));
    QVERIFY(colourAcross(out.Y0, DrawingSurface::QBColor(1)));
    QVERIFY(!colourAcross(out.Y0 + 2.2, kRed));
}

void TestKavroGraph::degenerate_data()
{
    QTest::addColumn<double>("K");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("SS");
    QTest::addColumn<bool>("drawn");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("tiny depth: speed cap 0") << 0.0065 << 0.009 << 15.0 << false;
    QTest::newRow("no depth") << 0.0065 << 0.0 << 15.0 << false;
    QTest::newRow("negative depth") << 0.0065 << -1.0 << 15.0 << false;
    QTest::newRow("no speed") << 0.0065 << 11.0 << 0.0 << false;
    QTest::newRow("speed beyond 16 bits") << 0.0065 << 11.0 << 1e6 << false;
    QTest::newRow("kavro range beyond 16 bits") << 100.0 << 11.0 << 30.0 << false;
    QTest::newRow("kavro range just beyond 16 bits") << 32766.6 << 11.0 << 1.0 << false;
    QTest::newRow("negative sinkage coefficient") << -0.5 << 11.0 << 15.0 << false;
    QTest::newRow("coefficient not a number") << nan << 11.0 << 15.0 << false;
    QTest::newRow("infinite depth") << 0.0065 << inf << 15.0 << false;
    QTest::newRow("depth beyond the cap's 16 bits: runs to the speed") << 1e-6 << 5e8 << 20.0 << true;
    QTest::newRow("kavro range at the 16-bit edge") << 32765.4 << 11.0 << 1.0 << true;
}

void TestKavroGraph::degenerate()
{
    QFETCH(double, K);
    QFETCH(double, H);
    QFETCH(double, SS);
    QFETCH(bool, drawn);

    GraphInputs in;
    in.K = K;
    in.T = 10;
    in.H = H;
    in.UKCmin = 0.3;
    in.SS = SS;
    in.speedText = QStringLiteral(": N/A");
    Page page;
    page.surface.setBackColor(Qt::white);
    const GraphOutputs out = page.draw(in);
    QCOMPARE(out.drawn, drawn);
    if (drawn) {
        QVERIFY(out.Xmax > 0 && out.Ymax >= 1);
        if (H > 1e6) {
            QVERIFY(!out.Vcap);
            QCOMPARE(out.Xmax, SS);
        }
        return;
    }
    QVERIFY(page.all(DrawRecord::Op::Line).isEmpty());
    QVERIFY(page.all(DrawRecord::Op::Text).isEmpty());
    QVERIFY(page.all(DrawRecord::Op::Point).isEmpty());
    QVERIFY(!out.maxKavro && !out.maxDraught);
    const QImage &image = page.surface.image();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            QCOMPARE(image.pixelColor(x, y), DrawingSurface::QBColor(7));
    }
}

QTEST_MAIN(TestKavroGraph)
#include "test_kavro_graph.moc"
