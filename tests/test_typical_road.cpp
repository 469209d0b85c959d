// The typical road through the whole program by keyboard and mouse: Start, a canal chosen, the
// canal input page typed with Enter, OK past a ratio warning, its results page computed and
// printed, New Calculation back to the page as typed, OK again and Exit.
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
        NavigationFixture program;
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
        auto &results = program.forms->as<ResultsPage>(FormId::Results2);
        for (int ok = 1;; ++ok) {
            QTest::keyClick(canal.Command3, Qt::Key_Return);
            QCOMPARE(program.platform.messages.size(), ok);   // depth 10.5 over draught 10: the lower warning
            QCOMPARE(program.visibleNames(), (QStringList{"Condition2", "Results2"}));
            QCOMPARE(program.activeName(), QString("Results2"));
            // Ac = 200 x 10.5 (narrower than 8.5 breadths), Vmax = (0.2 / 0.0084942)^(1 / 2.08) = 4.566.
            QCOMPARE(results.MaxShipSpeed->text(), QString(": 4 kts."));
            QTest::mouseClick(results.Command1, Qt::LeftButton);   // Print
            QCOMPARE(program.platform.printed.size(), ok);
            if (ok == 2)
                break;
            QTest::mouseClick(results.Command2, Qt::LeftButton);   // New Calculation
            QCOMPARE(program.visibleNames(), QStringList{"Condition2"});
        }
        QTest::mouseClick(results.Command3, Qt::LeftButton);   // Exit
        QCOMPARE(program.platform.endCount, 1);
    }
};

QTEST_MAIN(TypicalRoadTest)
#include "test_typical_road.moc"
