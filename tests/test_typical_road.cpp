// The whole program driven by keyboard and mouse, from the main menu to a computed results page,
// and the active case travelling from one kind's input page to another kind's results page.
#include "menu/waterway_choice.h"
#include "results/results_page.h"
#include "support/navigation_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace kavro;

class TypicalRoadTest : public QObject
{
    Q_OBJECT
private slots:
    void typicalRoad()
    {
        NavigationFixture program({QLocale::English, QLocale::UnitedStates}, NavigationFixture::ResultsPages::Real);
        program.open(FormId::Intro);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // Start
        auto &choice = program.forms->as<Forhold>(FormId::Forhold);
        QVERIFY(QTest::qWaitForWindowActive(&choice));
        QTest::mouseClick(choice.Option2, Qt::LeftButton, {}, QPoint(8, choice.Option2->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);   // OK
        auto &canal = program.forms->as<ConditionPage>(FormId::Condition2);
        QVERIFY(QTest::qWaitForWindowActive(&canal));
        for (const QString value : {"10", "10", "32", "0.8", "16", "0.3", "200", "10.5"}) {
            QWidget *box = QApplication::focusWidget();
            QVERIFY(qobject_cast<QLineEdit *>(box));
            QTest::keyClicks(box, value);
            QTest::keyClick(box, Qt::Key_Return);
            QTRY_VERIFY(QApplication::focusWidget() != box);
        }
        QTest::keyClick(canal.Command3, Qt::Key_Return);
        QCOMPARE(program.platform.messages.size(), 1);   // depth 10.5 over draught 10: the lower warning

        auto &canalResults = program.forms->as<ResultsPage>(FormId::Results2);
        QCOMPARE(program.activeName(), QString("Results2"));
        QCOMPARE(canalResults.Text9->text(), QString("Canal depth..................: 10.50 m"));
        // Ac = 200 x 10.5 (narrower than 8.5 breadths), Vmax = (0.2 / 0.0084942)^(1 / 2.08) = 4.566.
        QCOMPARE(canalResults.MaxShipSpeed->text(), QString(": 4 kts."));
        QCOMPARE(canalResults.MaxKavro->text(), QString(": 0.2 m"));

        // A depth-restricted OK with a broader ship: the canal results page, still open, computes the
        // canal method with the width of the canal page's case.
        ConditionPage &depth = program.openPage(WaterwayKind::DepthRestricted);
        const QHash<QString, QString> texts{{"TA", "10"}, {"TF", "10"}, {"B2", "40"}, {"CB", "0.8"},
                                            {"SS", "16"}, {"K", "0.5"},  {"H", "12"}};
        for (const QString &name : texts.keys())
            depth.field(name)->setText(texts[name]);
        QTest::mouseClick(depth.Command3, Qt::LeftButton);
        QCOMPARE(program.activeName(), QString("Results1"));
        QTest::mouseClick(canalResults.Command1, Qt::LeftButton);   // Print activates it first
        QCOMPARE(program.activeName(), QString("Results2"));
        QCOMPARE(canalResults.Text3->text(), QString("Breadth......................: 40.00 m"));
        QCOMPARE(canalResults.Text7->text(), QString("Canal width..................: 200 m"));
        // Ac = 200 x 12, S2 = 400 / 2000, Vmax = 11.626; the depth-restricted method would give 14.
        QCOMPARE(canalResults.MaxShipSpeed->text(), QString(": 11 kts."));
    }
};

QTEST_MAIN(TypicalRoadTest)
#include "test_typical_road.moc"
