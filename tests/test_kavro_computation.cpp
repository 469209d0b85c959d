// Kavro computation: worked cases, width test, trim and block-coefficient bands, speed limits.
#include "compute/kavro_computation.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)

namespace {

const RegionalNumbers kEnglish(QLocale(QLocale::English, QLocale::UnitedStates));
const double kUnchecked = std::numeric_limits<double>::quiet_NaN();
constexpr auto D = WaterwayKind::DepthRestricted;
constexpr auto C = WaterwayKind::Canal;
constexpr auto H = WaterwayKind::Channel;

// Both draughts TA, breadth, Cb, depth, width, clearance and service speed.
ActiveCase makeCase(const QString &draught, const QString &breadth, const QString &cb, const QString &depth,
                    const QString &width, const QString &minUkc, double serviceSpeed)
{
    ActiveCase c;
    c.DraughtAft = c.DraughtFore = draught;
    c.Breadth = breadth;
    c.BlockCoefficient = cb;
    c.WaterDepth = depth;
    c.WaterwayWidth = width;
    c.MinUkc = minUkc;
    c.ServiceSpeed = serviceSpeed;
    return c;
}

// Relative tolerance loose enough for the four to six figures the worked cases are given to.
bool close(double actual, double expected)
{
    return std::isnan(expected) || std::fabs(actual - expected) <= std::max(std::fabs(expected) * 1e-4, 1e-9);
}

} // namespace

class TestKavroComputation : public QObject
{
    Q_OBJECT

private slots:
    void workedCases_data();
    void workedCases();
    void occurrence_data();
    void occurrence();
    void governingDraught_data();
    void governingDraught();
    void speedLimit_data();
    void speedLimit();
    void serviceSpeedEqualToVmax();
    void noResult_data();
    void noResult();
};

void TestKavroComputation::workedCases_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<WaterwayKind>("kind");
    QTest::addColumn<ActiveCase>("activeCase");
    QTest::addColumn<double>("ac");
    QTest::addColumn<double>("s2");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("vmax");
    QTest::addColumn<double>("vcrit");
    QTest::addColumn<QString>("maxShipSpeed");
    QTest::addColumn<QString>("maxKavro");
    QTest::addColumn<QString>("maxDraught");

    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const double n = kUnchecked;
    auto row = [&](const char *tag, WaterwayKind kind, const QString &depth, const QString &width, double ss) -> QTestData & {
        return QTest::newRow(tag) << en << kind << makeCase("10", "32", "0.8", depth, width, "0.5", ss);
    };
    row("depth-restricted", D, "12", "", 16) << 3264.0 << 0.108696 << 0.0060736 << 14.1355 << 16.8724 << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("depth-restricted ignores a width", D, "12", "200", 16) << 3264.0 << n << n << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("service speed below Vmax", D, "12", "", 14) << n << n << n << 14.1355 << n << ": N/A" << ": 1.5 m" << ": 0.5 m";
    row("deep water: Vmax above Vcrit", D, "30", "", 100) << n << n << n << 66.40 << 26.68 << ": N/A" << ": 19.5 m" << ": 0.5 m";
    row("canal narrower than influence", C, "12", "200", 16) << 2400.0 << 0.153846 << 0.0076564 << 12.646 << n << ": 12 kts." << ": 1.5 m" << ": 0.5 m";
    row("channel narrower than influence", H, "12", "200", 16) << 2400.0 << 0.153846 << 0.0076564 << 12.646 << n << ": 12 kts." << ": 1.5 m" << ": 0.5 m";
    row("canal wider than influence", C, "12", "300", 16) << 3264.0 << 0.108696 << 0.0060736 << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("canal width equal to influence", C, "12", "272", 16) << 3264.0 << n << n << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("width 271.5 rounds to even 272", C, "12", "271.5", 16) << 3264.0 << n << n << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("width 270.5 rounds to 270, fraction kept", C, "12", "270.5", 16) << 3246.0 << n << n << n << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    // Influence 8.5 x 31.85 = 270.725 lies between 270 and 271: only halves to even keep 270.5 below it.
    QTest::newRow("width 270.5 against influence 270.725") << en << C << makeCase("10", "31.85", "0.8", "12", "270.5", "0.5", 16)
                                                           << 3246.0 << n << n << n << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("width 272.5 rounds to even 272", H, "12", "272.5", 16) << 3264.0 << n << n << n << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("no clearance to spare", D, "10.5", "", 0.1) << n << n << n << 0.0 << n << ": 0 kts." << ": 0.0 m" << ": 0.5 m";
    row("huge width beyond 16 bits", C, "12", "40000", 16) << 3264.0 << n << n << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    row("width 32767.5 beyond 16 bits", H, "12", "32767.5", 16) << 3264.0 << n << n << 14.1355 << n << ": 14 kts." << ": 1.5 m" << ": 0.5 m";
    // Beyond 16 bits the width must still be compared, not taken as wide enough.
    QTest::newRow("huge width, huger ship") << en << C << makeCase("10", "10000", "0.8", "12", "50000", "0.5", 16)
                                            << 600000.0 << 0.2 << n << n << n << ": 11 kts." << ": 1.5 m" << ": 0.5 m";
    QTest::newRow("decimal comma") << de << D << makeCase("9,5", "32", "0,8", "12", "", "0,5", 17)
                                   << 3264.0 << n << n << 16.53 << n << ": 16 kts." << ": 2,0 m" << ": 0,5 m";
    QTest::newRow("decimal comma width 270,5") << de << C << makeCase("10", "32", "0,8", "12", "270,5", "0,5", 16)
                                               << 3246.0 << n << n << n << n << ": 14 kts." << ": 1,5 m" << ": 0,5 m";
}

void TestKavroComputation::workedCases()
{
    QFETCH(QLocale, locale);
    QFETCH(WaterwayKind, kind);
    QFETCH(ActiveCase, activeCase);
    QFETCH(double, ac);
    QFETCH(double, s2);
    QFETCH(double, k);
    QFETCH(double, vmax);
    QFETCH(double, vcrit);
    const RegionalNumbers numbers(locale);

    const KavroResult r = computeKavro(kind, activeCase, numbers);
    QVERIFY(r.hasResult);
    QCOMPARE(r.FB, 8.5);
    QVERIFY2(close(r.Ac, ac), qPrintable(QString::number(r.Ac, 'g', 12)));
    QVERIFY2(close(r.S2, s2), qPrintable(QString::number(r.S2, 'g', 12)));
    QVERIFY2(close(r.K, k), qPrintable(QString::number(r.K, 'g', 12)));
    QVERIFY2(close(r.Vmax, vmax), qPrintable(QString::number(r.Vmax, 'g', 12)));
    QVERIFY2(close(r.Vcrit, vcrit), qPrintable(QString::number(r.Vcrit, 'g', 12)));
    // The kavro at the allowed speed uses up exactly what the clearance can spare.
    const double spare = numbers.toDouble(activeCase.WaterDepth) - r.T - numbers.toDouble(activeCase.MinUkc);
    QVERIFY(std::fabs(kavroAtSpeed(r.K, r.Vmax) - spare) < 1e-9);
    QTEST(r.MaxShipSpeed, "maxShipSpeed");
    QTEST(r.MaxKavro, "maxKavro");
    QCOMPARE(r.MaxKavroOccur, QStringLiteral(": Bow"));
    QCOMPARE(r.MaxDraughtPrompt, QStringLiteral("Remaining under-keel clearance"));
    QTEST(r.MaxDraught, "maxDraught");
}

void TestKavroComputation::occurrence_data()
{
    QTest::addColumn<QString>("aft");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<QString>("cb");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trim by the stern 1.0") << "11" << "10" << "0.8" << ": Stern";
    QTest::newRow("trim by the head 1.0") << "10" << "11" << "0.6" << ": Bow";
    QTest::newRow("trim 0.5 falls to Cb, full") << "10.5" << "10" << "0.8" << ": Bow";
    QTest::newRow("trim 0.5 falls to Cb, fine") << "10" << "10.5" << "0.6" << ": Stern";
    QTest::newRow("trim 0.99 falls to Cb") << "10.99" << "10" << "0.7" << ": Bow&Stern";
    QTest::newRow("even keel Cb 0.705") << "10" << "10" << "0.705" << ": Bow";
    QTest::newRow("even keel Cb 0.695") << "10" << "10" << "0.695" << ": Stern";
    QTest::newRow("even keel Cb 0.70") << "10" << "10" << "0.70" << ": Bow&Stern";
    QTest::newRow("even keel Cb 0.7049") << "10" << "10" << "0.7049" << ": Bow&Stern";
    QTest::newRow("even keel Cb 0.6951") << "10" << "10" << "0.6951" << ": Bow&Stern";
}

void TestKavroComputation::occurrence()
{
    QFETCH(QString, aft);
    QFETCH(QString, fore);
    QFETCH(QString, cb);
    ActiveCase c = makeCase(aft, "32", cb, "13", "", "0.5", 16);
    c.DraughtFore = fore;
    QTEST(computeKavro(D, c, kEnglish).MaxKavroOccur, "expected");
}

void TestKavroComputation::governingDraught_data()
{
    QTest::addColumn<QString>("aft");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("maxKavro");

    QTest::newRow("9.50 takes part as 9.5") << "9.50" << "9.50" << 9.5 << ": 2.0 m";
    QTest::newRow("9.5 aft, 10.5 fore") << "9.5" << "10.5" << 10.5 << ": 1.0 m";
    QTest::newRow("10.5 aft, 9.5 fore") << "10.5" << "9.5" << 10.5 << ": 1.0 m";
    QTest::newRow("9.50 against 10") << "9.50" << "10" << 10.0 << ": 1.5 m";
    QTest::newRow("10.00 against 9.9") << "10.00" << "9.9" << 10.0 << ": 1.5 m";
}

void TestKavroComputation::governingDraught()
{
    QFETCH(QString, aft);
    QFETCH(QString, fore);
    QFETCH(double, expected);
    ActiveCase c = makeCase(aft, "32", "0.8", "12", "", "0.5", 16);
    c.DraughtFore = fore;
    const KavroResult r = computeKavro(D, c, kEnglish);
    QCOMPARE(r.T, expected);
    QCOMPARE(r.As, 32.0 * expected);
    QTEST(r.MaxKavro, "maxKavro");
}

void TestKavroComputation::speedLimit_data()
{
    QTest::addColumn<double>("vmax");
    QTest::addColumn<double>("vcrit");
    QTest::addColumn<double>("serviceSpeed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Vmax above Vcrit") << 17.0 << 16.9 << 20.0 << ": N/A";
    QTest::newRow("Vmax equal to Vcrit") << 16.5 << 16.5 << 20.0 << ": 16 kts.";
    QTest::newRow("service speed equal to Vmax") << 14.5 << 16.8 << 14.5 << ": N/A";
    QTest::newRow("service speed below Vmax") << 14.5 << 16.8 << 14.0 << ": N/A";
    QTest::newRow("cut, not rounded") << 14.9 << 16.8 << 16.0 << ": 14 kts.";
    QTest::newRow("just under a whole knot") << std::nextafter(15.0, 0.0) << 16.8 << 16.0 << ": 14 kts.";
    QTest::newRow("whole knot") << 15.0 << 16.8 << 16.0 << ": 15 kts.";
    QTest::newRow("no speed at all") << 0.0 << 16.8 << 0.1 << ": 0 kts.";
}

void TestKavroComputation::speedLimit()
{
    QFETCH(double, vmax);
    QFETCH(double, vcrit);
    QFETCH(double, serviceSpeed);
    QTEST(maxShipSpeedText(vmax, vcrit, serviceSpeed), "expected");
}

void TestKavroComputation::serviceSpeedEqualToVmax()
{
    ActiveCase c = makeCase("10", "32", "0.8", "12", "", "0.5", 16);
    const double vmax = computeKavro(D, c, kEnglish).Vmax;
    c.ServiceSpeed = vmax;
    QCOMPARE(computeKavro(D, c, kEnglish).MaxShipSpeed, QStringLiteral(": N/A"));
    c.ServiceSpeed = std::nextafter(vmax, 100.0);
    QCOMPARE(computeKavro(D, c, kEnglish).MaxShipSpeed, QStringLiteral(": 14 kts."));
}

void TestKavroComputation::noResult_data()
{
    QTest::addColumn<WaterwayKind>("kind");
    QTest::addColumn<ActiveCase>("activeCase");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("canal width of an earlier, smaller ship") << C << makeCase("10", "32", "0.8", "12", "20", "0.5", 16);
    QTest::newRow("channel section equal to the ship's") << H << makeCase("10", "32", "0.8", "16", "20", "0.5", 16);
    QTest::newRow("empty active case") << D << ActiveCase{};
    QTest::newRow("breadth no number") << D << makeCase("10", "abc", "0.8", "12", "", "0.5", 16);
    QTest::newRow("zero block coefficient") << D << makeCase("10", "32", "0", "12", "", "0.5", 16);
    // Two wrong signs would otherwise cancel into a plausible speed.
    QTest::newRow("negative Cb and clearance") << D << makeCase("10", "32", "-0.5", "10", "", "0.5", 16);
    QTest::newRow("clearance above the spare depth") << D << makeCase("10", "32", "0.8", "12", "", "5", 16);
    QTest::newRow("section beyond double range") << D << makeCase("10", "32", "0.8", "1e308", "", "0.5", 16);
    QTest::newRow("service speed infinite") << D << makeCase("10", "32", "0.8", "12", "", "0.5", inf);
}

void TestKavroComputation::noResult()
{
    QFETCH(WaterwayKind, kind);
    QFETCH(ActiveCase, activeCase);
    const KavroResult r = computeKavro(kind, activeCase, kEnglish);
    QVERIFY(!r.hasResult);
    for (const QString &text : {r.MaxShipSpeed, r.MaxKavro, r.MaxKavroOccur, r.MaxDraught})
        QCOMPARE(text, QStringLiteral(": N/A"));
    QCOMPARE(r.MaxDraughtPrompt, QStringLiteral("Remaining under-keel clearance"));
    for (double value : {r.T, r.As, r.FB, r.Ac, r.S2, r.K, r.Vmax, r.Vcrit})
        QVERIFY(std::isfinite(value));
}

QTEST_GUILESS_MAIN(TestKavroComputation)
#include "test_kavro_computation.moc"
