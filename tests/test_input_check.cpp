// The input check of every input page and database page: each message, the order of the checks and the bounds.
#include "input/input_check.h"

#include <QTest>

using namespace kavro;

namespace {

constexpr WaterwayKind Depth = WaterwayKind::DepthRestricted;
constexpr WaterwayKind Canal = WaterwayKind::Canal;
constexpr WaterwayKind Channel = WaterwayKind::Channel;

// A box with the program's own title is marked; the others have a blank title.
QString titled(const QString &text) { return "[program] " + text; }
QString range(const QString &quantity) { return "The input of " + quantity + " is out of valid range."; }
const QString aftRange = range("draught at aft perpendicular"), foreRange = range("draught at fore perpendicular");
const QString cbRange = range("block coefficient"), breadthRange = range("breadth"), speedRange = range("service speed");
const QString naturalRange = range("natural depth"), ukcRange = range("minimum under-keel clearance");
const QString staticRatio = "The static under-keel clearance is below zero. Thus, ship kavro cannot be calculated.";
const QString noRatio = "The static depth-to-draught ratio cannot be formed.";
const QString noDraught = noRatio + " Please enter a draught above zero.";
const QString widthOrBreadth = titled("The input of canal width or ship breadth is illegal.");
const QString low = "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel clearance for which the kavro prediction method is primarily valid. Please note that this can increase the uncertainty of the calculated results and should be compensated for by an increase of the specified minimum under-keel clearance in order to stay on the safe side.";
const QString high = "WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the maximum static under-keel clearance for which the kavro prediction method is primarily valid. Please note that this can increase the uncertainty of the calculated results.";

// Passes every check of every page: T = 10, ratio 1.25, static clearance 2.5.
const FieldTexts validCase{{"TA", "9.5"}, {"TF", "10"}, {"B2", "20"}, {"CB", "0.7"}, {"SS", "12"}, {"K", "0.5"},
                           {"H", "12.5"}, {"W", "200"}, {"HB", "5"}, {"Date", "2024-05-01"}, {"Place", "Kiel"},
                           {"Author", "Mate"}};

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
        for (const WaterwayKind kind : {Depth, Canal, Channel}) {
            for (const bool db : {false, true}) {
                const char *names[] = {"depth", "canal", "channel"};
                // No message, or warnings only, means the case is accepted.
                const auto row = [&](const QString &name, const FieldTexts &changes, const QStringList &messages = {}) {
                    const QString tag = QStringLiteral("%1 %2: %3").arg(names[int(kind)], db ? "db" : "input", name);
                    QTest::newRow(qPrintable(tag)) << kind << db << changes << messages;
                };
                const QString water = kind == Depth ? "water" : names[int(kind)];
                const QHash<QString, QString> quantity{
                    {"TA", "draught at aft perpendicular"}, {"TF", "draught at fore perpendicular"}, {"B2", "breadth"},
                    {"CB", "block coefficient"}, {"SS", "service speed"}, {"K", "minimum under-keel clearance"},
                    {"HB", "natural depth"}, {"H", water + " depth"}, {"W", water + " width"}};
                // Only the canal input page misspells its depth's message; the channel database page
                // joins two words of its clearance message.
                const auto notNumber = [&](const QString &box) {
                    return QString("The input of %1 is illegal. Please use only numbers and a decimal %2.")
                        .arg(quantity[box], kind == Canal && !db && box == "H" ? "seperator" : "separator");
                };
                const auto belowZero = [&](const QString &box) {
                    return QString("The input of %1%2is illegal. Please do not use numbers below zero.")
                        .arg(quantity[box], kind == Channel && db && box == "K" ? "" : " ");
                };
                const QString widthRange = titled(range(water + " width"));
                const QString naturalAboveDepth = kind == Channel && db ? naturalRange + ' ' : naturalRange;
                const bool depth = kind == Depth, noUkcCheck = kind == Channel && db;

                // Each box in field order: numeric test, then below-zero test, before the next box.
                const QStringList boxes = QStringList{"TA", "TF", "B2", "CB", "SS", "K"}
                                          + (depth ? QStringList{"H"} : kind == Canal ? QStringList{"W", "H"}
                                                                                       : QStringList{"W", "H", "HB"});
                for (qsizetype i = 0; i < boxes.size(); ++i) {
                    FieldTexts later;
                    for (const QString &box : boxes.mid(i))
                        later.insert(box, "");
                    row(boxes[i] + " and later boxes empty", later, {notNumber(boxes[i])});
                    row(boxes[i] + " below zero", {{boxes[i], "-1"}}, {belowZero(boxes[i])});
                }
                row("TA below zero before TF empty", {{"TA", "-1"}, {"TF", ""}}, {belowZero("TA")});
                row("field tests before ranges", {{"TA", "31"}, {"H", ""}}, {notNumber("H")});

                // Each side of every bound, once: the values on their bounds pass, at the low ends and at
                // the high ends.
                row("low bounds pass", {{"CB", "0.5"}, {"B2", "8.01"}, {"SS", "5"}, {"K", "0"}});
                row("high bounds pass", {{"TA", "30"}, {"TF", "30"}, {"CB", "0.9"}, {"B2", "99.99"}, {"SS", "30"},
                                         {"H", "37.5"}, {"K", "7.5"}, {"HB", "37.5"}});
                row("both draughts above 30, aft first", {{"TA", "30.01"}, {"TF", "30.01"}, {"H", "40"}}, {aftRange});
                row("fore draught above 30", {{"TF", "30.01"}, {"H", "40"}}, {foreRange});
                row("governing draught is the aft one", {{"TA", "12"}, {"TF", "8.5"}, {"H", "12"}}, {staticRatio});
                const std::pair<QString, QString> outside[] = {{"CB 0.49", cbRange},     {"CB 0.91", cbRange},
                                                               {"B2 8", breadthRange},    {"B2 100", breadthRange},
                                                               {"SS 4.9", speedRange},    {"SS 30.1", speedRange}};
                for (const auto &[boxValue, message] : outside)
                    row(boxValue, {{boxValue.section(' ', 0, 0), boxValue.section(' ', 1)}}, {message});
                // The governing draught is the fore one, 10.
                row("ratio 1.0", {{"H", "10"}}, {staticRatio});
                row("ratio 1.1", {{"H", "11"}}, {low});
                row("ratio 1.4", {{"H", "14"}}, {high});
                row("K above static clearance", {{"K", "2.51"}}, noUkcCheck ? QStringList{} : QStringList{ukcRange});
                row("both draughts 0", {{"TA", "0"}, {"TF", "0"}}, {noDraught});
                // The ratio overflows over a draught above zero: nothing to ask of the draught.
                row("huge depth over tiny draught", {{"TA", "0.001"}, {"TF", "0.001"}, {"H", "1e308"}}, {noRatio});

                // A case failing two checks shows the first of them in the page's order.
                row("fore draught before block coefficient", {{"TF", "30.5"}, {"CB", "0.95"}}, {foreRange});
                row("block coefficient before breadth", {{"CB", "0.95"}, {"B2", "8"}}, {cbRange});
                row("breadth before service speed", {{"B2", "8"}, {"SS", "4"}}, {breadthRange});
                row("static clearance against service speed", {{"H", "10"}, {"SS", "4"}},
                    {depth ? staticRatio : speedRange});
                row("static clearance before clearance range", {{"H", "10"}, {"K", "5"}}, {staticRatio});
                row("clearance range against block coefficient", {{"K", "5"}, {"CB", "0.95"}},
                    {depth ? ukcRange : cbRange});
                row("low warning against block coefficient", {{"H", "10.5"}, {"CB", "0.95"}},
                    depth ? QStringList{low, cbRange} : QStringList{cbRange});
                row("high warning against breadth", {{"H", "14.5"}, {"B2", "8"}},
                    depth ? QStringList{high, breadthRange} : QStringList{breadthRange});
                row("clearance range before low warning", {{"H", "11"}, {"K", "2"}}, {noUkcCheck ? low : ukcRange});

                // Only the database pages look at the record boxes, before any value box.
                const QString period = kind == Channel ? "" : ".";
                const QString noDate = "A value is required in the Date field" + period;
                row("no current record", {{"Date", ""}, {"Place", ""}, {"Author", ""}, {"TA", ""}},
                    {db ? noDate : notNumber("TA")});
                if (db) {
                    row("no date", {{"Date", "Kiel"}}, {noDate});
                    row("no place, no author", {{"Place", ""}, {"Author", ""}},
                        {"A text is required in the Area field" + period});
                    row("blank place, no author", {{"Place", " "}, {"Author", ""}, {"TA", ""}},
                        {"A text is required in the Author field" + period});
                }
                if (depth)
                    continue;

                row("B2 10 W 9.9", {{"B2", "10"}, {"W", "9.9"}}, {widthOrBreadth});
                row("B2 9 W 9", {{"B2", "9"}, {"W", "9"}}, {widthRange});
                row("B2 10 W 15", {{"B2", "10"}, {"W", "15"}}, {widthRange});
                row("B2 10 W 16", {{"B2", "10"}, {"W", "16"}});
                // The database pages cut the width to whole metres.
                for (const char *width : {"15.01", "15.99"})
                    row(QString("B2 10 W ") + width, {{"B2", "10"}, {"W", width}},
                        db ? QStringList{widthRange} : QStringList{});
                row("static clearance before width for breadth", {{"H", "10"}, {"B2", "10"}, {"W", "9.9"}},
                    {staticRatio});
                row("clearance range against width for breadth", {{"K", "5"}, {"B2", "10"}, {"W", "9.9"}},
                    {db ? widthOrBreadth : ukcRange});
                row("clearance range against width range", {{"H", "11"}, {"K", "2"}, {"W", "25"}},
                    {db ? widthRange : ukcRange});
                row("width range before low warning", {{"H", "10.5"}, {"W", "30"}}, {widthRange});
                if (kind == Canal)
                    continue;

                row("HB 0", {{"HB", "0"}}, {naturalRange});
                row("HB above H", {{"HB", "12.6"}}, {naturalAboveDepth});
                row("service speed before natural depth", {{"SS", "4"}, {"HB", "0"}}, {speedRange});
                row("natural depth above zero before static clearance", {{"HB", "0"}, {"H", "10"}}, {naturalRange});
                row("static clearance against natural depth within depth", {{"TA", "12"}, {"H", "12"}, {"HB", "13"}},
                    {db ? naturalAboveDepth : staticRatio});
                row("natural depth within depth before clearance range", {{"HB", "12.6"}, {"K", "5"}},
                    {naturalAboveDepth});
                row("natural depth within depth before width for breadth", {{"HB", "12.6"}, {"B2", "10"}, {"W", "9.9"}},
                    {naturalAboveDepth});
            }
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
