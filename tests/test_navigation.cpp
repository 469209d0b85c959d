// The main menu, the choice of waterway kind and the about box: keys, navigation, the manual,
// the end of the program, and the program composed as it starts.
#include "app/application.h"
#include "menu/main_menu.h"
#include "support/navigation_fixture.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    // Each row starts on the shown menu and gives its keys, Tabs or clicks in turn; "@" names the
    // control that must hold the focus at that point.
    void roads_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<int>("ends");
        const auto row = [](const char *name, const QString &steps, const char *visible, int ends = 0) {
            QTest::newRow(name) << steps << visible << ends;
        };
        const QString choose = "Return, @Option1, click Option";
        row("menu Tab order", "@Command1, Tab, @Manual, Tab, @Command2, Tab, @Command3, Tab, @Command1", "Intro");
        // The options are one stop for Tab; the disabled OK is none.
        row("choice Tab order, nothing chosen", "Return, @Option1, Tab, @Command2, Tab, @Option1", "Forhold");
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
        // The choice is only hidden: it comes back with canal chosen and OK enabled.
        row("the choice keeps its option", choose + "2, Return, Escape, Return", "Condition2");
    }
    void roads()
    {
        QFETCH(QString, steps);
        const QHash<QString, Qt::Key> keys{
            {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Down", Qt::Key_Down}, {"Tab", Qt::Key_Tab}};
        NavigationFixture fixture;
        fixture.open(FormId::Intro);
        for (const QString &step : steps.split(", ")) {
            Form *active = fixture.runtime.activeForm();
            QVERIFY(active && QTest::qWaitForWindowActive(active));
            if (step.startsWith('@')) {
                QCOMPARE(QApplication::focusWidget()->objectName(), step.mid(1));
            } else if (step.startsWith("click ")) {
                auto *button = active->findChild<QAbstractButton *>(step.mid(6));
                QVERIFY2(button, qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
            } else {
                QVERIFY2(keys.contains(step), qPrintable(step));
                QTest::keyClick(QApplication::focusWidget(), keys[step]);
            }
        }
        QTEST(fixture.visibleNames().join(' '), "visible");
        QTEST(fixture.activeName(), "visible");
        QTEST(fixture.platform.endCount, "ends");
        QVERIFY(fixture.platform.messages.isEmpty());
    }

    void manual_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("viewerStarts");
        QTest::addColumn<QString>("message");
        QTest::newRow("twice, twice started") << true << true << "";
        QTest::newRow("no manual") << false << true << "could not be found";
        QTest::newRow("no viewer") << true << false << "No program could be started";
    }
    // Manual by click and by Alt+M; the viewer runs beside the menu, which stays shown and usable.
    void manual()
    {
        QFETCH(bool, fileThere);
        QFETCH(QString, message);
        NavigationFixture fixture;
        const QString path = fixture.forms->paths().manual;
        QVERIFY(fileThere || QFile::remove(path));
        QFETCH(bool, viewerStarts);
        fixture.platform.startSucceeds = viewerStarts;
        auto &menu = fixture.open<Intro>(FormId::Intro);
        QTest::mouseClick(menu.Manual, Qt::LeftButton);
        QTest::keyClick(menu.windowHandle(), Qt::Key_M, Qt::AltModifier);
        const QStringList command{"xdg-open", path};
        QTRY_COMPARE(fixture.platform.started, (fileThere ? QList<QStringList>{command, command} : QList<QStringList>()));
        QTRY_COMPARE(fixture.platform.messages.size(), message.isEmpty() ? 0 : 2);
        for (const RecordedMessage &m : fixture.platform.messages) {
            QCOMPARE(m.icon, MessageIcon::Stop);
            QCOMPARE(m.title, kProgramTitle);
            QVERIFY2(m.text.contains(message) && m.text.contains(path), qPrintable(m.text));
        }
        QCOMPARE(fixture.activeName(), QString("Intro"));
        QCOMPARE(fixture.platform.endCount, 0);
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
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
