// The kavro graph: ranges, axis numbers, grid and curve, grounding and clearance lines, the
// kavro and clearance at the last knot when there is no allowed speed, and cases that cannot be drawn.
#include "core/regional_numbers.h"
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"
#include "results/kavro_graph.h"

#include <QtTest>
#include <cmath>

using namespace kavro;

namespace {

const QColor kRed(255, 0, 0), kTeal(0, 128, 128), kPurple(128, 0, 128), kGrey(128, 128, 128);
// Sinkage coefficients of a ship of draught T, breadth 30 and block coefficient 0.8 in open
// water of depth H, worked out by hand.
constexpr double kT10H11 = 0.006479046277, kT1_5H2 = 0.0056209334, kT8H9 = 0.006371402026;
constexpr double kT7H7_8 = 0.006416984103, kT10H14 = 0.005424392002, kT12H14 = 0.006201551832;

GraphInputs ship(double K, double T, double H, double SS, double UKCmin = 0.3, bool allowed = true) { return {K, T, H, UKCmin, SS, allowed}; }

// A page's surface as the results page hands it over (sized, designed font, cleared), drawn on once.
struct Page
{
    DrawingSurface surface{QSize(755, 530)};
    GraphOutputs out;

    explicit Page(const GraphInputs &in)
    {
        surface.setFont(designedFont(QStringLiteral("Times New Roman"), 9.75));
        surface.setRecording(true);
        surface.setBackColor(Qt::white); // so that only the graph's own background shows grey
        surface.Cls();
        out = drawKavroGraph(surface, in, RegionalNumbers(QLocale(QLocale::English)));
    }
    // The records of one kind, and of one colour or one text when given.
    QList<DrawRecord> all(DrawRecord::Op op, std::optional<QColor> colour = {}, const QString &text = {}) const
    {
        QList<DrawRecord> found;
        std::copy_if(surface.records().begin(), surface.records().end(), std::back_inserter(found), [&](const DrawRecord &r) {
            return r.op == op && (!colour || r.colour == *colour) && (text.isEmpty() || r.text == text);
        });
        return found;
    }
};

bool near(double a, double b) { return std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(b)); }

} // namespace

Q_DECLARE_METATYPE(GraphInputs)

class TestKavroGraph : public QObject
{
    Q_OBJECT

private slots:
    // Ranges, axes, grid, curve and axis numbers; or nothing when the graph cannot be formed.
    void rangesGridAndCurve_data()
    {
        QTest::addColumn<GraphInputs>("in");
        QTest::addColumn<QList<double>>("ranges");  // Vcap, Xmax, Ymax, X0, Y0, last whole knot, its kavro
        QTest::addColumn<QStringList>("numbers");   // kavro axis: the first two; speed axis: first and last
        QTest::newRow("depth 11, speed 15") << ship(kT10H11, 10, 11, 15)
            << QList<double>{17, 15, 3, 1.159091, 0.425, 15, 1.810427} << QStringList{" 3 ", " 2.5 ", " 15 ", " 0 "};
        QTest::newRow("speed 15.5 rounds to 16, cap 17 not below") << ship(kT10H11, 10, 11, 15.5)
            << QList<double>{17, 15.5, 3, 1.197727, 0.425, 15, 1.810427} << QStringList{" 3 ", " 2.5 ", " 15.5 ", " .5 "};
        QTest::newRow("cap below the speed binds") << ship(kT1_5H2, 1.5, 2, 15)
            << QList<double>{7, 7, 1, 0.540909, 0.141667, 7, 0.321820} << QStringList{" 1 ", " .5 ", " 7 ", " 0 "};
        QTest::newRow("cap equal to the speed does not bind") << ship(kT8H9, 8, 9, 15)
            << QList<double>{15, 15, 3, 1.159091, 0.425, 15, 1.780348} << QStringList{" 3 ", " 2.5 ", " 15 ", " 0 "};
        QTest::newRow("14.5 rounds to even 14, cap 14 not below") << ship(kT7H7_8, 7, 7.8, 14.5)
            << QList<double>{14, 14.5, 3, 1.120455, 0.425, 14, 1.553378} << QStringList{" 3 ", " 2.5 ", " 14.5 ", " .5 "};
        QTest::newRow("kavro range at least 1") << ship(kT10H14, 10, 14, 8)
            << QList<double>{19, 8, 1, 0.618182, 0.141667, 8, 0.409995} << QStringList{" 1 ", " .5 ", " 8 ", " 0 "};
        QTest::newRow("kavro range at the 16-bit edge") << ship(32765.4, 10, 11, 1)
            << QList<double>{17, 1, 32766, 0.077273, 4641.85, 1, 32765.4} << QStringList{" 32766 ", " 32765.5 ", " 1 ", " 0 "};
        QTest::newRow("depth beyond the cap's 16 bits: runs to the speed") << ship(1e-6, 10, 5e8, 20)
            << QList<double>{-1, 20, 1, 1.545455, 0.141667, 20, 0.000508} << QStringList{" 1 ", " .5 ", " 20 ", " 0 "};
        // Cases whose graph cannot be formed leave nothing but the graph's background.
        for (const auto &[tag, in] : {std::pair{"tiny depth: speed cap 0", ship(0.0065, 10, 0.009, 15)},
                                      {"negative depth", ship(0.0065, 10, -1, 15)},
                                      {"no speed", ship(0.0065, 10, 11, 0)},
                                      {"speed beyond 16 bits", ship(0.0065, 10, 11, 1e6)},
                                      {"kavro range just beyond 16 bits", ship(32766.6, 10, 11, 1)},
                                      {"negative sinkage coefficient", ship(-0.5, 10, 11, 15)},
                                      {"coefficient not a number", ship(qQNaN(), 10, 11, 15)}})
            QTest::newRow(tag) << in << QList<double>() << QStringList();
    }
    void rangesGridAndCurve()
    {
        QFETCH(GraphInputs, in);
        QFETCH(QList<double>, ranges);
        const Page page(in);
        const GraphOutputs &o = page.out;
        QCOMPARE(o.drawn, !ranges.isEmpty());
        if (!o.drawn) {
            QImage grey(page.surface.image().size(), page.surface.image().format());
            grey.fill(QColor(192, 192, 192));
            QVERIFY(page.surface.records().size() == 1 && page.surface.image() == grey);
            return;
        }
        const QList<double> actual{double(o.Vcap.value_or(-1)), o.Xmax, double(o.Ymax), o.X0, o.Y0};
        for (int i = 0; i < actual.size(); ++i)
            QVERIFY2(near(actual[i], ranges[i]), qPrintable(QString("%1: %2").arg(i).arg(actual[i])));
        const int Ymax = o.Ymax, lastKnot = int(ranges[5]);

        // Grid lines from the depth range up to 0.5: none at kavro 0.
        const QList<DrawRecord> grid = page.all(DrawRecord::Op::Line, kGrey);
        QCOMPARE(grid.size(), 2 * Ymax);
        QVERIFY(near(grid.first().y1, o.Y0 + Ymax) && near(grid.last().y1, o.Y0 + 0.5));
        // Whole knots from the origin.
        const QList<DrawRecord> curve = page.all(DrawRecord::Op::Line, kPurple);
        QCOMPARE(curve.size(), lastKnot + 1);
        QVERIFY(near(curve.last().x2, o.X0 + lastKnot) && near(curve.last().y2, o.Y0 + ranges[6]));
        // Kavro numbers every half metre down to 0, then speed numbers down by whole knots from
        // the end speed, printed as numbers; then the caption.
        const QList<DrawRecord> texts = page.all(DrawRecord::Op::Text);
        const qsizetype kavros = 2 * Ymax + 1, speeds = qsizetype(o.Xmax) + 1;
        QTEST((QStringList{texts[0].text, texts[1].text, texts[kavros].text, texts[kavros + speeds - 1].text}), "numbers");
        QCOMPARE(texts[kavros - 1].text, QStringLiteral(" 0 "));
        QCOMPARE(texts[kavros + speeds].text, QStringLiteral("Kavro (m)"));
    }

    void referenceLines_data()
    {
        QTest::addColumn<GraphInputs>("in");
        QTest::addColumn<bool>("grounding");
        QTest::addColumn<double>("clearanceLabel"); // how far "UKC Line" stands above "Grounding"; NaN: no line
        QTest::addColumn<QPointF>("lastKnot");      // kavro and clearance left, when there is no allowed speed
        const double none = qQNaN();
        QTest::newRow("clearance just below 0.4: label pushed to 0.4") << ship(kT10H11, 10, 11, 15, 0.3999) << true << 0.4 << QPointF();
        QTest::newRow("clearance 0: no clearance line") << ship(kT10H11, 10, 11, 15, 0) << true << none << QPointF();
        // Kavro ranges of 1 and 2 m do not reach below the static clearances of 1 and 2 m.
        QTest::newRow("no grounding: clearance label never moved") << ship(kT10H11, 10, 11, 6) << false << 0.0 << QPointF();
        QTest::newRow("a speed: clearance line alone") << ship(kT12H14, 12, 14, 12, 0.5) << false << 0.0 << QPointF();
        // Both lines would stand on this graph with an allowed speed.
        QTest::newRow("no allowed speed: no lines")
            << ship(kT10H11, 10, 11, 15, 0.3, false) << false << none << QPointF(1.810427, -0.810427);
        // The graph ends at 12.5 knots, its curve at 12: the kavro is that of 12 knots (1.19 m at 12.5).
        QTest::newRow("no allowed speed, fractional end speed")
            << ship(kT12H14, 12, 14, 12.5, 0.5, false) << false << none << QPointF(1.089425, 0.910575);
    }
    void referenceLines()
    {
        QFETCH(GraphInputs, in);
        QFETCH(bool, grounding);
        QFETCH(double, clearanceLabel);
        QFETCH(QPointF, lastKnot);
        const Page page(in);
        const GraphOutputs &o = page.out;
        const double groundY = o.Y0 + in.H - in.T, clearanceY = groundY - in.UKCmin;
        const QList<DrawRecord> red = page.all(DrawRecord::Op::Line, kRed), teal = page.all(DrawRecord::Op::Line, kTeal);
        const QList<DrawRecord> label = page.all(DrawRecord::Op::Text, {}, QStringLiteral("UKC Line"));
        QCOMPARE(red.size(), grounding ? 1 : 0);
        QCOMPARE(page.all(DrawRecord::Op::Text, {}, QStringLiteral("Grounding")).size(), grounding ? 1 : 0);
        QCOMPARE(teal.size(), std::isnan(clearanceLabel) ? 0 : 1);
        QCOMPARE(label.size(), teal.size());
        if (grounding)
            QVERIFY(near(red[0].x1, o.X0) && near(red[0].x2, o.X0 + o.Xmax) && near(red[0].y1, groundY) && near(red[0].y2, groundY));
        if (!teal.isEmpty()) {
            QVERIFY(near(teal[0].y1, clearanceY) && near(teal[0].y2, clearanceY));
            const double labelY = grounding ? groundY - clearanceLabel : clearanceY;
            QVERIFY(near(label[0].y1, labelY - 0.025 * o.Ymax));
        }
        QCOMPARE(o.lastKnotKavro.has_value(), !in.allowedSpeed);
        if (!in.allowedSpeed)
            QVERIFY(near(*o.lastKnotKavro, lastKnot.x()) && near(*o.lastKnotClearance, lastKnot.y()));
    }

};

QTEST_MAIN(TestKavroGraph)
#include "test_kavro_graph.moc"
