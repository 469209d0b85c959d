// The main menu, the choice of waterway kind and the about box: keys, navigation, the end of
// the program, and the program composed as it starts.
#include "app/application.h"
#include "support/navigation_fixture.h"

#include <QPushButton>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::FormId)

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    void tabOrder_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("clicked");   // an option clicked first
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("menu") << FormId::Intro << ""
                              << QStringList{"Command1", "Manual", "Command2", "Command3", "Command1"};
        // The options are one stop for Tab; the disabled OK is none.
        QTest::newRow("choice, nothing chosen")
            << FormId::Forhold << "" << QStringList{"Option1", "Command2", "Option1"};
        QTest::newRow("choice, canal chosen")
            << FormId::Forhold << "Option2" << QStringList{"Option2", "Command1", "Command2", "Option2"};
    }
    void tabOrder()
    {
        QFETCH(FormId, window);
        QFETCH(QString, clicked);
        QFETCH(QStringList, visited);
        Form &form = fixture->open(window);
        if (!clicked.isEmpty())
            QTest::mouseClick(form.findChild<QWidget *>(clicked), Qt::LeftButton, {}, QPoint(5, 5));
        QStringList actual{QApplication::focusWidget()->objectName()};
        while (actual.size() < visited.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            actual << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(actual, visited);
    }

    // Each row starts on the shown menu and gives its keys or clicks in turn.
    void roads_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("ends");
        const QString choose = QStringLiteral("key Return, click Forhold.Option");
        const auto row = [](const char *name, const QString &steps, const QString &visible, int ends) {
            QTest::newRow(name) << steps.split(", ") << QStringList{visible} << ends;
        };
        row("Enter on the menu starts", "key Return", "Forhold", 0);
        row("Esc on the menu ends", "key Escape", "Intro", 1);
        row("Exit ends", "click Intro.Command2", "Intro", 1);
        row("About hides the menu; Esc does nothing there", "click Intro.Command3, key Escape", "Form2", 0);
        // The about box opens on its OK, so that Enter closes it.
        row("About, OK, back to the menu", "click Intro.Command3, key Return", "Intro", 0);
        row("choice: Enter does nothing while OK is disabled", "key Return, key Return", "Forhold", 0);
        row("choice: moving the focus chooses nothing", "key Return, key Down, key Return", "Forhold", 0);
        row("choice: Esc back to the menu", "key Return, key Escape", "Intro", 0);
        row("choice: depth-restricted by Enter", choose + "1, key Return", "Condition1", 0);
        row("choice: channel by OK", choose + "3, click Forhold.Command1", "Condition3", 0);
        row("the last option clicked counts", choose + "3, click Forhold.Option2, key Return", "Condition2", 0);
        // The choice is only hidden: it comes back with canal chosen and OK enabled.
        row("the choice keeps its option", choose + "2, key Return, key Escape, key Return", "Condition2", 0);
    }
    void roads()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, visible);
        QFETCH(int, ends);
        const QHash<QString, Qt::Key> keys{
            {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Down", Qt::Key_Down}};
        fixture->open(FormId::Intro);
        for (const QString &step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const QString what = step.section(' ', 1, 1);
            Form *active = fixture->runtime.activeForm();
            QVERIFY(active);
            QVERIFY(QTest::qWaitForWindowActive(active));
            if (verb == "key") {
                QTest::keyClick(QApplication::focusWidget(), keys.value(what));
            } else {
                QCOMPARE(active->objectName(), what.section('.', 0, 0));
                auto *button = active->findChild<QAbstractButton *>(what.section('.', 1, 1));
                QVERIFY2(button, qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
            }
        }
        QCOMPARE(fixture->visibleNames(), visible);
        QCOMPARE(fixture->activeName(), visible.last());
        QCOMPARE(fixture->platform.endCount, ends);
        QVERIFY(fixture->platform.messages.isEmpty());
    }

    // The program as main() builds it: on its menu, nothing else created.
    void programStartsOnTheMenu()
    {
        fixture.reset();
        Application application;
        application.start();
        Forms &forms = application.forms();
        QVERIFY(forms.existing(FormId::Intro));
        QCOMPARE(forms.runtime().activeForm(), forms.existing(FormId::Intro));
        QVERIFY(!forms.existing(FormId::Forhold));
        QVERIFY(!forms.existing(FormId::About));
        QCOMPARE(forms.paths().manual, AppPaths::standard().manual);
    }

private:
    std::unique_ptr<NavigationFixture> fixture;
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
