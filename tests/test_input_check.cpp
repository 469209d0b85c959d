// Tests of the input check: every message, the order of the steps and the bounds, on every page.
#include "input/input_check.h"

#include <QTest>

using namespace kavro;

namespace {

struct Plan
{
    WaterwayKind kind = WaterwayKind::DepthRestricted;
    bool database = false;
};

constexpr WaterwayKind Depth = WaterwayKind::DepthRestricted;
constexpr WaterwayKind Canal = WaterwayKind::Canal;
constexpr WaterwayKind Channel = WaterwayKind::Channel;
const Plan allPlans[] = {{Depth, false}, {Depth, true}, {Canal, false}, {Canal, true}, {Channel, false}, {Channel, true}};
const QStringList boxes[] = {{"TA", "TF", "B2", "CB", "SS", "K", "H"}, {"TA", "TF", "B2", "CB", "SS", "K", "W", "H"},
                             {"TA", "TF", "B2", "CB", "SS", "K", "W", "H", "HB"}};

// The messages as the user reads them; a box with the program's title is marked.
QString titled(const QString &text) { return QStringLiteral("[program] ") + text; }
const QString aftRange = QStringLiteral("The input of draught at aft perpendicular is out of valid range.");
const QString foreRange = QStringLiteral("The input of draught at fore perpendicular is out of valid range.");
const QString cbRange = QStringLiteral("The input of block coefficient is out of valid range.");
const QString breadthRange = QStringLiteral("The input of breadth is out of valid range.");
const QString speedRange = QStringLiteral("The input of service speed is out of valid range.");
const QString naturalRange = QStringLiteral("The input of natural depth is out of valid range.");
const QString staticRatio = QStringLiteral("The static under-keel clearance is below zero. Thus, ship kavro cannot be calculated.");
const QString noRatio = QStringLiteral("The static depth-to-draught ratio cannot be formed. Please enter a draught above zero.");
const QString ukcRange = QStringLiteral("The input of minimum under-keel clearance is out of valid range.");
const QString widthOrBreadth = titled(QStringLiteral("The input of canal width or ship breadth is illegal."));
const QString low = QStringLiteral("WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel clearance for which the kavro prediction method is primarily valid. Please note that this can increase the uncertainty of the calculated results and should be compensated for by an increase of the specified minimum under-keel clearance in order to stay on the safe side.");
const QString high = QStringLiteral("WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the maximum static under-keel clearance for which the kavro prediction method is primarily valid. Please note that this can increase the uncertainty of the calculated results.");

QString widthRange(const Plan &p)
{
    return titled(QStringLiteral("The input of %1 width is out of valid range.").arg(p.kind == Canal ? "canal" : "channel"));
}

// Step 9: the channel database page adds a blank.
QString naturalAboveDepth(const Plan &p) { return p.database ? naturalRange + QLatin1Char(' ') : naturalRange; }

QString record(const Plan &p, const char *text)
{
    // The channel database page drops the final period.
    const QString message = QString::fromLatin1(text);
    return p.kind == Channel ? message.chopped(1) : message;
}

QString quantity(WaterwayKind kind, const QString &box)
{
    const QString water = kind == Depth ? "water" : kind == Canal ? "canal" : "channel";
    const QHash<QString, QString> names = {
        {"TA", "draught at aft perpendicular"}, {"TF", "draught at fore perpendicular"}, {"B2", "breadth"},
        {"CB", "block coefficient"}, {"SS", "service speed"}, {"K", "minimum under-keel clearance"},
        {"HB", "natural depth"}, {"H", water + " depth"}, {"W", water + " width"}};
    return names.value(box);
}

QString notNumber(const Plan &p, const QString &box)
{
    const bool misspelt = p.kind == Canal && !p.database && box == "H";
    return QStringLiteral("The input of %1 is illegal. Please use only numbers and a decimal %2.")
        .arg(quantity(p.kind, box), misspelt ? "seperator" : "separator");
}

QString belowZero(const Plan &p, const QString &box)
{
    const bool joined = p.kind == Channel && p.database && box == "K";
    return QStringLiteral("The input of %1%2is illegal. Please do not use numbers below zero.")
        .arg(quantity(p.kind, box), joined ? "" : " ");
}

// Passes every step of every page: T = 10, ratio 1.25, static clearance 2.5.
const FieldTexts validCase{{"TA", "9.5"}, {"TF", "10"}, {"B2", "20"}, {"CB", "0.7"}, {"SS", "12"}, {"K", "0.5"},
                           {"H", "12.5"}, {"W", "200"}, {"HB", "5"}, {"Date", "2024-05-01"}, {"Place", "Kiel"},
                           {"Author", "Mate"}};

// No message, or warnings only, means the case is accepted.
void row(const QString &name, const Plan &p, const FieldTexts &changes, const QStringList &messages = {})
{
    const char *kinds[] = {"depth", "canal", "channel"};
    const QString tag = QStringLiteral("%1 %2: %3").arg(kinds[int(p.kind)], p.database ? "db" : "input", name);
    QTest::newRow(qPrintable(tag)) << p.kind << p.database << changes << messages;
}

} // namespace

class TestInputCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<bool>("database");
        QTest::addColumn<FieldTexts>("changes");
        QTest::addColumn<QStringList>("messages");
        const std::tuple<const char *, QStringList, QStringList, QString> ranges[] = {
            {"CB", {"0.49", "0.91"}, {"0.5", "0.9"}, cbRange},
            {"B2", {"8", "100"}, {"8.01", "99.99"}, breadthRange},
            {"SS", {"4.9", "30.1"}, {"5", "30"}, speedRange}};
        for (const Plan &p : allPlans) {
            const bool depth = p.kind == Depth;
            const bool noUkcStep = p.kind == Channel && p.database;
            // Each box's numeric and below-zero message; the boxes before it pass, the later ones are empty.
            const QStringList &names = boxes[int(p.kind)];
            for (qsizetype i = 0; i < names.size(); ++i) {
                FieldTexts later;
                for (const QString &box : names.mid(i))
                    later.insert(box, "");
                row(names[i] + " and later boxes empty", p, later, {notNumber(p, names[i])});
                row(names[i] + " below zero", p, {{names[i], "-1"}}, {belowZero(p, names[i])});
            }
            row("TA below zero before TF empty", p, {{"TA", "-1"}, {"TF", ""}}, {belowZero(p, "TA")});
            row("fields before ranges", p, {{"TA", "31"}, {"H", ""}}, {notNumber(p, "H")});
            row("zero clearance passes", p, {{"K", "0"}});

            // Each side of every bound.
            row("draughts 30", p, {{"TA", "30"}, {"TF", "30"}, {"H", "37.5"}});
            row("aft above 30", p, {{"TA", "30.01"}, {"H", "40"}}, {aftRange});
            row("both above 30, aft first", p, {{"TA", "31"}, {"TF", "31"}}, {aftRange});
            row("fore above 30", p, {{"TF", "30.5"}, {"H", "40"}}, {foreRange});
            row("governing draught is the fore one", p, {{"TA", "9.5"}, {"TF", "10"}, {"H", "10"}}, {staticRatio});
            row("governing draught is the aft one", p, {{"TA", "12"}, {"TF", "8.5"}, {"H", "12"}}, {staticRatio});
            for (const auto &[box, refused, passed, message] : ranges) {
                for (const QString &value : refused)
                    row(QStringLiteral("%1 %2").arg(box, value), p, {{box, value}}, {message});
                for (const QString &value : passed)
                    row(QStringLiteral("%1 %2").arg(box, value), p, {{box, value}});
            }
            row("ratio 1.0", p, {{"H", "10"}}, {staticRatio});
            row("ratio 1.1", p, {{"H", "11"}}, {low});
            row("ratio 1.25", p, {{"H", "12.5"}});
            row("ratio 1.4", p, {{"H", "14"}}, {high});
            row("H - T equal to K", p, {{"K", "2.5"}});
            row("K above H - T", p, {{"K", "2.51"}}, noUkcStep ? QStringList{} : QStringList{ukcRange});
            row("both draughts 0", p, {{"TA", "0"}, {"TF", "0"}}, {noRatio});
            row("huge depth over tiny draught", p, {{"TA", "1e-10"}, {"TF", "1e-10"}, {"H", "1e300"}}, {noRatio});
            row("draughts and depth 0", p, {{"TA", "0"}, {"TF", "0"}, {"H", "0"}},
                {noUkcStep ? naturalAboveDepth(p) : noRatio});

            // A case failing two steps shows the first of them in the page's order.
            row("2b before 4 and 8", p, {{"TF", "30.5"}, {"CB", "0.95"}}, {foreRange});
            row("4 before 5", p, {{"CB", "0.95"}, {"B2", "8"}}, {cbRange});
            row("5 before 6", p, {{"B2", "8"}, {"SS", "4"}}, {breadthRange});
            row("8 against 6", p, {{"H", "10"}, {"SS", "4"}}, {depth ? staticRatio : speedRange});
            row("8 before 10", p, {{"H", "10"}, {"K", "5"}}, {staticRatio});
            row("10 against 4", p, {{"K", "5"}, {"CB", "0.95"}}, {depth ? ukcRange : cbRange});
            row("ratio 1.05, CB 0.95", p, {{"H", "10.5"}, {"CB", "0.95"}},
                depth ? QStringList{low, cbRange} : QStringList{cbRange});
            row("ratio 1.45, B2 8", p, {{"H", "14.5"}, {"B2", "8"}},
                depth ? QStringList{high, breadthRange} : QStringList{breadthRange});
            row("10 before 13", p, {{"H", "11"}, {"K", "2"}}, {noUkcStep ? low : ukcRange});

            // The record boxes: only the database pages look at them, before any value box.
            const QString noDate = record(p, "A value is required in the Date field.");
            const FieldTexts noRecord{{"Date", ""}, {"Place", ""}, {"Author", ""}, {"TA", ""}};
            row("no current record", p, noRecord, {p.database ? noDate : notNumber(p, "TA")});
            if (p.database) {
                row("no date", p, {{"Date", "Kiel"}}, {noDate});
                row("no place, no author", p, {{"Place", ""}, {"Author", ""}},
                    {record(p, "A text is required in the Area field.")});
                row("blank place, no author", p, {{"Place", " "}, {"Author", ""}, {"TA", ""}},
                    {record(p, "A text is required in the Author field.")});
            }
            if (depth)
                continue;

            row("B2 10 W 9.9", p, {{"B2", "10"}, {"W", "9.9"}}, {widthOrBreadth});
            row("B2 9 W 9", p, {{"B2", "9"}, {"W", "9"}}, {widthRange(p)});
            row("B2 10 W 15", p, {{"B2", "10"}, {"W", "15"}}, {widthRange(p)});
            row("B2 10 W 16", p, {{"B2", "10"}, {"W", "16"}});
            // The database pages compare whole metres of the width.
            for (const char *width : {"15.01", "15.5", "15.99"})
                row(QStringLiteral("B2 10 W %1").arg(width), p, {{"B2", "10"}, {"W", width}},
                    p.database ? QStringList{widthRange(p)} : QStringList{});
            row("8 before 11", p, {{"H", "10"}, {"B2", "10"}, {"W", "9.9"}}, {staticRatio});
            row("10 against 11", p, {{"K", "5"}, {"B2", "10"}, {"W", "9.9"}}, {p.database ? widthOrBreadth : ukcRange});
            row("10 against 12", p, {{"H", "11"}, {"K", "2"}, {"W", "25"}}, {p.database ? widthRange(p) : ukcRange});
            row("12 before 13", p, {{"H", "10.5"}, {"W", "30"}}, {widthRange(p)});
            if (p.kind == Canal)
                continue;

            row("HB 0", p, {{"HB", "0"}}, {naturalRange});
            row("HB equal to H", p, {{"HB", "12.5"}});
            row("HB above H", p, {{"HB", "12.6"}}, {naturalAboveDepth(p)});
            row("6 before 7", p, {{"SS", "4"}, {"HB", "0"}}, {speedRange});
            row("7 before 8", p, {{"HB", "0"}, {"H", "10"}}, {naturalRange});
            row("8 against 9", p, {{"TA", "12"}, {"H", "12"}, {"HB", "13"}},
                {p.database ? naturalAboveDepth(p) : staticRatio});
            row("9 before 10", p, {{"HB", "12.6"}, {"K", "5"}}, {naturalAboveDepth(p)});
            row("9 before 11", p, {{"HB", "12.6"}, {"B2", "10"}, {"W", "9.9"}}, {naturalAboveDepth(p)});
        }
    }
    void check()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(bool, database);
        QFETCH(FieldTexts, changes);
        QFETCH(QStringList, messages);
        FieldTexts fields = validCase;
        fields.insert(changes);
        const RegionalNumbers numbers(QLocale(QLocale::English, QLocale::UnitedStates));
        const CheckOutcome outcome = runCheck(database ? databasePagePlan(kind) : inputPagePlan(kind), fields, numbers);
        QStringList shown;
        for (const CheckMessage &m : outcome.messages) {
            shown << (m.title == MessageTitle::Program ? titled(m.text) : m.text);
            QCOMPARE(m.warning, m.text.startsWith("WARNING"));
        }
        QCOMPARE(shown, messages);
        // A refusal ends the check; warnings let it go on to the store.
        QCOMPARE(outcome.accepted, messages.isEmpty() || messages.last().startsWith("WARNING"));
    }
};

QTEST_GUILESS_MAIN(TestInputCheck)
#include "test_input_check.moc"
