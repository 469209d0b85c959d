// An input page's OK as the user meets it: the message boxes a refusal shows, a warning before
// a refusal, the store into the active case and the switch to the results page.
#include "input/condition_page.h"
#include "support/navigation_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)

namespace {

using Texts = QHash<QString, QString>;

// Passes every step on every kind: T = 10, ratio 1.25, clearance 2.5, width 40 over breadth 20.
const Texts validCase{{"TA", "10"}, {"TF", "9.5"}, {"B2", "20"}, {"CB", "0.7"}, {"SS", "10"},
                      {"K", "0.5"},  {"W", "40"},   {"H", "12.5"}, {"HB", "11"}};

// Types the case into the fresh page's empty boxes, each box's own text unless the changes name it.
void type(ConditionPage &page, const Texts &changes)
{
    for (const QString &name : page.fieldNames())
        QTest::keyClicks(page.field(name), changes.value(name, validCase.value(name)));
}

// A message as shown: its title, then its text.
QString blank(const QString &text) { return " |" + text; }
QString program(const QString &text) { return "Kavro|" + text; }

const QString cbRange = blank("The input of block coefficient is out of valid range.");
const QString lowWarning = blank(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");

} // namespace

// Every message and bound of the check itself is covered by test_input_check; here only what the
// page adds: the boxes it shows them in, and that a refusal changes nothing.
class InputPageOkTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    void refusal_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("depth: an empty box")
            << WaterwayKind::DepthRestricted << Texts{{"TA", ""}}
            << QStringList{blank("The input of draught at aft perpendicular is illegal. Please use only numbers and "
                                 "a decimal separator.")};
        QTest::newRow("canal: width or breadth, the program's title")
            << WaterwayKind::Canal << Texts{{"B2", "10"}, {"W", "9.9"}}
            << QStringList{program("The input of canal width or ship breadth is illegal.")};
        QTest::newRow("depth: a warning, then a refusal")
            << WaterwayKind::DepthRestricted << Texts{{"H", "10.5"}, {"CB", "0.95"}}
            << QStringList{lowWarning, cbRange};
    }
    // Nothing stored, nothing shown or hidden, no box changed.
    void refusal()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        ConditionPage &page = fixture->openPage(kind);
        type(page, changes);
        QTest::mouseClick(page.Command3, Qt::LeftButton);

        QStringList shown;
        for (const RecordedMessage &m : fixture->platform.messages) {
            QCOMPARE(m.icon, MessageIcon::Stop);
            shown << m.title + "|" + m.text;
        }
        QCOMPARE(shown, messages);
        QCOMPARE(fixture->results(kind), nullptr);
        QCOMPARE(fixture->forms->activeCase().DraughtAft, QString());
        QCOMPARE(fixture->forms->activeCase().ServiceSpeed, 0.0);
        QCOMPARE(fixture->visibleNames(), QStringList{page.objectName()});
        QCOMPARE(fixture->runtime.activeForm(), &page);
        for (const QString &name : page.fieldNames())
            QCOMPARE(page.fieldText(name), changes.value(name, validCase.value(name)));
    }

    void store_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<QStringList>("kept");   // boxes the kind lacks: their fields keep the old case
        QTest::addColumn<double>("speed");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const Texts typed{{"TA", "10.00"}, {"TF", "9.5"}, {"B2", "20.0"}, {"CB", ".70"}, {"SS", "10.5"},
                          {"K", "0.50"},   {"W", "40"},   {"H", "12.5"}, {"HB", "11.0"}};
        QTest::newRow("depth") << WaterwayKind::DepthRestricted << english << typed << QStringList{"W", "HB"} << 10.5;
        QTest::newRow("canal") << WaterwayKind::Canal << english << typed << QStringList{"HB"} << 10.5;
        QTest::newRow("channel") << WaterwayKind::Channel << english << typed << QStringList{} << 10.5;
        const Texts comma{{"TA", "10"}, {"TF", "9,5"}, {"B2", "20"},   {"CB", "0,7"}, {"SS", "12,25"},
                          {"K", "0,5"}, {"W", "40,0"}, {"H", "12,5"}, {"HB", "11"}};
        QTest::newRow("decimal comma") << WaterwayKind::Channel << QLocale(QLocale::German, QLocale::Germany) << comma
                                       << QStringList{} << 12.25;
    }
    // Texts are stored as typed, unconverted; only the speed is converted.
    void store()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        QFETCH(Texts, typed);
        QFETCH(QStringList, kept);
        QFETCH(double, speed);
        fixture = std::make_unique<NavigationFixture>(locale);
        ActiveCase &activeCase = fixture->forms->activeCase();
        activeCase = {"old TA", "old TF", "old B2", "old CB", "old K", "old H", "old W", "old HB", -1.0};
        ConditionPage &page = fixture->openPage(kind);
        type(page, typed);
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QVERIFY(fixture->platform.messages.isEmpty());
        const QStringList actual{activeCase.DraughtAft, activeCase.DraughtFore, activeCase.Breadth,
                                 activeCase.BlockCoefficient, activeCase.MinUkc, activeCase.WaterDepth,
                                 activeCase.WaterwayWidth, activeCase.NaturalDepth};
        QStringList expected;
        for (const QString &box : {"TA", "TF", "B2", "CB", "K", "H", "W", "HB"})
            expected << (kept.contains(box) ? "old " + box : typed.value(box));
        QCOMPARE(actual, expected);
        QCOMPARE(activeCase.ServiceSpeed, speed);
    }

    void switchToResults_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("depth stays beneath") << WaterwayKind::DepthRestricted << QStringList{"Condition1", "Results1"};
        QTest::newRow("canal stays beneath") << WaterwayKind::Canal << QStringList{"Condition2", "Results2"};
        QTest::newRow("channel makes way") << WaterwayKind::Channel << QStringList{"Results3"};
    }
    // A second OK activates the open results page again, so it recomputes; a refused one does not.
    void switchToResults()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QStringList, visible);
        ConditionPage &page = fixture->openPage(kind);
        type(page, {});
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QCOMPARE(fixture->visibleNames(), visible);
        ResultsStub *results = fixture->results(kind);
        QCOMPARE(fixture->runtime.activeForm(), results);
        QCOMPARE(results->activations, 1);

        page.Show();   // the channel page comes back by its results page's New Calculation
        page.H->setText("13");
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QCOMPARE(results->activations, 2);
        QCOMPARE(fixture->forms->activeCase().WaterDepth, QString("13"));

        page.Show();
        const QStringList before = fixture->visibleNames();
        page.H->setText("9");
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QCOMPARE(fixture->platform.messages.size(), 1);
        QCOMPARE(results->activations, 2);
        QCOMPARE(fixture->visibleNames(), before);
        QCOMPARE(fixture->runtime.activeForm(), &page);
        QCOMPARE(fixture->forms->activeCase().WaterDepth, QString("13"));
    }

private:
    std::unique_ptr<NavigationFixture> fixture;
};

QTEST_MAIN(InputPageOkTest)
#include "test_input_page_ok.moc"
