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

QString quantity(WaterwayKind kind, const QString &field)
{
    static const QHash<QString, QString> ship = {
        {"TA", "draught at aft perpendicular"}, {"TF", "draught at fore perpendicular"}, {"B2", "breadth"},
        {"CB", "block coefficient"}, {"SS", "service speed"}, {"K", "minimum under-keel clearance"},
        {"HB", "natural depth"}};
    const QString water = kind == Depth ? "water" : kind == Canal ? "canal" : "channel";
    if (field == "H")
        return water + " depth";
    if (field == "W")
        return water + " width";
    return ship.value(field);
}

QString notNumber(const Plan &p, const QString &field)
{
    const bool misspelt = p.kind == Canal && !p.database && field == "H";
    return QStringLiteral("The input of %1 is illegal. Please use only numbers and a decimal %2.")
        .arg(quantity(p.kind, field), misspelt ? "seperator" : "separator");
}

QString belowZero(const Plan &p, const QString &field)
{
    QString what = quantity(p.kind, field);
    if (p.kind == Channel && p.database && field == "K")
        what += "is";
    else
        what += " is";
    return QStringLiteral("The input of %1 illegal. Please do not use numbers below zero.").arg(what);
}

QStringList boxes(WaterwayKind kind)
{
    QStringList names{"TA", "TF", "B2", "CB", "SS", "K"};
    if (kind != Depth)
        names << "W";
    names << "H";
    if (kind == Channel)
        names << "HB";
    return names;
}

// Passes every step of every page: T = 10, ratio 1.25, static clearance 2.5.
FieldTexts validCase(bool decimalComma)
{
    FieldTexts f{{"TA", "9.5"}, {"TF", "10"}, {"B2", "20"}, {"CB", "0.7"}, {"SS", "12"}, {"K", "0.5"},
                 {"H", "12.5"}, {"W", "40"}, {"HB", "5"}, {"Date", "2024-05-01"}, {"Place", "Kiel"},
                 {"Author", "Mate"}};
    if (decimalComma) {
        for (const char *key : {"TA", "CB", "K", "H"})
            f[key].replace('.', ',');
        f["Date"] = "01.05.2024";
    }
    return f;
}

QStringList shown(const CheckOutcome &outcome)
{
    QStringList texts;
    for (const CheckMessage &m : outcome.messages)
        texts << (m.title == MessageTitle::Program ? titled(m.text) : m.text);
    return texts;
}

void row(const QString &name, const Plan &p, const FieldTexts &changes, const QStringList &messages, bool accepted,
         bool decimalComma = false)
{
    const char *kinds[] = {"depth", "canal", "channel"};
    const QString tag = QStringLiteral("%1 %2: %3").arg(kinds[int(p.kind)], p.database ? "db" : "input", name);
    QTest::newRow(qPrintable(tag)) << p.kind << p.database << changes << messages << accepted << decimalComma;
}
void accept(const QString &name, const Plan &p, const FieldTexts &changes, const QStringList &warnings = {})
{
    row(name, p, changes, warnings, true);
}
void refuse(const QString &name, const Plan &p, const FieldTexts &changes, const QStringList &messages)
{
    row(name, p, changes, messages, false);
}

} // namespace

class TestInputCheck : public QObject
{
    Q_OBJECT

private:
    void columns()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<bool>("database");
        QTest::addColumn<FieldTexts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("decimalComma");
    }

    void verify()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(bool, database);
        QFETCH(FieldTexts, changes);
        QFETCH(QStringList, messages);
        QFETCH(bool, accepted);
        QFETCH(bool, decimalComma);
        const RegionalNumbers numbers(decimalComma ? QLocale(QLocale::German, QLocale::Germany)
                                                   : QLocale(QLocale::English, QLocale::UnitedStates));
        FieldTexts fields = validCase(decimalComma);
        fields.insert(changes);
        const CheckOutcome outcome = runCheck(database ? databasePagePlan(kind) : inputPagePlan(kind), fields, numbers);
        QCOMPARE(shown(outcome), messages);
        QCOMPARE(outcome.accepted, accepted);
        for (qsizetype i = 0; i < outcome.messages.size(); ++i)
            QCOMPARE(outcome.messages[i].warning, outcome.messages[i].text.startsWith("WARNING"));
    }

private slots:
    void fieldOrder_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("depth") << Depth << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "H"};
        QTest::newRow("canal") << Canal << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H"};
        QTest::newRow("channel") << Channel << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H", "HB"};
    }
    void fieldOrder()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QStringList, order);
        QCOMPARE(kavro::fieldOrder(kind), order);
    }

    // Each box's numeric and below-zero message on every page; the boxes before it pass.
    void fieldTests_data()
    {
        columns();
        for (const Plan &p : allPlans) {
            for (const QString &box : boxes(p.kind)) {
                refuse(box + " empty", p, {{box, ""}}, {notNumber(p, box)});
                refuse(box + " below zero", p, {{box, "-1"}}, {belowZero(p, box)});
            }
            refuse("blank is no number", p, {{"TA", " "}}, {notNumber(p, "TA")});
            refuse("letters are no number", p, {{"SS", "12kn"}}, {notNumber(p, "SS")});
            refuse("TA below zero before TF empty", p, {{"TA", "-1"}, {"TF", ""}}, {belowZero(p, "TA")});
            refuse("fields before ranges", p, {{"TA", "31"}, {"H", ""}}, {notNumber(p, "H")});
            accept("zero clearance passes", p, {{"K", "0"}});
        }
    }
    void fieldTests() { verify(); }

    void bounds_data()
    {
        columns();
        for (const Plan &p : allPlans) {
            accept("draughts 30", p, {{"TA", "30"}, {"TF", "30"}, {"H", "37.5"}});
            refuse("aft above 30", p, {{"TA", "30.01"}, {"H", "40"}}, {aftRange});
            refuse("both above 30, aft first", p, {{"TA", "31"}, {"TF", "31"}}, {aftRange});
            refuse("fore above 30", p, {{"TF", "30.5"}, {"H", "40"}}, {foreRange});
            refuse("governing draught is the fore one", p, {{"TA", "9.5"}, {"TF", "10"}, {"H", "10"}}, {staticRatio});
            refuse("governing draught is the aft one", p, {{"TA", "12"}, {"TF", "8.5"}, {"H", "12"}}, {staticRatio});
            accept("CB 0.5", p, {{"CB", "0.5"}});
            accept("CB 0.9", p, {{"CB", "0.9"}});
            refuse("CB 0.49", p, {{"CB", "0.49"}}, {cbRange});
            refuse("CB 0.91", p, {{"CB", "0.91"}}, {cbRange});
            refuse("B2 8", p, {{"B2", "8"}}, {breadthRange});
            refuse("B2 100", p, {{"B2", "100"}, {"W", "200"}}, {breadthRange});
            accept("B2 8.01", p, {{"B2", "8.01"}});
            accept("B2 99.99", p, {{"B2", "99.99"}, {"W", "200"}});
            accept("SS 5", p, {{"SS", "5"}});
            accept("SS 30", p, {{"SS", "30"}});
            refuse("SS 4.9", p, {{"SS", "4.9"}}, {speedRange});
            refuse("SS 30.1", p, {{"SS", "30.1"}}, {speedRange});
            refuse("ratio 1.0", p, {{"H", "10"}}, {staticRatio});
            accept("ratio 1.1", p, {{"H", "11"}}, {low});
            accept("ratio 1.25", p, {{"H", "12.5"}});
            accept("ratio 1.4", p, {{"H", "14"}}, {high});
            accept("H - T equal to K", p, {{"K", "2.5"}});
            if (p.kind == Channel && p.database)
                accept("K above H - T: no such step", p, {{"K", "2.51"}});
            else
                refuse("K above H - T", p, {{"K", "2.51"}}, {ukcRange});
            refuse("both draughts 0", p, {{"TA", "0"}, {"TF", "0"}}, {noRatio});
            refuse("huge depth over tiny draught", p, {{"TA", "1e-10"}, {"TF", "1e-10"}, {"H", "1e300"}}, {noRatio});
            if (p.kind == Channel && p.database)
                refuse("draughts and depth 0", p, {{"TA", "0"}, {"TF", "0"}, {"H", "0"}}, {naturalAboveDepth(p)});
            else
                refuse("draughts and depth 0", p, {{"TA", "0"}, {"TF", "0"}, {"H", "0"}}, {noRatio});
            if (p.kind == Depth)
                continue;
            refuse("B2 10 W 9.9", p, {{"B2", "10"}, {"W", "9.9"}}, {widthOrBreadth});
            refuse("B2 9 W 9", p, {{"B2", "9"}, {"W", "9"}}, {widthRange(p)});
            refuse("B2 10 W 15", p, {{"B2", "10"}, {"W", "15"}}, {widthRange(p)});
            accept("B2 10 W 16", p, {{"B2", "10"}, {"W", "16"}});
            for (const char *width : {"15.01", "15.5", "15.99"}) {
                if (p.database)
                    refuse(QStringLiteral("B2 10 W %1 in whole metres").arg(width), p, {{"B2", "10"}, {"W", width}},
                           {widthRange(p)});
                else
                    accept(QStringLiteral("B2 10 W %1").arg(width), p, {{"B2", "10"}, {"W", width}});
            }
            if (p.kind == Canal)
                continue;
            refuse("HB 0", p, {{"HB", "0"}}, {naturalRange});
            accept("HB equal to H", p, {{"HB", "12.5"}});
            refuse("HB above H", p, {{"HB", "12.6"}}, {naturalAboveDepth(p)});
        }
    }
    void bounds() { verify(); }

    // A case failing two steps shows the first of them in the page's order.
    void order_data()
    {
        columns();
        for (const Plan &p : allPlans) {
            const bool depth = p.kind == Depth;
            const bool noUkcStep = p.kind == Channel && p.database;
            refuse("2b before 4 and 8", p, {{"TF", "30.5"}, {"CB", "0.95"}}, {foreRange});
            refuse("4 before 5", p, {{"CB", "0.95"}, {"B2", "8"}}, {cbRange});
            refuse("5 before 6", p, {{"B2", "8"}, {"SS", "4"}}, {breadthRange});
            refuse("8 against 6", p, {{"H", "10"}, {"SS", "4"}}, {depth ? staticRatio : speedRange});
            refuse("8 before 10", p, {{"H", "10"}, {"K", "5"}}, {staticRatio});
            refuse("10 against 4", p, {{"K", "5"}, {"CB", "0.95"}}, {depth ? ukcRange : cbRange});
            refuse("ratio 1.05, CB 0.95", p, {{"H", "10.5"}, {"CB", "0.95"}},
                   depth ? QStringList{low, cbRange} : QStringList{cbRange});
            refuse("ratio 1.45, B2 8", p, {{"H", "14.5"}, {"B2", "8"}},
                   depth ? QStringList{high, breadthRange} : QStringList{breadthRange});
            if (noUkcStep)
                accept("10 before 13: no such step", p, {{"H", "11"}, {"K", "2"}}, {low});
            else
                refuse("10 before 13", p, {{"H", "11"}, {"K", "2"}}, {ukcRange});
            if (depth)
                continue;
            refuse("8 before 11", p, {{"H", "10"}, {"B2", "10"}, {"W", "9.9"}}, {staticRatio});
            refuse("10 against 11", p, {{"K", "5"}, {"B2", "10"}, {"W", "9.9"}},
                   {p.database ? widthOrBreadth : ukcRange});
            refuse("10 against 12", p, {{"H", "11"}, {"K", "2"}, {"W", "25"}}, {p.database ? widthRange(p) : ukcRange});
            refuse("12 before 13", p, {{"H", "10.5"}, {"W", "30"}}, {widthRange(p)});
            if (p.kind == Canal)
                continue;
            refuse("6 before 7", p, {{"SS", "4"}, {"HB", "0"}}, {speedRange});
            refuse("7 before 8", p, {{"HB", "0"}, {"H", "10"}}, {naturalRange});
            refuse("8 against 9", p, {{"TA", "12"}, {"H", "12"}, {"HB", "13"}},
                   {p.database ? naturalAboveDepth(p) : staticRatio});
            refuse("9 before 10", p, {{"HB", "12.6"}, {"K", "5"}}, {naturalAboveDepth(p)});
            refuse("9 before 11", p, {{"HB", "12.6"}, {"B2", "10"}, {"W", "9.9"}}, {naturalAboveDepth(p)});
        }
    }
    void order() { verify(); }

    void records_data()
    {
        columns();
        FieldTexts noValues;
        for (const QString &box : boxes(Channel))
            noValues.insert(box, QString());
        for (const Plan &p : allPlans) {
            if (!p.database) {
                accept("record boxes are not looked at", p, {{"Date", ""}, {"Place", ""}, {"Author", ""}});
                continue;
            }
            FieldTexts empty = noValues;
            empty.insert({{"Date", ""}, {"Place", ""}, {"Author", ""}});
            refuse("no current record", p, empty, {record(p, "A value is required in the Date field.")});
            refuse("no date", p, {{"Date", "Kiel"}}, {record(p, "A value is required in the Date field.")});
            refuse("no place, no author", p, {{"Place", ""}, {"Author", ""}},
                   {record(p, "A text is required in the Area field.")});
            refuse("blank place, no author", p, {{"Place", " "}, {"Author", ""}, {"TA", ""}},
                   {record(p, "A text is required in the Author field.")});
            refuse("record set, values empty", p, noValues, {notNumber(p, "TA")});
        }
    }
    void records() { verify(); }

    void decimalComma_data()
    {
        columns();
        for (const Plan &p : allPlans) {
            row("valid", p, {}, {}, true, true);
            row("CB 0,49", p, {{"CB", "0,49"}}, {cbRange}, false, true);
            row("TA -1,5", p, {{"TA", "-1,5"}}, {belowZero(p, "TA")}, false, true);
            row("ratio 1,1", p, {{"H", "11,0"}}, {low}, true, true);
            row("point is no decimal separator", p, {{"CB", "0.7"}}, {notNumber(p, "CB")}, false, true);
            if (p.kind == Canal)
                row("B2 10 W 15,5", p, {{"B2", "10"}, {"W", "15,5"}},
                    p.database ? QStringList{widthRange(p)} : QStringList{}, !p.database, true);
        }
    }
    void decimalComma() { verify(); }
};

QTEST_GUILESS_MAIN(TestInputCheck)
#include "test_input_check.moc"
