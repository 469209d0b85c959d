// Kavro computation: worked cases, width test, trim and block-coefficient bands, speed limits.
#include "compute/kavro_computation.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace kavro;

namespace {

constexpr auto D = WaterwayKind::DepthRestricted;
constexpr auto C = WaterwayKind::Canal;
constexpr auto H = WaterwayKind::Channel;
constexpr double n = std::numeric_limits<double>::quiet_NaN(); // not checked in this row
constexpr double none = -1;                                    // no allowed speed
using X = QList<double>;

// Draughts as "aft/fore" or one for both, then breadth, Cb, depth, width, clearance and service speed.
ActiveCase makeCase(const QString &draughts, const QString &breadth, const QString &cb, const QString &depth,
                    const QString &width = {}, const QString &minUkc = "0.5", double serviceSpeed = 16)
{
    const QString aft = draughts.section('/', 0, 0), fore = draughts.section('/', -1);
    return ActiveCase{aft, fore, breadth, cb, minUkc, depth, width, QString(), serviceSpeed};
}

} // namespace

class TestKavroComputation : public QObject
{
    Q_OBJECT

private slots:
    void computes_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<X>("expected"); // T, Ac, S2, K, Vmax, Vcrit, maximum kavro
        QTest::addColumn<KavroPlace>("place");
        const auto bow = KavroPlace::Bow, stern = KavroPlace::Stern, both = KavroPlace::BowAndStern;
        const auto row = [](const char *tag, WaterwayKind kind, const ActiveCase &c) -> QTestData & {
            return QTest::newRow(tag) << kind << c;
        };
        row("depth-restricted", D, makeCase("10", "32", "0.8", "12")) << X{10, 3264, 0.108696, 0.00607356, 14.1355, 16.8724, 1.5} << bow;
        row("service speed below Vmax", D, makeCase("10", "32", "0.8", "12", "", "0.5", 14)) << X{n, n, n, n, none, n, 1.5} << bow;
        row("deep water: Vmax above Vcrit", D, makeCase("10", "32", "0.8", "30", "", "0.5", 100)) << X{n, 8160, n, 0.00316124, none, 26.6776, 19.5} << bow;
        row("canal narrower than influence", C, makeCase("10", "32", "0.8", "12", "200")) << X{n, 2400, 0.153846, 0.00765643, 12.6460, n, n} << bow;
        row("no clearance to spare", D, makeCase("10", "32", "0.8", "10.5", "", "0.5", 0.1)) << X{n, n, n, n, 0, 15.7827, 0} << bow;
        // Whole metres of the width against the width of influence 8.5 x B; W x H takes the width as typed.
        row("depth-restricted ignores a width", D, makeCase("10", "32", "0.8", "12", "200")) << X{n, 3264, n, n, n, n, n} << bow;
        row("channel narrower than influence", H, makeCase("10", "32", "0.8", "12", "200")) << X{n, 2400, n, n, n, n, n} << bow;
        row("width equal to influence", C, makeCase("10", "32", "0.8", "12", "272")) << X{n, 3264, n, n, n, n, n} << bow;
        row("271.5 rounds to even 272", C, makeCase("10", "32", "0.8", "12", "271.5")) << X{n, 3264, n, n, n, n, n} << bow;
        // Influence 270.725 lies between 270 and 271: only halves to even keep 270.5 below it.
        row("270.5 against influence 270.725", C, makeCase("10", "31.85", "0.8", "12", "270.5")) << X{n, 3246, n, n, n, n, n} << bow;
        row("32767.5 beyond 16 bits", H, makeCase("10", "32", "0.8", "12", "32767.5")) << X{n, 3264, n, n, n, n, n} << bow;
        // Beyond 16 bits the width must still be compared, not taken as wide enough.
        row("huge width, huger ship", C, makeCase("10", "10000", "0.8", "12", "50000")) << X{n, 600000, n, n, n, n, n} << bow;
        // The governing draught is the larger one; the trim, then the Cb bands, place the largest kavro.
        row("10.00 against 9.9", D, makeCase("10.00/9.9", "32", "0.6", "13")) << X{10, n, n, n, n, n, n} << stern;
        row("trim by the stern 1.0", D, makeCase("11/10", "32", "0.8", "13")) << X{11, n, n, n, n, n, n} << stern;
        row("trim by the head 1.0", D, makeCase("10/11", "32", "0.6", "13")) << X{11, n, n, n, n, n, n} << bow;
        row("trim 0.99 falls to Cb", D, makeCase("10.99/10", "32", "0.7", "13")) << X{10.99, n, n, n, n, n, n} << both;
        row("even keel Cb 0.705", D, makeCase("10", "32", "0.705", "13")) << X{n, n, n, n, n, n, n} << bow;
        row("even keel Cb 0.7049", D, makeCase("10", "32", "0.7049", "13")) << X{n, n, n, n, n, n, n} << both;
        row("even keel Cb 0.695", D, makeCase("10", "32", "0.695", "13")) << X{n, n, n, n, n, n, n} << stern;
        row("even keel Cb 0.6951", D, makeCase("10", "32", "0.6951", "13")) << X{n, n, n, n, n, n, n} << both;
    }
    void computes()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, theCase);
        QFETCH(X, expected);
        const std::optional<Kavro> k = computeKavro(kind, theCase, RegionalNumbers(QLocale(QLocale::English)));
        QVERIFY(k);
        const QList<double> actual{k->T, k->Ac, k->S2, k->K, k->Vmax.value_or(none), k->Vcrit, k->maxKavro};
        for (qsizetype i = 0; i < actual.size(); ++i) {
            QVERIFY2(std::isnan(expected[i]) || std::fabs(actual[i] - expected[i]) <= std::fabs(expected[i]) * 1e-5,
                     qPrintable(QString("%1: %2").arg(i).arg(actual[i], 0, 'g', 12)));
        }
        QTEST(k->place, "place");
        QCOMPARE(k->remainingClearance, 0.5);
    }

    void speedLimit_data()
    {
        QTest::addColumn<double>("vmax");
        QTest::addColumn<double>("vcrit");
        QTest::addColumn<double>("serviceSpeed");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("Vmax above Vcrit") << 17.0 << 16.9 << 20.0 << false;
        QTest::newRow("Vmax equal to Vcrit") << 16.5 << 16.5 << 20.0 << true;
        QTest::newRow("service speed equal to Vmax") << 14.5 << 16.8 << 14.5 << false;
        QTest::newRow("service speed just above Vmax") << 14.5 << 16.8 << 14.51 << true;
    }
    void speedLimit()
    {
        QFETCH(double, vmax);
        QFETCH(bool, allowed);
        QFETCH(double, vcrit);
        QFETCH(double, serviceSpeed);
        QCOMPARE(allowedSpeed(vmax, vcrit, serviceSpeed), allowed ? std::optional<double>(vmax) : std::nullopt);
    }

    void noResult_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<NoResult>("why");
        const NoResult noWater = NoResult::NoWaterBeside, range = NoResult::OutOfRange;
        QTest::newRow("canal width of an earlier, smaller ship") << C << makeCase("10", "32", "0.8", "12", "20") << noWater;
        QTest::newRow("channel section equal to the ship's") << H << makeCase("10", "32", "0.8", "16", "20") << noWater;
        QTest::newRow("empty active case") << D << ActiveCase{} << noWater;
        QTest::newRow("zero block coefficient") << D << makeCase("10", "32", "0", "12") << range;
        // Two wrong signs would otherwise cancel into a plausible speed.
        QTest::newRow("negative Cb and clearance") << D << makeCase("10", "32", "-0.5", "10") << range;
        QTest::newRow("clearance above the spare depth") << D << makeCase("10", "32", "0.8", "12", "", "5") << range;
        QTest::newRow("section beyond double range") << D << makeCase("10", "32", "0.8", "1e308") << range;
        QTest::newRow("service speed infinite") << D << makeCase("10", "32", "0.8", "12", "", "0.5", qInf()) << range;
    }
    void noResult()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, theCase);
        NoResult why = NoResult(-1);
        QVERIFY(!computeKavro(kind, theCase, RegionalNumbers(QLocale(QLocale::English)), &why));
        QTEST(why, "why");
    }
};

QTEST_GUILESS_MAIN(TestKavroComputation)
#include "test_kavro_computation.moc"
