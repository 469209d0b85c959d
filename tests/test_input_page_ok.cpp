// An input page's OK: every check's refusal and message, their order on each kind, the ratio
// warnings, the store into the active case and the switch to the results page.
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

const QList<std::pair<QString, WaterwayKind>> kinds{{"depth", WaterwayKind::DepthRestricted},
                                                    {"canal", WaterwayKind::Canal},
                                                    {"channel", WaterwayKind::Channel}};

// A message as shown: its title, then its text.
QString blank(const QString &text) { return " |" + text; }
QString program(const QString &text) { return "Kavro|" + text; }

QString numeric(const QString &what)
{
    return blank("The input of " + what + " is illegal. Please use only numbers and a decimal separator.");
}
QString belowZero(const QString &what)
{
    return blank("The input of " + what + " is illegal. Please do not use numbers below zero.");
}
QString outOfRange(const QString &what) { return blank("The input of " + what + " is out of valid range."); }

const QString staticBelowZero =
    blank("The static under-keel clearance is below zero. Thus, ship kavro cannot be calculated.");
const QString lowWarning = blank(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");
const QString highWarning = blank(
    "WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the maximum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results.");
const QString widthOrBreadth = program("The input of canal width or ship breadth is illegal.");

QHash<QString, QString> fieldWords(WaterwayKind kind)
{
    QHash<QString, QString> words{{"TA", "draught at aft perpendicular"}, {"TF", "draught at fore perpendicular"},
                                  {"B2", "breadth"}, {"CB", "block coefficient"}, {"SS", "service speed"},
                                  {"K", "minimum under-keel clearance"}};
    switch (kind) {
    case WaterwayKind::DepthRestricted: words.insert("H", "water depth"); break;
    case WaterwayKind::Canal: words.insert("W", "canal width"); words.insert("H", "canal depth"); break;
    case WaterwayKind::Channel:
        words.insert("W", "channel width");
        words.insert("H", "channel depth");
        words.insert("HB", "natural depth");
        break;
    }
    return words;
}

} // namespace

class InputPageOkTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    void check_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("accepted");

        for (const auto &[name, kind] : kinds) {
            const QByteArray k = name.toUtf8();
            QTest::newRow(k + " valid") << kind << Texts{} << QStringList{} << true;
            // Step 1 on every box: the numeric test (an empty box fails it), then below zero.
            const QHash<QString, QString> words = fieldWords(kind);
            for (auto it = words.cbegin(); it != words.cend(); ++it) {
                const QByteArray box = it.key().toUtf8();
                const QString numericMessage = kind == WaterwayKind::Canal && it.key() == "H"
                    ? blank("The input of canal depth is illegal. Please use only numbers and a decimal seperator.")
                    : numeric(it.value());
                QTest::newRow(k + " " + box + " empty") << kind << Texts{{it.key(), ""}} << QStringList{numericMessage}
                                                         << false;
                QTest::newRow(k + " " + box + " text") << kind << Texts{{it.key(), "1x"}}
                                                        << QStringList{numericMessage} << false;
                QTest::newRow(k + " " + box + " below zero")
                    << kind << Texts{{it.key(), "-1"}} << QStringList{belowZero(it.value())} << false;
            }
            QTest::newRow(k + " boxes in order, below zero before the next box")
                << kind << Texts{{"TA", "-1"}, {"TF", ""}} << QStringList{belowZero("draught at aft perpendicular")}
                << false;
            QTest::newRow(k + " 0 passes the field tests")
                << kind << Texts{{"K", "0"}} << QStringList{} << true;
            QTest::newRow(k + " aft draught above 30")
                << kind << Texts{{"TA", "30.5"}, {"TF", "31"}} << QStringList{outOfRange("draught at aft perpendicular")}
                << false;
            QTest::newRow(k + " fore draught above 30")
                << kind << Texts{{"TF", "30.01"}} << QStringList{outOfRange("draught at fore perpendicular")} << false;
            QTest::newRow(k + " draughts of 30 pass")
                << kind << Texts{{"TA", "30"}, {"TF", "30"}, {"H", "37.5"}} << QStringList{} << true;
            for (const QString &cb : {"0.49", "0.91"})
                QTest::newRow(qPrintable(name + " CB " + cb))
                    << kind << Texts{{"CB", cb}} << QStringList{outOfRange("block coefficient")} << false;
            for (const QString &cb : {"0.5", "0.9"})
                QTest::newRow(qPrintable(name + " CB " + cb + " passes")) << kind << Texts{{"CB", cb}} << QStringList{}
                                                                          << true;
            for (const QString &b : {"8", "100"})
                QTest::newRow(qPrintable(name + " B2 " + b))
                    << kind << Texts{{"B2", b}, {"W", "200"}} << QStringList{outOfRange("breadth")} << false;
            for (const QString &b : {"8.01", "99.99"})
                QTest::newRow(qPrintable(name + " B2 " + b + " passes"))
                    << kind << Texts{{"B2", b}, {"W", "200"}} << QStringList{} << true;
            for (const QString &ss : {"4.9", "30.1"})
                QTest::newRow(qPrintable(name + " SS " + ss))
                    << kind << Texts{{"SS", ss}} << QStringList{outOfRange("service speed")} << false;
            for (const QString &ss : {"5", "30"})
                QTest::newRow(qPrintable(name + " SS " + ss + " passes")) << kind << Texts{{"SS", ss}} << QStringList{}
                                                                          << true;
            // The governing draught is the larger one, whichever end it is at.
            QTest::newRow(k + " ratio 1.0 refused") << kind << Texts{{"H", "10"}} << QStringList{staticBelowZero}
                                                    << false;
            QTest::newRow(k + " ratio 1.0 on the aft draught")
                << kind << Texts{{"TA", "8.5"}, {"TF", "12"}, {"H", "12"}} << QStringList{staticBelowZero} << false;
            QTest::newRow(k + " clearance equal to K passes") << kind << Texts{{"K", "2.5"}} << QStringList{} << true;
            QTest::newRow(k + " K above the clearance")
                << kind << Texts{{"K", "2.51"}} << QStringList{outOfRange("minimum under-keel clearance")} << false;
            QTest::newRow(k + " ratio 1.1 warns and goes on")
                << kind << Texts{{"H", "11"}, {"HB", "10"}} << QStringList{lowWarning} << true;
            QTest::newRow(k + " ratio 1.4 warns and goes on")
                << kind << Texts{{"H", "14"}} << QStringList{highWarning} << true;
            QTest::newRow(k + " ratio 1.39 no warning") << kind << Texts{{"H", "13.9"}} << QStringList{} << true;
            // No ratio can be formed: refused, never computed.
            QTest::newRow(k + " both draughts 0")
                << kind << Texts{{"TA", "0"}, {"TF", "0"}, {"K", "0"}} << QStringList{"ratio"} << false;
            QTest::newRow(k + " ratio beyond a double")
                << kind << Texts{{"TA", "0.0000000001"}, {"TF", "0"}, {"H", "1e308"}, {"HB", "1"}}
                << QStringList{"ratio"} << false;
        }

        // The order of the steps differs by kind.
        QTest::newRow("depth: a warning, then a refusal")
            << WaterwayKind::DepthRestricted << Texts{{"H", "10.5"}, {"CB", "0.95"}}
            << QStringList{lowWarning, outOfRange("block coefficient")} << false;
        QTest::newRow("canal: only the refusal")
            << WaterwayKind::Canal << Texts{{"H", "10.5"}, {"CB", "0.95"}} << QStringList{outOfRange("block coefficient")}
            << false;
        QTest::newRow("channel: only the refusal")
            << WaterwayKind::Channel << Texts{{"H", "10.5"}, {"HB", "10"}, {"CB", "0.95"}}
            << QStringList{outOfRange("block coefficient")} << false;
        QTest::newRow("depth: the ratio before the ship's ranges")
            << WaterwayKind::DepthRestricted << Texts{{"H", "10"}, {"SS", "40"}} << QStringList{staticBelowZero} << false;
        QTest::newRow("canal: the ship's ranges before the ratio")
            << WaterwayKind::Canal << Texts{{"H", "10"}, {"SS", "40"}} << QStringList{outOfRange("service speed")}
            << false;
        QTest::newRow("depth: K before the breadth")
            << WaterwayKind::DepthRestricted << Texts{{"K", "3"}, {"B2", "8"}}
            << QStringList{outOfRange("minimum under-keel clearance")} << false;
        QTest::newRow("depth: a warning, then the speed")
            << WaterwayKind::DepthRestricted << Texts{{"H", "15"}, {"SS", "4"}}
            << QStringList{highWarning, outOfRange("service speed")} << false;

        // The waterway's own steps.
        QTest::newRow("channel natural depth 0") << WaterwayKind::Channel << Texts{{"HB", "0"}}
                                                 << QStringList{outOfRange("natural depth")} << false;
        QTest::newRow("channel natural depth equal to the depth")
            << WaterwayKind::Channel << Texts{{"HB", "12.5"}} << QStringList{} << true;
        QTest::newRow("channel natural depth above the depth")
            << WaterwayKind::Channel << Texts{{"HB", "12.6"}} << QStringList{outOfRange("natural depth")} << false;
        QTest::newRow("channel natural depth 0 before the ratio")
            << WaterwayKind::Channel << Texts{{"HB", "0"}, {"H", "10"}} << QStringList{outOfRange("natural depth")}
            << false;
        QTest::newRow("channel ratio before the natural depth above it")
            << WaterwayKind::Channel << Texts{{"HB", "20"}, {"H", "10"}} << QStringList{staticBelowZero} << false;
        for (const auto &[name, kind] : {kinds[1], kinds[2]}) {
            const QByteArray k = name.toUtf8();
            const QString widthRange = program("The input of " + name + " width is out of valid range.");
            QTest::newRow(k + " breadth 10 in a width below 10")
                << kind << Texts{{"B2", "10"}, {"W", "9.9"}} << QStringList{widthOrBreadth} << false;
            QTest::newRow(k + " breadth 9 in width 9") << kind << Texts{{"B2", "9"}, {"W", "9"}}
                                                        << QStringList{widthRange} << false;
            QTest::newRow(k + " width of 1.5 breadths") << kind << Texts{{"B2", "10"}, {"W", "15"}}
                                                         << QStringList{widthRange} << false;
            QTest::newRow(k + " width with its fraction") << kind << Texts{{"B2", "10"}, {"W", "15.01"}}
                                                           << QStringList{} << true;
            QTest::newRow(k + " K before the width") << kind << Texts{{"K", "3"}, {"W", "9"}}
                                                      << QStringList{outOfRange("minimum under-keel clearance")}
                                                      << false;
            QTest::newRow(k + " the width before the warning")
                << kind << Texts{{"H", "11"}, {"HB", "10"}, {"W", "30"}} << QStringList{widthRange} << false;
            QTest::newRow(k + " width refused, then nothing else")
                << kind << Texts{{"W", "30"}, {"H", "14"}} << QStringList{widthRange} << false;
        }
        QTest::newRow("depth page has no width") << WaterwayKind::DepthRestricted << Texts{{"B2", "10"}}
                                                 << QStringList{} << true;
    }
    // Through the page: the texts typed into the boxes, OK clicked.
    void check()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        QFETCH(bool, accepted);
        ConditionPage &page = fixture->openPage(kind);
        for (const QString &name : page.fieldNames()) {
            QLineEdit *box = page.field(name);
            box->clear();
            QTest::keyClicks(box, changes.value(name, validCase.value(name)));
        }
        const ActiveCase before = fixture->forms->activeCase();
        QTest::mouseClick(page.Command3, Qt::LeftButton);

        QStringList shown;
        for (const RecordedMessage &m : fixture->platform.messages) {
            QCOMPARE(m.icon, MessageIcon::Stop);
            shown << m.title + "|" + m.text;
        }
        if (messages == QStringList{"ratio"}) {
            // The draught that leaves no ratio is refused by a message of its own.
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown.first().startsWith(" |") && shown.first().contains("ratio"), qPrintable(shown.first()));
        } else {
            QCOMPARE(shown, messages);
        }
        ResultsStub *results = fixture->results(kind);
        QCOMPARE(results != nullptr, accepted);
        if (accepted) {
            QCOMPARE(fixture->runtime.activeForm(), results);
            QCOMPARE(results->activations, 1);
            QCOMPARE(fixture->forms->activeCase().DraughtAft, page.TA->text());
        } else {
            // Nothing stored, nothing shown or hidden, no box changed.
            QCOMPARE(fixture->forms->activeCase().DraughtAft, before.DraughtAft);
            QCOMPARE(fixture->forms->activeCase().ServiceSpeed, before.ServiceSpeed);
            QCOMPARE(fixture->visibleNames(), QStringList{page.objectName()});
            for (const QString &name : page.fieldNames())
                QCOMPARE(page.fieldText(name), changes.value(name, validCase.value(name)));
        }
    }

    void store_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Texts>("typed");
        // DraughtAft, DraughtFore, Breadth, BlockCoefficient, MinUkc, WaterDepth, WaterwayWidth, NaturalDepth
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<double>("speed");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const Texts typed{{"TA", "10.00"}, {"TF", "9.5"}, {"B2", "20.0"}, {"CB", ".70"}, {"SS", "10.5"},
                          {"K", "0.50"},   {"W", "40"},   {"H", "12.5"}, {"HB", "11.0"}};
        QTest::newRow("depth keeps width and natural depth")
            << WaterwayKind::DepthRestricted << english << typed
            << QStringList{"10.00", "9.5", "20.0", ".70", "0.50", "12.5", "old W", "old HB"} << 10.5;
        QTest::newRow("canal keeps natural depth")
            << WaterwayKind::Canal << english << typed
            << QStringList{"10.00", "9.5", "20.0", ".70", "0.50", "12.5", "40", "old HB"} << 10.5;
        QTest::newRow("channel writes all") << WaterwayKind::Channel << english << typed
                                            << QStringList{"10.00", "9.5", "20.0", ".70", "0.50", "12.5", "40", "11.0"}
                                            << 10.5;
        const Texts comma{{"TA", "10"}, {"TF", "9,5"}, {"B2", "20"},   {"CB", "0,7"}, {"SS", "12,25"},
                          {"K", "0,5"}, {"W", "40,0"}, {"H", "12,5"}, {"HB", "11"}};
        QTest::newRow("decimal comma") << WaterwayKind::Channel << german << comma
                                       << QStringList{"10", "9,5", "20", "0,7", "0,5", "12,5", "40,0", "11"} << 12.25;
    }
    // Texts are stored as typed; only the speed is converted.
    void store()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        QFETCH(Texts, typed);
        QFETCH(QStringList, stored);
        QFETCH(double, speed);
        fixture = std::make_unique<NavigationFixture>(locale);
        ActiveCase &activeCase = fixture->forms->activeCase();
        activeCase = {"old TA", "old TF", "old B2", "old CB", "old K", "old H", "old W", "old HB", -1.0};
        ConditionPage &page = fixture->openPage(kind);
        for (const QString &name : page.fieldNames())
            QTest::keyClicks(page.field(name), typed.value(name));
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QVERIFY(fixture->platform.messages.isEmpty());
        const QStringList actual{activeCase.DraughtAft, activeCase.DraughtFore, activeCase.Breadth,
                                 activeCase.BlockCoefficient, activeCase.MinUkc, activeCase.WaterDepth,
                                 activeCase.WaterwayWidth, activeCase.NaturalDepth};
        QCOMPARE(actual, stored);
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
        for (const QString &name : page.fieldNames())
            page.setFieldText(name, validCase.value(name));
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        QCOMPARE(fixture->visibleNames(), visible);
        ResultsStub *results = fixture->results(kind);
        QCOMPARE(fixture->runtime.activeForm(), results);

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
