// The whole program driven by keyboard and mouse, from the main menu to a computed results page,
// and how the active case travels between input pages and results pages.
#include "app/application.h"
#include "app/forhold.h"
#include "app/intro.h"
#include "input/condition_page.h"
#include "results/results_page.h"
#include "support/recording_platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kavro;

namespace {

const QString kLowerWarning = QStringLiteral(
    "WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum static under-keel "
    "clearance for which the kavro prediction method is primarily valid. Please note that this can increase the "
    "uncertainty of the calculated results and should be compensated for by an increase of the specified minimum "
    "under-keel clearance in order to stay on the safe side.");

struct Program
{
    Program()
    {
        forms = std::make_unique<Forms>(runtime, RegionalNumbers(QLocale(QLocale::English, QLocale::UnitedStates)),
                                        AppPaths{QStringLiteral("/nonexistent/kavro.db"),
                                                 QStringLiteral("/nonexistent/kavro.html")});
        registerProgramForms(*forms);
    }
    ConditionPage &input(WaterwayKind kind) { return forms->as<ConditionPage>(inputPageOf(kind)); }
    ResultsPage &results(WaterwayKind kind) { return forms->as<ResultsPage>(resultsPageOf(kind)); }
    QString active() const { return runtime.activeForm() ? runtime.activeForm()->objectName() : QString(); }

    // Types each value into the focused field and presses Enter, as a user does.
    void typeCase(const QStringList &values)
    {
        for (const QString &value : values) {
            QWidget *field = QApplication::focusWidget();
            QVERIFY(qobject_cast<QLineEdit *>(field));
            QTest::keyClicks(field, value);
            QTest::keyClick(field, Qt::Key_Return);
            QTRY_VERIFY(QApplication::focusWidget() != field);
        }
    }
    void fill(WaterwayKind kind, const QHash<QString, QString> &values)
    {
        for (auto it = values.begin(); it != values.end(); ++it)
            input(kind).field(it.key())->setText(it.value());
    }
    void ok(WaterwayKind kind) { QTest::mouseClick(input(kind).Command3, Qt::LeftButton); }

    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

const QHash<QString, QString> kCanalCase{{"TA", "10"}, {"TF", "10"}, {"B2", "32"}, {"CB", "0.8"},
                                         {"SS", "16"}, {"K", "0.5"}, {"W", "200"}, {"H", "12"}};
const QHash<QString, QString> kDepthCase{{"TA", "10"}, {"TF", "10"}, {"B2", "32"}, {"CB", "0.8"},
                                         {"SS", "16"}, {"K", "0.5"}, {"H", "12"}};

} // namespace

class TypicalRoadTest : public QObject
{
    Q_OBJECT
private slots:
    void menuToCanalResultsByKeyboard()
    {
        Program program;
        auto &intro = program.forms->as<Intro>(FormId::Intro);
        intro.Show();
        QVERIFY(QTest::qWaitForWindowActive(&intro));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);            // Start
        QCOMPARE(program.active(), QString("Forhold"));
        auto &choice = program.forms->as<Forhold>(FormId::Forhold);
        QVERIFY(QTest::qWaitForWindowActive(&choice));
        QTest::mouseClick(choice.Option2, Qt::LeftButton, {}, QPoint(8, choice.Option2->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);            // OK
        QCOMPARE(program.active(), QString("Condition2"));
        ConditionPage &canal = program.input(WaterwayKind::Canal);
        QVERIFY(QTest::qWaitForWindowActive(&canal));
        QCOMPARE(QApplication::focusWidget(), canal.TA);

        // Depth 10.5 over draught 10: the lower warning is shown and the case goes on.
        program.typeCase({"10", "10", "32", "0.8", "16", "0.3", "200", "10.5"});
        QCOMPARE(QApplication::focusWidget(), canal.Command3);
        QTest::keyClick(canal.Command3, Qt::Key_Return);
        QCOMPARE(program.platform.messages.size(), 1);
        QCOMPARE(program.platform.messages.first().text, kLowerWarning);
        QCOMPARE(program.platform.messages.first().title, QString(" "));

        ResultsPage &results = program.results(WaterwayKind::Canal);
        QCOMPARE(program.active(), QString("Results2"));
        QVERIFY(canal.isVisible());                 // the canal page stays under its results
        QCOMPARE(results.Text7->text(), QString("Canal width..................: 200 m"));
        QCOMPARE(results.Text9->text(), QString("Canal depth..................: 10.50 m"));
        QCOMPARE(results.MaxKavro->text(), QString(": 0.2 m"));

        // New Calculation, OK again, Exit.
        QTest::mouseClick(results.Command2, Qt::LeftButton);
        QCOMPARE(program.active(), QString("Condition2"));
        QVERIFY(!results.isVisible());
        program.ok(WaterwayKind::Canal);
        QCOMPARE(program.active(), QString("Results2"));
        QTest::mouseClick(results.Command3, Qt::LeftButton);
        QCOMPARE(program.platform.endCount, 1);
    }

    // What a results page shows after other OKs, refused OKs and unconfirmed edits.
    void activeCaseBetweenPages()
    {
        Program program;
        ConditionPage &canal = program.input(WaterwayKind::Canal);
        canal.Show();
        program.fill(WaterwayKind::Canal, kCanalCase);
        program.ok(WaterwayKind::Canal);
        ResultsPage &canalResults = program.results(WaterwayKind::Canal);
        QCOMPARE(canalResults.MaxShipSpeed->text(), QString(": 12 kts."));

        // Typed but not confirmed: the results page still shows the stored case.
        canal.field("SS")->setText("5");
        QTest::mouseClick(&canal, Qt::LeftButton, {}, QPoint(2, 2));   // back to the input page
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);
        QCOMPARE(canalResults.Text5->text(), QString("Service speed................: 16.0 kts"));

        // A refused OK leaves the active case as it was.
        canal.field("CB")->setText("0.95");
        program.ok(WaterwayKind::Canal);
        QCOMPARE(program.platform.messages.last().text, QString("The input of block coefficient is out of valid range."));
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);
        QCOMPARE(canalResults.Text4->text(), QString("Block coefficient............: 0.80"));

        // A depth-restricted OK with a larger ship: the still open canal page computes the canal
        // method with the width of its own earlier case.
        ConditionPage &depth = program.input(WaterwayKind::DepthRestricted);
        depth.Show();
        program.fill(WaterwayKind::DepthRestricted, kDepthCase);
        depth.field("B2")->setText("40");
        program.ok(WaterwayKind::DepthRestricted);
        QCOMPARE(program.active(), QString("Results1"));
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);
        QCOMPARE(program.active(), QString("Results2"));
        QCOMPARE(canalResults.Text3->text(), QString("Breadth......................: 40.00 m"));
        QCOMPARE(canalResults.Text7->text(), QString("Canal width..................: 200 m"));
        QVERIFY(canalResults.MaxShipSpeed->text() != QString(": 12 kts."));

        // Now a width that leaves no water beside the later ship: no result, no message.
        const int messagesBefore = program.platform.messages.size();
        program.forms->activeCase().WaterwayWidth = QStringLiteral("30");
        QTest::mouseClick(program.results(WaterwayKind::DepthRestricted).Command1, Qt::LeftButton);
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);
        QCOMPARE(canalResults.MaxShipSpeed->text(), QString(": N/A"));
        QCOMPARE(canalResults.MaxKavro->text(), QString(": N/A"));
        QCOMPARE(program.platform.messages.size(), messagesBefore);
        for (const QLineEdit *box : canalResults.findChildren<QLineEdit *>()) {
            QVERIFY2(!box->text().contains("nan", Qt::CaseInsensitive), qPrintable(box->text()));
            QVERIFY2(!box->text().contains("inf", Qt::CaseInsensitive), qPrintable(box->text()));
        }
    }
};

QTEST_MAIN(TypicalRoadTest)
#include "test_typical_road.moc"
