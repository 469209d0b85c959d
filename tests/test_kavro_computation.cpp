// Kavro computation: worked cases, width test, trim and block-coefficient bands, speed limits.
#include "compute/kavro_computation.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const double n = std::numeric_limits<double>::quiet_NaN(); // not checked in this row
constexpr auto D = WaterwayKind::DepthRestricted;
constexpr auto C = WaterwayKind::Canal;
constexpr auto H = WaterwayKind::Channel;

// Both draughts, breadth, Cb, depth, width, clearance and service speed.
ActiveCase makeCase(const QString &draught, const QString &breadth, const QString &cb, const QString &depth,
                    const QString &width, const QString &minUkc = "0.5", double serviceSpeed = 16)
{
    return ActiveCase{draught, draught, breadth, cb, minUkc, depth, width, QString(), serviceSpeed};
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
    void workedCases_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("activeCase");
        QTest::addColumn<QList<double>>("numbers"); // Ac, S2, K, Vmax, Vcrit
        QTest::addColumn<QStringList>("texts");     // MaxShipSpeed, MaxKavro, MaxDraught
        auto row = [](const char *tag, WaterwayKind kind, const QString &depth, const QString &width,
                      double ss) -> QTestData & {
            return QTest::newRow(tag) << kEnglish << kind << makeCase("10", "32", "0.8", depth, width, "0.5", ss);
        };
        row("depth-restricted", D, "12", "", 16)
            << QList<double>{3264, 0.108696, 0.0060736, 14.1355, 16.8724} << QStringList{": 14 kts.", ": 1.5 m", ": 0.5 m"};
        row("service speed below Vmax", D, "12", "", 14)
            << QList<double>{n, n, n, 14.1355, n} << QStringList{": N/A", ": 1.5 m", ": 0.5 m"};
        row("deep water: Vmax above Vcrit", D, "30", "", 100)
            << QList<double>{n, n, n, 66.40, 26.68} << QStringList{": N/A", ": 19.5 m", ": 0.5 m"};
        row("canal narrower than influence", C, "12", "200", 16)
            << QList<double>{2400, 0.153846, 0.0076564, 12.646, n} << QStringList{": 12 kts.", ": 1.5 m", ": 0.5 m"};
        row("no clearance to spare", D, "10.5", "", 0.1)
            << QList<double>{n, n, n, 0, n} << QStringList{": 0 kts.", ": 0.0 m", ": 0.5 m"};
        QTest::newRow("decimal comma") << kGerman << D << makeCase("9,5", "32", "0,8", "12", "", "0,5", 17)
            << QList<double>{3264, n, n, 16.53, n} << QStringList{": 16 kts.", ": 2,0 m", ": 0,5 m"};
        QTest::newRow("decimal comma width 270,5") << kGerman << C << makeCase("10", "32", "0,8", "12", "270,5", "0,5")
            << QList<double>{3246, n, n, n, n} << QStringList{": 14 kts.", ": 1,5 m", ": 0,5 m"};
    }
    void workedCases()
    {
        QFETCH(QLocale, locale);
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, activeCase);
        QFETCH(QList<double>, numbers);
        QFETCH(QStringList, texts);
        const RegionalNumbers regional(locale);
        const KavroResult r = computeKavro(kind, activeCase, regional);
        QVERIFY(r.hasResult);
        QCOMPARE(r.FB, 8.5);
        const QList<double> actual{r.Ac, r.S2, r.K, r.Vmax, r.Vcrit};
        for (qsizetype i = 0; i < actual.size(); ++i)
            QVERIFY2(close(actual[i], numbers[i]), qPrintable(QString::number(actual[i], 'g', 12)));
        // The kavro at the allowed speed uses up exactly what the clearance can spare.
        const double spare = regional.toDouble(activeCase.WaterDepth) - r.T - regional.toDouble(activeCase.MinUkc);
        QVERIFY(std::fabs(kavroAtSpeed(r.K, r.Vmax) - spare) < 1e-9);
        QCOMPARE((QStringList{r.MaxShipSpeed, r.MaxKavro, r.MaxDraught}), texts);
        QCOMPARE(r.MaxKavroOccur, QStringLiteral(": Bow"));
        QCOMPARE(r.MaxDraughtPrompt, QStringLiteral("Remaining under-keel clearance"));
    }

    // Whole metres of the width against the width of influence 8.5 x B; W x H uses the width as typed.
    void waterwaySection_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("breadth");
        QTest::addColumn<QString>("width");
        QTest::addColumn<double>("ac");
        QTest::newRow("depth-restricted ignores a width") << D << "32" << "200" << 3264.0;
        QTest::newRow("channel narrower than influence") << H << "32" << "200" << 2400.0;
        QTest::newRow("canal wider than influence") << C << "32" << "300" << 3264.0;
        QTest::newRow("width equal to influence") << C << "32" << "272" << 3264.0;
        QTest::newRow("271.5 rounds to even 272") << C << "32" << "271.5" << 3264.0;
        QTest::newRow("270.5 rounds to 270, fraction kept") << C << "32" << "270.5" << 3246.0;
        // Influence 270.725 lies between 270 and 271: only halves to even keep 270.5 below it.
        QTest::newRow("270.5 against influence 270.725") << C << "31.85" << "270.5" << 3246.0;
        QTest::newRow("32767.5 beyond 16 bits") << H << "32" << "32767.5" << 3264.0;
        // Beyond 16 bits the width must still be compared, not taken as wide enough.
        QTest::newRow("huge width, huger ship") << C << "10000" << "50000" << 600000.0;
    }
    void waterwaySection()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, breadth);
        QFETCH(QString, width);
        QFETCH(double, ac);
        const RegionalNumbers english(kEnglish);
        const KavroResult r = computeKavro(kind, makeCase("10", breadth, "0.8", "12", width), english);
        QVERIFY(r.hasResult);
        QVERIFY2(close(r.Ac, ac), qPrintable(QString::number(r.Ac, 'g', 12)));
    }

    // The governing draught is the larger one; the trim, then the Cb bands, place the largest kavro.
    void draughts_data()
    {
        QTest::addColumn<QString>("aft");
        QTest::addColumn<QString>("fore");
        QTest::addColumn<QString>("cb");
        QTest::addColumn<double>("governing");
        QTest::addColumn<QString>("occurs");
        QTest::newRow("9.50 takes part as 9.5") << "9.50" << "9.50" << "0.8" << 9.5 << ": Bow";
        QTest::newRow("10.00 against 9.9") << "10.00" << "9.9" << "0.6" << 10.0 << ": Stern";
        QTest::newRow("trim by the stern 1.0") << "11" << "10" << "0.8" << 11.0 << ": Stern";
        QTest::newRow("trim by the head 1.0") << "10" << "11" << "0.6" << 11.0 << ": Bow";
        QTest::newRow("trim 0.5 falls to Cb, full") << "10.5" << "10" << "0.8" << 10.5 << ": Bow";
        QTest::newRow("trim 0.99 falls to Cb") << "10.99" << "10" << "0.7" << 10.99 << ": Bow&Stern";
        QTest::newRow("even keel Cb 0.705") << "10" << "10" << "0.705" << 10.0 << ": Bow";
        QTest::newRow("even keel Cb 0.695") << "10" << "10" << "0.695" << 10.0 << ": Stern";
        QTest::newRow("even keel Cb 0.70") << "10" << "10" << "0.70" << 10.0 << ": Bow&Stern";
        QTest::newRow("even keel Cb 0.7049") << "10" << "10" << "0.7049" << 10.0 << ": Bow&Stern";
        QTest::newRow("even keel Cb 0.6951") << "10" << "10" << "0.6951" << 10.0 << ": Bow&Stern";
    }
    void draughts()
    {
        QFETCH(QString, aft);
        QFETCH(QString, fore);
        QFETCH(QString, cb);
        ActiveCase c = makeCase(aft, "32", cb, "13", "");
        c.DraughtFore = fore;
        const KavroResult r = computeKavro(D, c, RegionalNumbers(kEnglish));
        QTEST(r.T, "governing");
        QTEST(r.MaxKavroOccur, "occurs");
    }

    void speedLimit_data()
    {
        QTest::addColumn<double>("vmax");
        QTest::addColumn<double>("vcrit");
        QTest::addColumn<double>("serviceSpeed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Vmax above Vcrit") << 17.0 << 16.9 << 20.0 << ": N/A";
        QTest::newRow("Vmax equal to Vcrit") << 16.5 << 16.5 << 20.0 << ": 16 kts.";
        QTest::newRow("service speed equal to Vmax") << 14.5 << 16.8 << 14.5 << ": N/A";
        QTest::newRow("just under a whole knot") << std::nextafter(15.0, 0.0) << 16.8 << 16.0 << ": 14 kts.";
        QTest::newRow("whole knot") << 15.0 << 16.8 << 16.0 << ": 15 kts.";
    }
    void speedLimit()
    {
        QFETCH(double, vmax);
        QFETCH(double, vcrit);
        QFETCH(double, serviceSpeed);
        QTEST(maxShipSpeedText(vmax, vcrit, serviceSpeed), "expected");
    }

    void noResult_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("activeCase");
        QTest::newRow("canal width of an earlier, smaller ship") << C << makeCase("10", "32", "0.8", "12", "20");
        QTest::newRow("channel section equal to the ship's") << H << makeCase("10", "32", "0.8", "16", "20");
        QTest::newRow("empty active case") << D << ActiveCase{};
        QTest::newRow("zero block coefficient") << D << makeCase("10", "32", "0", "12", "");
        // Two wrong signs would otherwise cancel into a plausible speed.
        QTest::newRow("negative Cb and clearance") << D << makeCase("10", "32", "-0.5", "10", "");
        QTest::newRow("clearance above the spare depth") << D << makeCase("10", "32", "0.8", "12", "", "5");
        QTest::newRow("section beyond double range") << D << makeCase("10", "32", "0.8", "1e308", "");
        QTest::newRow("service speed infinite")
            << D << makeCase("10", "32", "0.8", "12", "", "0.5", std::numeric_limits<double>::infinity());
    }
    void noResult()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, activeCase);
        const KavroResult r = computeKavro(kind, activeCase, RegionalNumbers(kEnglish));
        QVERIFY(!r.hasResult);
        QCOMPARE((QStringList{r.MaxShipSpeed, r.MaxKavro, r.MaxKavroOccur, r.MaxDraught}), QStringList(4, ": N/A"));
        QCOMPARE(r.MaxDraughtPrompt, QStringLiteral("Remaining under-keel clearance"));
        for (double value : {r.T, r.As, r.FB, r.Ac, r.S2, r.K, r.Vmax, r.Vcrit})
            QVERIFY(std::isfinite(value));
    }
};

QTEST_GUILESS_MAIN(TestKavroComputation)
#include "test_kavro_computation.moc"
