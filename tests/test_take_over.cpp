// A database page's OK: the record checks and its own variant of the input check, with the
// messages and orders where it differs from the input pages, and the texts it takes over.
#include "support/archive_fixture.h"

#include "results/results_page.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

namespace {

using Texts = QHash<QString, QString>;

constexpr auto DepthRestricted = WaterwayKind::DepthRestricted;
constexpr auto Canal = WaterwayKind::Canal;
constexpr auto Channel = WaterwayKind::Channel;

// A stored case every page accepts without a warning: ratio 1.25, width 200 against breadth 32.
const Texts kGoodCase{{"TA", "10"}, {"TF", "9.5"}, {"B2", "32"}, {"CB", "0.8"}, {"SS", "16"},
                      {"K", "0.5"}, {"W", "200"},  {"H", "12.5"}, {"HB", "11"}};

const QString kLowRatio = QStringLiteral(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");
const QString kHighRatio = QStringLiteral(
    "WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the maximum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results.");

// Stores the good case with the changes as the table's only record and opens its page on it.
DatabasePage &openOn(ArchiveFixture &f, WaterwayKind kind, const Texts &changes = {})
{
    Texts record{{"Date", "2024-05-01"}, {"Place", "Kiel"}, {"Author", "Mate"}, {"Other", "notes"}};
    for (const QString &name : f.input(kind).fieldNames())
        record.insert(name, changes.value(name, kGoodCase.value(name)));
    f.database.insert(ArchiveFixture::table(kind), {record});
    for (const QString &name : f.input(kind).fieldNames())
        f.input(kind).setFieldText(name, "typed");
    DatabasePage &page = f.openDatabase(kind);
    for (const QString &box : {"Date", "Place", "Author"}) {
        if (changes.contains(box))
            page.findChild<QLineEdit *>(box)->setText(changes.value(box));
    }
    return page;
}

QStringList inputTexts(ArchiveFixture &f, WaterwayKind kind)
{
    QStringList texts;
    for (const QString &name : f.input(kind).fieldNames())
        texts << f.input(kind).fieldText(name);
    return texts;
}

} // namespace

class TakeOverTest : public QObject
{
    Q_OBJECT
private slots:
    // A refused click shows the first refusal (after any warnings), copies nothing and keeps the page.
    void refusals_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("programTitle");

        const QString noDate = "A value is required in the Date field";
        const QString noArea = "A text is required in the Area field";
        const QString noAuthor = "A text is required in the Author field";
        for (WaterwayKind kind : {DepthRestricted, Canal, Channel}) {
            // Only the channel page ends its record messages without a period.
            const QString end = kind == Channel ? "" : ".";
            const QByteArray name = QByteArray::number(int(kind) + 1);
            QTest::newRow("no current record " + name)
                << kind << Texts{{"Date", ""}, {"Place", ""}, {"Author", ""}} << QStringList{noDate + end} << false;
            QTest::newRow("no place, no author " + name)
                << kind << Texts{{"Place", ""}, {"Author", ""}} << QStringList{noArea + end} << false;
            QTest::newRow("blank place, no author " + name)
                << kind << Texts{{"Place", " "}, {"Author", ""}} << QStringList{noAuthor + end} << false;
            QTest::newRow("no values " + name)
                << kind
                << Texts{{"TA", ""}, {"TF", ""}, {"B2", ""}, {"CB", ""}, {"SS", ""}, {"K", ""}, {"W", ""}, {"H", ""}, {"HB", ""}}
                << QStringList{"The input of draught at aft perpendicular is illegal. Please use only numbers and a "
                               "decimal separator."}
                << false;
            QTest::newRow("both draughts above 30 " + name)
                << kind << Texts{{"TA", "30.5"}, {"TF", "31"}, {"H", "40"}}
                << QStringList{"The input of draught at aft perpendicular is out of valid range."} << false;
        }
        // The database pages compare one and a half breadths with the whole metres of the width.
        QTest::newRow("canal width 15.5 for breadth 10")
            << Canal << Texts{{"B2", "10"}, {"W", "15.5"}}
            << QStringList{"The input of canal width is out of valid range."} << true;
        QTest::newRow("channel width 15.5 for breadth 10")
            << Channel << Texts{{"B2", "10"}, {"W", "15.5"}}
            << QStringList{"The input of channel width is out of valid range."} << true;
        // The canal page tests the width before the minimum under-keel clearance.
        QTest::newRow("canal width before clearance")
            << Canal << Texts{{"TA", "10"}, {"TF", "10"}, {"H", "11"}, {"K", "2"}, {"B2", "20"}, {"W", "25"}}
            << QStringList{"The input of canal width is out of valid range."} << true;
        // The channel page tests the natural depth before the static clearance.
        QTest::newRow("natural depth before static clearance")
            << Channel << Texts{{"TA", "12"}, {"TF", "12"}, {"H", "12"}, {"HB", "13"}}
            << QStringList{"The input of natural depth is out of valid range. "} << false;
        QTest::newRow("canal depth not a number")
            << Canal << Texts{{"H", "deep"}}
            << QStringList{"The input of canal depth is illegal. Please use only numbers and a decimal separator."}
            << false;
        QTest::newRow("channel clearance below zero")
            << Channel << Texts{{"K", "-1"}}
            << QStringList{"The input of minimum under-keel clearanceis illegal. Please do not use numbers below zero."}
            << false;
        // The depth-restricted page warns before it tests the ship's ranges.
        QTest::newRow("low ratio, then block coefficient")
            << DepthRestricted << Texts{{"TA", "10"}, {"TF", "10"}, {"H", "10.5"}, {"CB", "0.95"}}
            << QStringList{kLowRatio, "The input of block coefficient is out of valid range."} << false;
    }
    void refusals()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        QFETCH(bool, programTitle);
        ArchiveFixture f;
        DatabasePage &page = openOn(f, kind, changes);
        const QStringList before = inputTexts(f, kind);
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), messages);
        const RecordedMessage &refusal = f.platform.messages.last();
        QCOMPARE(refusal.icon, MessageIcon::Stop);
        QCOMPARE(refusal.title, programTitle ? kProgramTitle : QString(" "));
        QCOMPARE(inputTexts(f, kind), before);
        QVERIFY(page.isVisible());
        QCOMPARE(f.activeName(), page.objectName());
    }

    // Both draughts 0 leave no ratio to compare: the page refuses as its input page does.
    void bothDraughtsZeroRefusedAsOnTheInputPage_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::newRow("depth-restricted") << DepthRestricted;
        QTest::newRow("canal") << Canal;
        QTest::newRow("channel") << Channel;
    }
    void bothDraughtsZeroRefusedAsOnTheInputPage()
    {
        QFETCH(WaterwayKind, kind);
        ArchiveFixture f;
        DatabasePage &page = openOn(f, kind, {{"TA", "0"}, {"TF", "0"}});
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        const QStringList fromDatabase = f.messageTexts();
        QCOMPARE(inputTexts(f, kind).first(), QString("typed"));
        QVERIFY(page.isVisible());

        f.platform.messages.clear();
        ConditionPage &input = f.input(kind);
        for (const QString &name : input.fieldNames())
            input.setFieldText(name, page.valueBox(name)->text());
        QTest::mouseClick(input.Command3, Qt::LeftButton);
        QCOMPARE(fromDatabase.size(), 1);
        QCOMPARE(fromDatabase, f.messageTexts());
        QVERIFY(!f.forms->existing(resultsPageOf(kind)));
    }

    // A passing click hides the page and copies the value boxes' texts exactly; nothing else
    // changes: no record is saved, no window shown, the active case untouched.
    void passingClickCopiesTheTexts_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("depth-restricted as stored")
            << DepthRestricted << Texts{{"TA", "10.00"}, {"B2", "32.20"}, {"K", " 0.5"}} << QStringList{};
        QTest::newRow("canal width 16 for breadth 10") << Canal << Texts{{"B2", "10"}, {"W", "16"}} << QStringList{};
        QTest::newRow("channel without the clearance step")
            << Channel << Texts{{"TA", "10"}, {"TF", "10"}, {"H", "12"}, {"K", "3"}} << QStringList{};
        QTest::newRow("high ratio warns and goes on")
            << Canal << Texts{{"TA", "10"}, {"TF", "10"}, {"H", "14.5"}} << QStringList{kHighRatio};
    }
    void passingClickCopiesTheTexts()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        ArchiveFixture f;
        DatabasePage &page = openOn(f, kind, changes);
        page.valueBox("SS")->setText("16.0 ");   // an edit not yet saved goes over too
        const QStringList visible = f.visibleNames();
        QTest::mouseClick(page.OKButton, Qt::LeftButton);

        QCOMPARE(f.messageTexts(), messages);
        QVERIFY(!page.isVisible());
        QStringList expected;
        for (const QString &name : f.input(kind).fieldNames())
            expected << (name == "SS" ? "16.0 " : changes.value(name, kGoodCase.value(name)));
        QCOMPARE(inputTexts(f, kind), expected);
        QCOMPARE(f.visibleNames(), visible.mid(0, visible.size() - 1));
        QCOMPARE(f.forms->activeCase().DraughtAft, QString());
        QCOMPARE(f.database.column(ArchiveFixture::table(kind), "SS"), QStringList{"16"});
        QCOMPARE(page.Place->text(), QString("Kiel"));
        QCOMPARE(page.valueBox("SS")->text(), QString("16.0 "));
    }

    // The channel record with a clearance below its K is taken over, and then refused by the
    // input page's own OK.
    void inputPageJudgesTheTakenCaseAgain()
    {
        ArchiveFixture f;
        DatabasePage &page = openOn(f, Channel, {{"TA", "10"}, {"TF", "10"}, {"H", "12"}, {"K", "3"}});
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 0);
        QTest::mouseClick(f.input(Channel).Command3, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), QStringList{"The input of minimum under-keel clearance is out of valid range."});
    }

    // Enter presses the channel page's OK unless a button has the focus; the other pages have no default.
    void enterPressesOKOnTheChannelPage_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<bool>("takesOver");
        QTest::newRow("depth-restricted") << DepthRestricted << false;
        QTest::newRow("canal") << Canal << false;
        QTest::newRow("channel") << Channel << true;
    }
    void enterPressesOKOnTheChannelPage()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(bool, takesOver);
        ArchiveFixture f;
        DatabasePage &page = openOn(f, kind);
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QTest::keyClick(page.Place, Qt::Key_Return);
        QCOMPARE(page.isVisible(), !takesOver);
        QCOMPARE(f.input(kind).fieldText("TA"), QString(takesOver ? "10" : "typed"));
    }

    // Input page, Data Base, the default record, Update, Retrieve, OK, the input page's OK and
    // the results page computed from the stored case.
    void typicalRoadThroughTheArchive()
    {
        ArchiveFixture f;
        ConditionPage &input = f.input(Canal);
        const QStringList typed{"10", "10", "32", "0.8", "16", "0.3", "200", "10.5"};
        for (qsizetype i = 0; i < typed.size(); ++i)
            input.setFieldText(input.fieldNames().at(i), typed.at(i));

        DatabasePage &page = f.openDatabase(Canal);
        QCOMPARE(page.Place->text(), QString("Canal A"));
        page.Place->setText("Kiel Canal");
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        QCOMPARE(page.valueBox("H")->text(), QString("10.5"));
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(f.database.column("CanalCond", "H"), QStringList{"10.5"});

        input.setFieldText("H", "99");
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), QStringList{kLowRatio});
        QCOMPARE(input.fieldText("H"), QString("10.5"));
        QCOMPARE(f.activeName(), QString("Condition2"));

        QTest::mouseClick(input.Command3, Qt::LeftButton);
        auto &results = f.forms->as<ResultsPage>(FormId::Results2);
        QCOMPARE(f.activeName(), QString("Results2"));
        QCOMPARE(results.Text9->text(), QString("Canal depth..................: 10.50 m"));
        QCOMPARE(results.MaxKavro->text(), QString(": 0.2 m"));
    }
};

QTEST_MAIN(TakeOverTest)
#include "test_take_over.moc"
