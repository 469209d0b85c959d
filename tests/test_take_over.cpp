// A database page's OK: the record checks and its own variant of the input check where it
// differs from the input pages, the texts it takes over, and the road through the archive.
#include "support/archive_fixture.h"

#include "results/results_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

namespace {

constexpr auto DepthRestricted = WaterwayKind::DepthRestricted;
constexpr auto Canal = WaterwayKind::Canal;
constexpr auto Channel = WaterwayKind::Channel;

// A case every page accepts without a warning: ratio 1.25, width 200 against breadth 32.
const Texts kGoodCase{{"TA", "10"}, {"TF", "9.5"}, {"B2", "32"}, {"CB", "0.8"}, {"SS", "16"},
                      {"K", "0.5"}, {"W", "200"},  {"H", "12.5"}, {"HB", "11"}};
const QString kLowRatio = QStringLiteral(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");

// The page opened on the good case with the changes, its value boxes edited but not saved;
// the input page's boxes all hold "typed".
DatabasePage &openOn(ArchiveFixture &f, WaterwayKind kind, const Texts &changes)
{
    for (const QString &name : f.input(kind).fieldNames())
        f.input(kind).setFieldText(name, "typed");
    DatabasePage &page = f.openDatabase(kind, {"Kiel"});
    ArchiveFixture::setBoxes(page, kGoodCase);
    ArchiveFixture::setBoxes(page, changes);
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
        QTest::newRow("no current record") << DepthRestricted << Texts{{"Date", ""}, {"Place", ""}}
                                           << QStringList{"A value is required in the Date field."} << false;
        QTest::newRow("no place, no author") << Canal << Texts{{"Place", ""}, {"Author", ""}}
                                             << QStringList{"A text is required in the Area field."} << false;
        // Only the channel page ends its record messages without a period.
        QTest::newRow("channel, no current record") << Channel << Texts{{"Date", ""}}
                                                    << QStringList{"A value is required in the Date field"} << false;
        QTest::newRow("channel, blank place, no author") << Channel << Texts{{"Place", " "}, {"Author", ""}}
                                                         << QStringList{"A text is required in the Author field"} << false;
        QTest::newRow("no values") << DepthRestricted << Texts{{"TA", ""}, {"TF", ""}, {"H", ""}}
                                   << QStringList{"The input of draught at aft perpendicular is illegal. Please use "
                                                  "only numbers and a decimal separator."}
                                   << false;
        // The database pages compare one and a half breadths with the whole metres of the width.
        QTest::newRow("canal width 15.5 for breadth 10") << Canal << Texts{{"B2", "10"}, {"W", "15.5"}}
                                                         << QStringList{"The input of canal width is out of valid range."}
                                                         << true;
        QTest::newRow("channel width 15.5 for breadth 10")
            << Channel << Texts{{"B2", "10"}, {"W", "15.5"}}
            << QStringList{"The input of channel width is out of valid range."} << true;
        QTest::newRow("canal width before clearance")
            << Canal << Texts{{"TF", "10"}, {"H", "11"}, {"K", "2"}, {"B2", "20"}, {"W", "25"}}
            << QStringList{"The input of canal width is out of valid range."} << true;
        QTest::newRow("natural depth before static clearance")
            << Channel << Texts{{"TA", "12"}, {"H", "12"}, {"HB", "13"}}
            << QStringList{"The input of natural depth is out of valid range. "} << false;
        QTest::newRow("low ratio, then block coefficient")
            << DepthRestricted << Texts{{"TF", "10"}, {"H", "10.5"}, {"CB", "0.95"}}
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
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), messages);
        QCOMPARE(f.platform.messages.last().icon, MessageIcon::Stop);
        QCOMPARE(f.platform.messages.last().title, programTitle ? kProgramTitle : QString(" "));
        QCOMPARE(inputTexts(f, kind), QStringList(f.input(kind).fieldNames().size(), "typed"));
        QCOMPARE(f.activeName(), page.objectName());
    }

    // Both draughts 0 leave no ratio to compare: the page refuses as its input page does.
    void bothDraughtsZeroRefusedAsOnTheInputPage()
    {
        ArchiveFixture f;
        DatabasePage &page = openOn(f, Canal, {{"TA", "0"}, {"TF", "0"}});
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QVERIFY(page.isVisible());
        ConditionPage &input = f.input(Canal);
        for (const QString &name : input.fieldNames())
            input.setFieldText(name, page.valueBox(name)->text());
        QTest::mouseClick(input.Command3, Qt::LeftButton);
        QCOMPARE(f.messageTexts().size(), 2);
        QCOMPARE(f.messageTexts().first(), f.messageTexts().last());
        QVERIFY(!f.forms->existing(FormId::Results2));
    }

    // A passing click hides the page and copies the value boxes' texts exactly, unsaved edits
    // included; nothing is saved, no window shown, the active case untouched. On the channel
    // page Enter in a box presses OK.
    void passingClickCopiesTheTexts_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("enter");
        QTest::newRow("texts as they stand") << DepthRestricted << Texts{{"B2", "32.20"}, {"K", " 0.50 "}}
                                             << QStringList{} << false;
        QTest::newRow("canal width 16 for breadth 10") << Canal << Texts{{"B2", "10"}, {"W", "16"}} << QStringList{}
                                                       << false;
        QTest::newRow("channel without the clearance check")
            << Channel << Texts{{"TF", "10"}, {"H", "12"}, {"K", "3"}} << QStringList{} << true;
        QTest::newRow("high ratio warns and goes on")
            << Canal << Texts{{"TF", "10"}, {"H", "14.5"}}
            << QStringList{"WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the maximum "
                           "static under-keel clearance for which the kavro prediction method is primarily valid. "
                           "Please note that this can increase the uncertainty of the calculated results."}
            << false;
    }
    void passingClickCopiesTheTexts()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        QFETCH(bool, enter);
        ArchiveFixture f;
        DatabasePage &page = openOn(f, kind, changes);
        const QStringList visible = f.visibleNames();
        if (enter)
            QTest::keyClick(page.Place, Qt::Key_Return);
        else
            QTest::mouseClick(page.OKButton, Qt::LeftButton);

        QCOMPARE(f.messageTexts(), messages);
        QVERIFY(!page.isVisible());
        QStringList expected;
        for (const QString &name : f.input(kind).fieldNames())
            expected << changes.value(name, kGoodCase.value(name));
        QCOMPARE(inputTexts(f, kind), expected);
        QCOMPARE(f.visibleNames(), visible.mid(0, visible.size() - 1));
        QCOMPARE(f.forms->activeCase().DraughtAft, QString());
        QCOMPARE(f.stored(kind, "TA"), QStringList{""});
        QCOMPARE(page.valueBox("TA")->text(), QString("10"));
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
        page.Place->setText("Kiel Canal");
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(f.stored(Canal, "Place"), QStringList{"Kiel Canal"});
        QCOMPARE(f.stored(Canal, "H"), QStringList{"10.5"});

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
