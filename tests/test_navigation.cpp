// The main menu, the choice of waterway kind and the about box: keys, navigation, the manual,
// the end of the program, and the program composed as it starts.
#include "app/application.h"
#include "app/forhold.h"
#include "app/form2.h"
#include "app/intro.h"
#include "input/condition_page.h"
#include "support/navigation_fixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::FormId)

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    void menuTabOrder()
    {
        Form &menu = fixture->forms->form(FormId::Intro);
        menu.Show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Command1", "Manual", "Command2", "Command3", "Command1"}));
    }

    // The options come first in the focus order; as one group they are one stop for Tab, and the
    // arrow keys move between them.
    void choiceKeys()
    {
        auto &choice = fixture->forms->as<Forhold>(FormId::Forhold);
        QList<QWidget *> chain;
        for (QWidget *w = choice.Option1; chain.size() < 5; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w;
        QCOMPARE(chain, (QList<QWidget *>{choice.Option1, choice.Option2, choice.Option3, choice.Command1,
                                          choice.Command2}));
        choice.Show();
        QVERIFY(QTest::qWaitForWindowActive(&choice));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Option1", "Command2", "Option1"}));   // OK is still disabled
        QVERIFY(!choice.Command1->isEnabled());

        // Moving the focus alone chooses nothing; Space does, and from a chosen option the arrows
        // carry the choice along.
        QTest::keyClick(choice.Option1, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), choice.Option2);
        QVERIFY(!choice.Option2->isChecked());
        QVERIFY(!choice.Command1->isEnabled());
        QTest::keyClick(choice.Option2, Qt::Key_Space);
        QVERIFY(choice.Option2->isChecked());
        QVERIFY(choice.Command1->isEnabled());
        QTest::keyClick(choice.Option2, Qt::Key_Down);
        QVERIFY(choice.Option3->isChecked());
        QTest::keyClick(choice.Option3, Qt::Key_Up);
        QVERIFY(choice.Option2->isChecked());
        visited = QStringList{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Option2", "Command1", "Command2", "Option2"}));
        QTest::keyClick(choice.Option2, Qt::Key_Return);
        QCOMPARE(fixture->activeName(), QString("Condition2"));
    }

    // Each row starts on the shown menu and gives its keys or clicks in turn.
    void roads_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("ends");
        QTest::newRow("Enter on the menu starts") << QStringList{"key Return"} << QStringList{"Forhold"} << 0;
        QTest::newRow("Esc on the menu ends") << QStringList{"key Escape"} << QStringList{"Intro"} << 1;
        QTest::newRow("Alt+S starts") << QStringList{"alt S"} << QStringList{"Forhold"} << 0;
        QTest::newRow("Alt+X ends") << QStringList{"alt X"} << QStringList{"Intro"} << 1;
        QTest::newRow("Exit ends") << QStringList{"click Intro.Command2"} << QStringList{"Intro"} << 1;
        QTest::newRow("About hides the menu") << QStringList{"click Intro.Command3"} << QStringList{"Form2"} << 0;
        QTest::newRow("About, OK, back to the menu")
            << QStringList{"click Intro.Command3", "click Form2.Command1"} << QStringList{"Intro"} << 0;
        QTest::newRow("choice: Enter does nothing while OK is disabled")
            << QStringList{"key Return", "key Return"} << QStringList{"Forhold"} << 0;
        QTest::newRow("choice: Esc back to the menu")
            << QStringList{"key Return", "key Escape"} << QStringList{"Intro"} << 0;
        QTest::newRow("choice: Alt+C back to the menu")
            << QStringList{"key Return", "alt C"} << QStringList{"Intro"} << 0;
        QTest::newRow("choice: depth-restricted")
            << QStringList{"key Return", "click Forhold.Option1", "key Return"} << QStringList{"Condition1"} << 0;
        QTest::newRow("choice: canal by Alt+O")
            << QStringList{"key Return", "click Forhold.Option2", "alt O"} << QStringList{"Condition2"} << 0;
        QTest::newRow("choice: channel by OK")
            << QStringList{"key Return", "click Forhold.Option3", "click Forhold.Command1"} << QStringList{"Condition3"}
            << 0;
        QTest::newRow("the last option clicked counts")
            << QStringList{"key Return", "click Forhold.Option3", "click Forhold.Option2", "key Return"}
            << QStringList{"Condition2"} << 0;
        QTest::newRow("input page Cancel back to the choice")
            << QStringList{"key Return", "click Forhold.Option1", "key Return", "click Condition1.Command2"}
            << QStringList{"Forhold"} << 0;
        QTest::newRow("and the choice's Cancel back to the menu")
            << QStringList{"key Return", "click Forhold.Option1", "key Return", "key Escape", "key Escape"}
            << QStringList{"Intro"} << 0;
        QTest::newRow("the way round again")
            << QStringList{"key Return", "click Forhold.Option2", "key Return", "key Escape", "key Escape",
                           "key Return", "key Return"}
            << QStringList{"Condition2"} << 0;
    }
    void roads()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, visible);
        QFETCH(int, ends);
        Form &menu = fixture->forms->form(FormId::Intro);
        menu.Show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        for (const QString &step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const QString what = step.section(' ', 1, 1);
            Form *active = fixture->runtime.activeForm();
            QVERIFY(active);
            QVERIFY(QTest::qWaitForWindowActive(active));
            if (verb == "key") {
                QTest::keyClick(QApplication::focusWidget(), what == "Return" ? Qt::Key_Return : Qt::Key_Escape);
            } else if (verb == "alt") {
                const int count = fixture->platform.endCount;
                const QStringList before = fixture->visibleNames();
                QTest::keyClick(active->windowHandle(), Qt::Key(Qt::Key_A + (what.at(0).unicode() - 'A')),
                                Qt::AltModifier);
                QTRY_VERIFY(fixture->visibleNames() != before || fixture->platform.endCount != count);
            } else if (verb == "click") {
                Form *form = nullptr;
                for (Form *f : fixture->runtime.visibleForms())
                    if (f->objectName() == what.section('.', 0, 0))
                        form = f;
                QVERIFY2(form, qPrintable(step));
                auto *button = form->findChild<QAbstractButton *>(what.section('.', 1, 1));
                QVERIFY2(button, qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
            }
        }
        QCOMPARE(fixture->visibleNames(), visible);
        QCOMPARE(fixture->activeName(), visible.last());
        QCOMPARE(fixture->platform.endCount, ends);
        QVERIFY(fixture->platform.messages.isEmpty());
    }

    // OK stays disabled until an option is clicked and never goes back; the choice keeps it.
    void choiceKeepsItsState()
    {
        auto &choice = fixture->forms->as<Forhold>(FormId::Forhold);
        choice.Show();
        QVERIFY(QTest::qWaitForWindowActive(&choice));
        QVERIFY(!choice.Command1->isEnabled());
        QVERIFY(!choice.Option1->isChecked() && !choice.Option2->isChecked() && !choice.Option3->isChecked());
        QCOMPARE(QApplication::focusWidget(), choice.Option1);
        QTest::keyClick(choice.Option1, Qt::Key_Return);
        QCOMPARE(fixture->visibleNames(), QStringList{"Forhold"});

        QTest::mouseClick(choice.Option2, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(choice.Command1->isEnabled());
        QTest::mouseClick(choice.Command1, Qt::LeftButton);
        auto &canal = fixture->forms->as<ConditionPage>(FormId::Condition2);
        canal.B2->setText("24");
        QTest::mouseClick(canal.Command2, Qt::LeftButton);
        QCOMPARE(fixture->activeName(), QString("Forhold"));
        QVERIFY(choice.Option2->isChecked() && !choice.Option1->isChecked() && !choice.Option3->isChecked());
        QVERIFY(choice.Command1->isEnabled());
        QTest::mouseClick(choice.Command1, Qt::LeftButton);
        QCOMPARE(fixture->activeName(), QString("Condition2"));
        QCOMPARE(canal.B2->text(), QString("24"));
    }

    void manual_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("viewerStarts");
        QTest::addColumn<int>("starts");
        QTest::addColumn<QString>("message");
        QTest::newRow("twice, twice started") << true << true << 2 << "";
        QTest::newRow("no manual") << false << true << 0 << "could not be found";
        QTest::newRow("no viewer") << true << false << 2 << "No program could be started";
    }
    // The viewer runs beside the menu, which stays shown and usable.
    void manual()
    {
        QFETCH(bool, fileThere);
        QFETCH(bool, viewerStarts);
        QFETCH(int, starts);
        QFETCH(QString, message);
        const QString path = fixture->forms->paths().manual;
        if (!fileThere)
            QVERIFY(QFile::remove(path));
        fixture->platform.startSucceeds = viewerStarts;
        auto &menu = fixture->forms->as<Intro>(FormId::Intro);
        menu.Show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::mouseClick(menu.Manual, Qt::LeftButton);
        QTest::keyClick(menu.windowHandle(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(fileThere ? fixture->platform.started.size() : fixture->platform.messages.size(), qsizetype(2));
        QCOMPARE(fixture->platform.started.size(), starts);
        for (const QStringList &command : fixture->platform.started)
            QCOMPARE(command, (QStringList{"xdg-open", path}));
        if (message.isEmpty()) {
            QVERIFY(fixture->platform.messages.isEmpty());
        } else {
            QCOMPARE(fixture->platform.messages.size(), 2);
            for (const RecordedMessage &m : fixture->platform.messages) {
                QCOMPARE(m.icon, MessageIcon::Stop);
                QCOMPARE(m.title, kProgramTitle);
                QVERIFY2(m.text.contains(message) && m.text.contains(path), qPrintable(m.text));
            }
        }
        QCOMPARE(fixture->visibleNames(), QStringList{"Intro"});
        QCOMPARE(fixture->activeName(), QString("Intro"));
        QCOMPARE(fixture->platform.endCount, 0);
    }

    // The close box hides; the program ends once none of its windows is visible.
    void closeBox_data()
    {
        QTest::addColumn<QStringList>("show");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("ends");
        QTest::newRow("the menu alone") << QStringList{"Intro"} << "Intro" << QStringList{} << 1;
        QTest::newRow("the about box alone") << QStringList{"About"} << "About" << QStringList{} << 1;
        QTest::newRow("the choice alone") << QStringList{"Forhold"} << "Forhold" << QStringList{} << 1;
        QTest::newRow("input page over its results")
            << QStringList{"Results1", "Condition1"} << "Condition1" << QStringList{"Results1"} << 0;
        QTest::newRow("menu beside an input page") << QStringList{"Intro", "Condition3"} << "Intro"
                                                      << QStringList{"Condition3"} << 0;
    }
    void closeBox()
    {
        QFETCH(QStringList, show);
        QFETCH(QString, close);
        QFETCH(QStringList, visible);
        QFETCH(int, ends);
        const QHash<QString, FormId> ids{{"Intro", FormId::Intro},         {"About", FormId::About},
                                         {"Forhold", FormId::Forhold},     {"Condition1", FormId::Condition1},
                                         {"Condition3", FormId::Condition3}, {"Results1", FormId::Results1}};
        for (const QString &name : show)
            fixture->forms->form(ids.value(name)).Show();
        Form &closed = fixture->forms->form(ids.value(close));
        closed.close();
        QVERIFY(!closed.isVisible());
        QCOMPARE(fixture->visibleNames(), visible);
        QCOMPARE(fixture->platform.endCount, ends);
    }

    void aboutBox()
    {
        auto &about = fixture->forms->as<Form2>(FormId::About);
        QCOMPARE(about.Frame1->title(), QString("Zev Kavro"));
        QVERIFY(about.Document1->toPlainText().contains("Barrass"));
        QCOMPARE(about.Command1->text(), QString("OK"));
        QCOMPARE(about.defaultButton(), nullptr);
        QCOMPARE(about.cancelButton(), nullptr);
        about.Show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(fixture->visibleNames(), QStringList{"Form2"});
        // The box opens on its OK, so that Enter closes it.
        QCOMPARE(QApplication::focusWidget(), about.Command1);
        QTest::keyClick(about.Command1, Qt::Key_Return);
        QCOMPARE(fixture->visibleNames(), QStringList{"Intro"});
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
        forms.as<Intro>(FormId::Intro).Command1->click();
        QCOMPARE(forms.runtime().activeForm()->objectName(), QString("Forhold"));
    }

private:
    std::unique_ptr<NavigationFixture> fixture;
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
