// Tests of the kavro graph: ranges, axis numbers, grid and curve, grounding and clearance lines,
// the rewrite when no allowed speed exists, and cases that cannot be drawn.
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"
#include "core/regional_numbers.h"
#include "results/kavro_graph.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
// The graph's colours as the user sees them.
const QColor kRed(255, 0, 0), kNavy(0, 0, 128), kTeal(0, 128, 128), kPurple(128, 0, 128);
const QColor kGrey(128, 128, 128), kLightGrey(192, 192, 192);

// A case of open shallow water; its sinkage coefficient follows from draught, breadth, block
// coefficient and depth.
struct Ship
{
    double T = 10, B = 30, Cb = 0.8, H = 11, SS = 15, UKCmin = 0.3;
    QString speedText = QStringLiteral(": 9 kts.");

    GraphInputs inputs() const
    {
        const double FB = 7.7 + 20 * (1 - Cb) * (1 - Cb);
        const double S2 = B * T / (FB * B * H - B * T);
        return {Cb / 30 * std::pow(S2, 2.0 / 3.0), T, H, UKCmin, SS, speedText};
    }
};

// A page's surface as the results page hands it over (sized, designed font, cleared), drawn on once.
struct Page
{
    DrawingSurface surface{QSize(755, 530)};
    GraphOutputs out;

    explicit Page(const GraphInputs &in, const QLocale &locale = kEnglish)
    {
        surface.setFont(designedFont(QStringLiteral("Times New Roman"), 9.75));
        surface.setRecording(true);
        // White, so that only the graph's own background shows grey.
        surface.setBackColor(Qt::white);
        surface.Cls();
        out = drawKavroGraph(surface, in, RegionalNumbers(locale));
    }
    // The records of one kind, and of one colour or one text when given.
    QList<DrawRecord> all(DrawRecord::Op op, std::optional<QColor> colour = {}, const QString &text = {}) const
    {
        QList<DrawRecord> found;
        for (const DrawRecord &r : surface.records()) {
            if (r.op == op && (!colour || r.colour == *colour) && (text.isEmpty() || r.text == text))
                found.append(r);
        }
        return found;
    }
    QList<DrawRecord> lines(const QColor &colour) const { return all(DrawRecord::Op::Line, colour); }
    QList<DrawRecord> texts(const QString &text) const { return all(DrawRecord::Op::Text, std::nullopt, text); }
};

bool near(double a, double b) { return std::fabs(a - b) <= 1e-5; }

} // namespace

Q_DECLARE_METATYPE(Ship)
Q_DECLARE_METATYPE(GraphInputs)

class TestKavroGraph : public QObject
{
    Q_OBJECT

private slots:
    void rangesGridAndCurve_data()
    {
        QTest::addColumn<Ship>("ship");
        QTest::addColumn<int>("Vcap");
        QTest::addColumn<double>("Xmax");
        QTest::addColumn<int>("Ymax");
        QTest::addColumn<QPointF>("origin"); // X0, Y0
        QTest::addColumn<int>("lastKnot");   // of the curve

        QTest::newRow("depth 11, speed 15") << Ship{} << 17 << 15.0 << 3 << QPointF(1.159091, 0.425) << 15;
        QTest::newRow("speed 15.5 rounds to 16, cap 17 not below")
            << Ship{.SS = 15.5} << 17 << 15.5 << 3 << QPointF(1.197727, 0.425) << 15;
        QTest::newRow("cap below the speed binds")
            << Ship{.T = 1.5, .H = 2} << 7 << 7.0 << 1 << QPointF(0.540909, 0.141667) << 7;
        QTest::newRow("cap equal to the speed does not bind")
            << Ship{.T = 8, .H = 9} << 15 << 15.0 << 3 << QPointF(1.159091, 0.425) << 15;
        QTest::newRow("14.5 rounds to even 14, cap 14 not below")
            << Ship{.T = 7, .H = 7.8, .SS = 14.5} << 14 << 14.5 << 3 << QPointF(1.120455, 0.425) << 14;
        QTest::newRow("kavro range at least 1")
            << Ship{.H = 14, .SS = 8} << 19 << 8.0 << 1 << QPointF(0.618182, 0.141667) << 8;
    }

    void rangesGridAndCurve()
    {
        QFETCH(Ship, ship);
        QFETCH(int, Vcap);
        QFETCH(double, Xmax);
        QFETCH(int, Ymax);
        QFETCH(QPointF, origin);
        QFETCH(int, lastKnot);

        const GraphInputs in = ship.inputs();
        const Page page(in);
        const GraphOutputs &o = page.out;
        QVERIFY(o.drawn);
        QCOMPARE(o.Vcap, std::optional<int>(Vcap));
        QCOMPARE(o.Xmax, Xmax);
        QCOMPARE(o.Ymax, Ymax);
        QVERIFY2(near(o.X0, origin.x()) && near(o.Y0, origin.y()), qPrintable(QString("%1 %2").arg(o.X0).arg(o.Y0)));
        QVERIFY(near(page.surface.scaleWidth(), Xmax * (1 + 4.5 / 22)));
        QVERIFY(near(page.surface.scaleHeight(), Ymax * (1 + 3.5 / 4)));

        // The kavro axis down from the origin, the speed axis along the top.
        const QList<DrawRecord> axes = page.lines(kNavy);
        QCOMPARE(axes.size(), 2);
        QVERIFY(near(axes[0].x2, o.X0) && near(axes[0].y2, o.Y0 + Ymax) && axes[0].width == 2);
        QVERIFY(near(axes[1].x2, o.X0 + Xmax) && near(axes[1].y2, o.Y0));

        const QList<DrawRecord> grid = page.lines(kGrey);
        QCOMPARE(grid.size(), 2 * Ymax); // Ymax down to 0.5: none at kavro 0
        for (int i = 0; i < grid.size(); ++i)
            QVERIFY(grid[i].style == DrawStyle::Dashed && grid[i].width == 1
                    && near(grid[i].y1, o.Y0 + Ymax - 0.5 * i));

        const QList<DrawRecord> curve = page.lines(kPurple);
        QCOMPARE(curve.size(), lastKnot + 1);
        for (int v = 0; v <= lastKnot; ++v)
            QVERIFY(curve[v].width == 2 && near(curve[v].x2, o.X0 + v)
                    && near(curve[v].y2, o.Y0 + in.K * std::pow(v, 2.08)));
        // The dot at the origin before the curve is still in the grid's colour.
        const QList<DrawRecord> points = page.all(DrawRecord::Op::Point);
        QVERIFY(points.size() >= 3);
        QCOMPARE(points[2].colour, kGrey);
    }

    void axisNumbers_data()
    {
        QTest::addColumn<double>("SS");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("numbers"); // kavro axis top down, then speed axis right to left

        const QStringList kavro = {" 3 ", " 2.5 ", " 2 ", " 1.5 ", " 1 ", " .5 ", " 0 "};
        QStringList whole, halves;
        for (int v = 15; v >= 0; --v) {
            whole.append(QStringLiteral(" %1 ").arg(v));
            halves.append(QStringLiteral(" %1.5 ").arg(v).replace(QStringLiteral(" 0."), QStringLiteral(" .")));
        }
        QStringList comma = kavro + halves;
        comma.replaceInStrings(QStringLiteral("."), QStringLiteral(","));

        QTest::newRow("whole end speed runs to 0") << 15.0 << kEnglish << kavro + whole;
        QTest::newRow("fractional end speed stops at .5") << 15.5 << kEnglish << kavro + halves;
        QTest::newRow("decimal comma") << 15.5 << kGerman << comma;
    }

    void axisNumbers()
    {
        QFETCH(double, SS);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, numbers);

        const Page page(Ship{.SS = SS}.inputs(), locale);
        QStringList texts;
        for (const DrawRecord &r : page.all(DrawRecord::Op::Text))
            texts.append(r.text);
        QCOMPARE(texts.mid(0, numbers.size() + 1), numbers + QStringList{QStringLiteral("Kavro (m)")});
    }

    void referenceLinesAndRewrite_data()
    {
        QTest::addColumn<Ship>("ship");
        QTest::addColumn<bool>("grounding");
        QTest::addColumn<bool>("clearance");
        QTest::addColumn<double>("labelAboveGrounding"); // how far "UKC Line" stands above "Grounding"
        QTest::addColumn<QStringList>("rewritten");      // MaxKavro and MaxDraught, when no allowed speed
        QTest::addColumn<QLocale>("locale");

        const auto row = [](const char *tag, const Ship &ship, bool grounding, bool clearance, double label,
                            const QStringList &rewritten = {}, const QLocale &locale = kEnglish) {
            QTest::newRow(tag) << ship << grounding << clearance << label << rewritten << locale;
        };
        row("clearance 0.3: label pushed to 0.4", {.UKCmin = 0.3}, true, true, 0.4);
        row("clearance 0.5 above 0.4: label stays", {.UKCmin = 0.5}, true, true, 0.5);
        row("clearance just below 0.4: pushed", {.UKCmin = 0.3999}, true, true, 0.4);
        row("clearance just above 0.4: stays", {.UKCmin = 0.4001}, true, true, 0.4001);
        row("label below the grounding label: stays", {.UKCmin = -0.2}, true, true, -0.2);
        row("clearance 0: no clearance line", {.UKCmin = 0}, true, false, 0);
        row("no grounding, clearance label never moved", {.SS = 6}, false, true, 0);
        // Kavro range 2 equals the static clearance 2: not above it, so never a grounding line.
        Ship slow{.T = 12, .H = 14, .SS = 12, .UKCmin = 0.5, .speedText = ": N/A"};
        row("no allowed speed: no lines, texts rewritten", slow, false, false, 0, {": 1.1 m", ": 0.9 m"});
        row("no allowed speed, decimal comma", slow, false, false, 0, {": 1,1 m", ": 0,9 m"}, kGerman);
        // The graph ends at 12.5 knots, its curve at 12: the texts come from 12 knots (1.19 m at 12.5).
        slow.SS = 12.5;
        row("no allowed speed, fractional end speed", slow, false, false, 0, {": 1.1 m", ": 0.9 m"});
        slow.speedText = ": 13 kts.";
        row("a speed: no rewrite, clearance line drawn", slow, false, true, 0);
        slow.speedText = ":N/A";
        row("only the exact text counts", slow, false, true, 0);
    }

    void referenceLinesAndRewrite()
    {
        QFETCH(Ship, ship);
        QFETCH(bool, grounding);
        QFETCH(bool, clearance);
        QFETCH(double, labelAboveGrounding);
        QFETCH(QStringList, rewritten);
        QFETCH(QLocale, locale);

        const Page page(ship.inputs(), locale);
        const GraphOutputs &o = page.out;
        const double groundY = o.Y0 + ship.H - ship.T;
        const QList<DrawRecord> red = page.lines(kRed);
        const QList<DrawRecord> cyan = page.lines(kTeal);
        QCOMPARE(red.size(), grounding ? 1 : 0);
        QCOMPARE(page.texts(QStringLiteral("Grounding")).size(), grounding ? 1 : 0);
        QCOMPARE(cyan.size(), clearance ? 1 : 0);
        QCOMPARE(page.texts(QStringLiteral("UKC Line")).size(), clearance ? 1 : 0);
        if (grounding) {
            QVERIFY(near(red[0].x1, o.X0) && near(red[0].x2, o.X0 + o.Xmax));
            QVERIFY(near(red[0].y1, groundY) && near(red[0].y2, groundY) && red[0].width == 2);
        }
        if (clearance) {
            QVERIFY(near(cyan[0].y1, groundY - ship.UKCmin) && near(cyan[0].y2, groundY - ship.UKCmin));
            const double label = grounding ? groundY - 0.025 * o.Ymax - labelAboveGrounding
                                           : groundY - ship.UKCmin - 0.025 * o.Ymax;
            QVERIFY(near(page.texts(QStringLiteral("UKC Line"))[0].y1, label));
        }
        QCOMPARE(o.maxKavro.has_value(), !rewritten.isEmpty());
        QCOMPARE(o.maxDraught.has_value(), !rewritten.isEmpty());
        if (!rewritten.isEmpty())
            QCOMPARE((QStringList{*o.maxKavro, *o.maxDraught}), rewritten);
    }

    void degenerate_data()
    {
        QTest::addColumn<GraphInputs>("in");
        QTest::addColumn<bool>("drawn");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const auto in = [](double K, double H, double SS) { return GraphInputs{K, 10, H, 0.3, SS, ": N/A"}; };
        QTest::newRow("tiny depth: speed cap 0") << in(0.0065, 0.009, 15) << false;
        QTest::newRow("negative depth") << in(0.0065, -1, 15) << false;
        QTest::newRow("no speed") << in(0.0065, 11, 0) << false;
        QTest::newRow("speed beyond 16 bits") << in(0.0065, 11, 1e6) << false;
        QTest::newRow("kavro range beyond 16 bits") << in(100, 11, 30) << false;
        QTest::newRow("kavro range just beyond 16 bits") << in(32766.6, 11, 1) << false;
        QTest::newRow("negative sinkage coefficient") << in(-0.5, 11, 15) << false;
        QTest::newRow("coefficient not a number") << in(nan, 11, 15) << false;
        QTest::newRow("infinite depth") << in(0.0065, inf, 15) << false;
        QTest::newRow("depth beyond the cap's 16 bits: runs to the speed") << in(1e-6, 5e8, 20) << true;
        QTest::newRow("kavro range at the 16-bit edge") << in(32765.4, 11, 1) << true;
    }

    void degenerate()
    {
        QFETCH(GraphInputs, in);
        QFETCH(bool, drawn);

        const Page page(in);
        const GraphOutputs &out = page.out;
        QCOMPARE(out.drawn, drawn);
        if (drawn) {
            QVERIFY(out.Xmax > 0 && out.Ymax >= 1);
            if (in.H > 1e6)
                QVERIFY(!out.Vcap && out.Xmax == in.SS);
            return;
        }
        // Nothing but the graph's background, and no rewritten texts.
        QVERIFY(page.surface.records().size() == 1 && page.surface.records().first().op == DrawRecord::Op::Clear);
        QVERIFY(!out.maxKavro && !out.maxDraught);
        QImage grey(page.surface.image().size(), page.surface.image().format());
        grey.fill(kLightGrey);
        QCOMPARE(page.surface.image(), grey);
    }
};

QTEST_MAIN(TestKavroGraph)
#include "test_kavro_graph.moc"
