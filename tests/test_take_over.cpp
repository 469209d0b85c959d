// A database page's OK: it judges the boxes by the database pages' own variant of the input
// check, copies the texts as they stand, and the road through the archive to a result.
#include "support/archive_fixture.h"

#include "results/results_page.h"

using namespace kavro;

// A case every page accepts without a warning: ratio 1.25, width 200 against breadth 32.
const Texts kGoodCase{{"TA", "10"}, {"TF", "9.5"}, {"B2", "32"}, {"CB", "0.8"}, {"SS", "16"},
                      {"K", "0.5"}, {"W", "200"},  {"H", "12.5"}, {"HB", "11"}};
const QString kLowRatio = QStringLiteral(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");

class TakeOverTest : public QObject
{
    Q_OBJECT
private slots:
    // The rows differ between the database check and the input page's. A refusal shows every
    // message up to it, copies nothing and keeps the page; a pass hides the page and copies the
    // value boxes' texts exactly, unsaved edits included, and saves or shows nothing.
    void okButton_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");   // none: the case is taken over
        QTest::addColumn<QString>("title");
        // Only the channel page ends its record messages without a period.
        QTest::newRow("channel, no current record")
            << Channel << Texts{{"Date", ""}} << QStringList{"A value is required in the Date field"} << " ";
        // The database pages compare one and a half breadths with the whole metres of the width.
        QTest::newRow("canal width 15.5 for breadth 10") << Canal << Texts{{"B2", "10"}, {"W", "15.5"}}
            << QStringList{"The input of canal width is out of valid range."} << kProgramTitle;
        QTest::newRow("low ratio, then block coefficient")
            << Depth << Texts{{"TF", "10"}, {"H", "10.5"}, {"CB", "0.95"}}
            << QStringList{kLowRatio, "The input of block coefficient is out of valid range."} << " ";
        QTest::newRow("texts as they stand")
            << Depth << Texts{{"B2", "32.20"}, {"K", " 0.50 "}} << QStringList() << "";
        // On the channel page Enter in a box presses OK.
        QTest::newRow("channel without the clearance check, by Enter")
            << Channel << Texts{{"TF", "10"}, {"H", "12"}, {"K", "3"}} << QStringList() << "";
    }
    void okButton()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        QFETCH(QStringList, messages);
        QFETCH(QString, title);
        const bool accepted = messages.isEmpty();
        ArchiveFixture f;
        ConditionPage &input = f.input(kind);
        for (const QString &name : input.fieldNames())
            input.setFieldText(name, "typed");
        DatabasePage &page = f.openDatabase(kind, {"Kiel"});
        ArchiveFixture::setBoxes(page, kGoodCase);
        ArchiveFixture::setBoxes(page, changes);
        if (QString(QTest::currentDataTag()).endsWith("by Enter"))
            QTest::keyClick(page.Place, Qt::Key_Return);
        else
            QTest::mouseClick(page.OKButton, Qt::LeftButton);

        QCOMPARE(f.messageTexts(), messages);
        QVERIFY(f.platform.allShownAs(MessageIcon::Stop, title));
        for (const QString &name : input.fieldNames())
            QCOMPARE(input.fieldText(name), accepted ? changes.value(name, kGoodCase.value(name)) : "typed");
        QCOMPARE(f.activeName(), accepted ? input.objectName() : page.objectName());
        QCOMPARE(f.forms->activeCase().DraughtAft, QString());
        QCOMPARE(f.stored(kind, "TA"), QStringList{""});
    }

    // Input page, Data Base, the default record, Update, Retrieve, OK, the input page's OK and
    // the results page computed from the stored case. Retrieve first refuses while any value box,
    // even with a zero, holds a text, and keeps what the record holds.
    void typicalRoadThroughTheArchive()
    {
        ArchiveFixture f;
        ConditionPage &input = f.input(Canal);
        ArchiveFixture::typeCase(input, "10 10 32 0.8 16 0.3 200 10.5");

        DatabasePage &page = f.openDatabase(Canal);
        page.Place->setText("Kiel Canal");
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        page.Other->setPlainText("notes");
        page.valueBox("W")->setText("0");
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        for (const QString &name : input.fieldNames())
            QCOMPARE(page.valueBox(name)->text(), QString(name == "W" ? "0" : ""));
        QCOMPARE(page.Other->toPlainText(), QString("notes"));
        QVERIFY(f.platform.allShownAs(MessageIcon::Stop, " "));
        page.valueBox("W")->clear();
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(f.stored(Canal, "Place"), QStringList{"Kiel Canal"});
        QCOMPARE(f.stored(Canal, "H"), QStringList{"10.5"});

        input.setFieldText("H", "99");
        QTest::mouseClick(page.OKButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), (QStringList{"Cannot use retrieve on record with data.", kLowRatio}));
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
