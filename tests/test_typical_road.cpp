// The whole program driven by keyboard and mouse, from the main menu to a computed results page,
// and the active case travelling from one kind's input page to another kind's results page.
#include "app/application.h"
#include "menu/waterway_choice.h"
#include "menu/main_menu.h"
#include "input/condition_page.h"
#include "results/results_page.h"
#include "support/recording_platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kavro;

namespace {

// A case every kind accepts; a canal 200 m wide is narrower than this ship's width of influence.
const QHash<QString, QString> kCase{{"TA", "10"}, {"TF", "10"}, {"B2", "32"}, {"CB", "0.8"},
                                    {"SS", "16"}, {"K", "0.5"},  {"W", "200"}, {"H", "12"}};

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
    // Shows the page, fills it with the case as changed and presses OK.
    void enter(WaterwayKind kind, const QHash<QString, QString> &changes = {})
    {
        ConditionPage &page = input(kind);
        page.Show();
        for (const QString &name : page.fieldNames())
            page.field(name)->setText(changes.value(name, kCase.value(name)));
        QTest::mouseClick(page.Command3, Qt::LeftButton);
    }

    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

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

        ResultsPage &results = program.results(WaterwayKind::Canal);
        QCOMPARE(program.active(), QString("Results2"));
        QCOMPARE(results.Text7->text(), QString("Canal width..................: 200 m"));
        QCOMPARE(results.Text9->text(), QString("Canal depth..................: 10.50 m"));
        QCOMPARE(results.MaxKavro->text(), QString(": 0.2 m"));
    }

    // A depth-restricted OK with a larger ship: the still open canal results page computes the
    // canal method with the width of the canal page's earlier case.
    void canalResultsKeepTheEarlierCanalWidth()
    {
        Program program;
        program.enter(WaterwayKind::Canal);
        ResultsPage &canalResults = program.results(WaterwayKind::Canal);
        QCOMPARE(canalResults.MaxShipSpeed->text(), QString(": 12 kts."));

        program.enter(WaterwayKind::DepthRestricted, {{"B2", "40"}});
        QCOMPARE(program.active(), QString("Results1"));
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);   // Print activates it first
        QCOMPARE(program.active(), QString("Results2"));
        QCOMPARE(canalResults.Text3->text(), QString("Breadth......................: 40.00 m"));
        QCOMPARE(canalResults.Text7->text(), QString("Canal width..................: 200 m"));
        QVERIFY(canalResults.MaxShipSpeed->text() != QString(": 12 kts."));
    }
};

QTEST_MAIN(TypicalRoadTest)
#include "test_typical_road.moc"
