// The main menu, the choice of waterway kind, the about box and every window's close box: keys,
// navigation, the end of the program, the program composed as it starts, and the typical road.
#include "app/application.h"
#include "results/results_page.h"
#include "support/navigation_fixture.h"

using namespace kavro;

namespace {

// Keys, Tabs, clicks or the close box in turn on the active window; "@" names the control that must
// hold the focus at that point, "TA=12" what a box must show, "type" types into the focused box and
// moves on with Enter.
void walk(NavigationFixture &fixture, const QString &steps)
{
    const QHash<QString, Qt::Key> keys{
        {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Down", Qt::Key_Down}, {"Tab", Qt::Key_Tab}};
    for (const QString &step : steps.split(", ")) {
        Form *active = fixture.runtime.activeForm();
        QVERIFY(active && QTest::qWaitForWindowActive(active));
        QWidget *focus = QApplication::focusWidget();
        if (step.startsWith('@')) {
            QCOMPARE(focus->objectName(), step.mid(1));
        } else if (step.contains('=')) {
            const auto *box = active->findChild<QLineEdit *>(step.section('=', 0, 0));
            QVERIFY2(box, qPrintable(step));
            QCOMPARE(box->text(), step.section('=', 1));
        } else if (step == "close") {
            active->close();
        } else if (step.startsWith("click ")) {
            auto *button = active->findChild<QAbstractButton *>(step.mid(6));
            QVERIFY2(button, qPrintable(step));
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        } else if (step.startsWith("type ")) {
            QTest::keyClicks(focus, step.mid(5));
            QTest::keyClick(focus, Qt::Key_Return);
            QTRY_VERIFY(QApplication::focusWidget() != focus);
        } else {
            QVERIFY2(keys.contains(step), qPrintable(step));
            QTest::keyClick(focus, keys[step]);
        }
    }
}

} // namespace

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    // Each row starts on the shown menu.
    void roads_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("ends");
        const auto row = [](const char *name, const QString &steps, const char *visible, int ends = 0) {
            QTest::newRow(name) << steps << visible << ends;
        };
        const QString choose = "Return, @Option1, click Option";
        const QString channelOk = choose + "3, Return, type 10.00, type 9.5, type 20.0, type .70, type 10.5, "
                                           "type 0.50, type 40, type 12.5, type 11.0, @Command3, Return";
        // The options are one stop for Tab.
        row("choice Tab order, canal chosen",
            choose + "2, @Option2, Tab, @Command1, Tab, @Command2, Tab, @Option2",
            "Forhold");
        row("Esc on the menu ends", "Escape", "Intro", 1);
        row("About hides the menu; Esc does nothing there", "click Command3, Escape", "Form2");
        // The about box opens on its OK, so that Enter closes it.
        row("About, OK, back to the menu", "click Command3, Return", "Intro");
        row("choice: Enter does nothing while OK is disabled", "Return, Return", "Forhold");
        row("choice: moving the focus chooses nothing", "Return, Down, Return", "Forhold");
        row("choice: Esc back to the menu", "Return, Escape", "Intro");
        row("input page: Esc back to the choice", choose + "3, Return, Escape", "Forhold");
        row("choice: depth-restricted by Enter", choose + "1, Return", "Condition1");
        row("choice: channel by OK", choose + "3, click Command1", "Condition3");
        row("the last option clicked counts", choose + "3, click Option2, Return", "Condition2");
        // A close box goes back the way the window's own button does; only the menu's ends the
        // program, and what was typed stays.
        row("close box of the menu ends", "close", "Intro", 1);
        row("close box of the about box", "click Command3, close", "Intro");
        row("close box of the choice", "Return, close", "Intro");
        // The choice is only hidden: it comes back with canal chosen and OK enabled.
        row("close box of an input page", choose + "2, Return, type 12, close, @Option2, Return, TA=12", "Condition2");
        row("close box of a results page", channelOk + ", close, TA=10.00, HB=11.0", "Condition3");
        row("close box of the validity page", channelOk + ", click Command4, close", "Results3");
    }
    void roads()
    {
        QFETCH(QString, steps);
        NavigationFixture fixture;
        fixture.open(FormId::Intro);
        walk(fixture, steps);
        QTEST(fixture.visibleNames().join(' '), "visible");
        QTEST(fixture.activeName(), "visible");
        QTEST(fixture.platform.endCount, "ends");
        QVERIFY(fixture.platform.messages.isEmpty());
    }

    // The program as main() builds it: on its menu, nothing else created.
    void programStartsOnTheMenu()
    {
        Application application;
        application.start();
        Forms &forms = application.forms();
        QVERIFY(forms.existing(FormId::Intro) && !forms.existing(FormId::Forhold) && !forms.existing(FormId::About));
        QCOMPARE(forms.runtime().activeForm(), forms.existing(FormId::Intro));
        QCOMPARE(forms.paths().manual, AppPaths::standard().manual);
    }

    // The typical road by keyboard and mouse: Start, a canal chosen, the canal input page typed with
    // Enter, OK past a ratio warning, its results page computed and printed, New Calculation back to
    // the page as typed, OK again and Exit.
    void typicalRoad()
    {
        NavigationFixture program;
        program.open(FormId::Intro);
        walk(program, "Return, click Option2, Return, @TA, type 10, type 10, type 32, type 0.8, type 16, type 0.3, "
                      "type 200, type 10.5, @Command3, Return");
        auto &results = program.forms->as<ResultsPage>(FormId::Results2);
        for (int ok = 1;; ++ok) {
            QCOMPARE(program.platform.messages.size(), ok);   // depth 10.5 over draught 10: the lower warning
            QCOMPARE(program.visibleNames(), (QStringList{"Condition2", "Results2"}));
            QCOMPARE(program.activeName(), QString("Results2"));
            // Ac = 200 x 10.5 (narrower than 8.5 breadths), Vmax = (0.2 / 0.0084942)^(1 / 2.08) = 4.566.
            QCOMPARE(results.MaxShipSpeed->text(), QString(": 4 kts."));
            walk(program, "click Command1");   // Print
            QCOMPARE(program.platform.printed.size(), ok);
            if (ok == 2)
                break;
            walk(program, "click Command2");   // New Calculation
            QCOMPARE(program.visibleNames(), QStringList{"Condition2"});
            walk(program, "click Command3");   // OK
        }
        walk(program, "click Command3");   // Exit
        QCOMPARE(program.platform.endCount, 1);
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
