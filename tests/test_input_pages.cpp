// The input pages: Enter moving the focus on, the hint line, and OK as the user meets it: the
// message boxes of a refusal, the store into the active case and the switch to the results page.
// Esc: test_navigation; Data Base: the archive tests; the check's own messages and bounds:
// test_input_check.
#include "support/navigation_fixture.h"

#include <QLabel>

using namespace kavro;

namespace {

const QString hint = "The specified minimum under-keel clearance represents the clearance required after the kavro "
                     "effect is included.";
const QLocale german(QLocale::German, QLocale::Germany);

// Passes every check on every kind: T = 10, ratio 1.25, clearance 2.5, width 40 over breadth 20.
const Texts validCase{{"TA", "10.00"}, {"TF", "9.5"}, {"B2", "20.0"}, {"CB", ".70"}, {"SS", "10.5"},
                      {"K", "0.50"},   {"W", "40"},   {"H", "12.5"}, {"HB", "11.0"}};
const Texts germanCase{{"TA", "10"}, {"TF", "9,5"}, {"B2", "20"},   {"CB", "0,7"}, {"SS", "12,25"},
                       {"K", "0,5"}, {"W", "40,0"}, {"H", "12,5"}, {"HB", "11"}};

// Opens the page on a fresh program, types the case with the changes into its empty boxes and presses OK.
ConditionPage &pressOk(NavigationFixture &fixture, WaterwayKind kind, const Texts &changes)
{
    ConditionPage &page = fixture.openPage(kind);
    const Texts &typed = fixture.forms->numbers().locale().language() == QLocale::German ? germanCase : validCase;
    for (const QString &name : page.fieldNames())
        QTest::keyClicks(page.field(name), changes.value(name, typed[name]));
    QTest::mouseClick(page.Command3, Qt::LeftButton);
    return page;
}

} // namespace

class InputPagesTest : public QObject
{
    Q_OBJECT
private slots:
    // The page opens in TA; Enter in each box moves on once the key is handled, and from the last
    // box reaches OK. A star marks the boxes whose Enter first empties the hint line. Then the
    // clearance's hint shows when K takes the focus, and when the pointer passes over K.
    void enterWalksThePageAndHintOnK()
    {
        NavigationFixture fixture;
        ConditionPage &page = fixture.openPage(Channel);
        for (const QString &step : QString("TA TF B2* CB* SS K* W* H HB").split(' ')) {
            QLineEdit *box = page.field(step.chopped(step.endsWith('*') ? 1 : 0));
            QCOMPARE(QApplication::focusWidget(), box);
            page.Infotekst->setText(hint);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(page.Infotekst->text().isEmpty(), step.endsWith('*'));
            QCOMPARE(QApplication::focusWidget(), box);
            QTRY_VERIFY(QApplication::focusWidget() != box);
        }
        QCOMPARE(QApplication::focusWidget(), page.Command3);
        page.Infotekst->clear();
        page.K->setFocus(Qt::MouseFocusReason);
        QCOMPARE(page.Infotekst->text(), hint);
        QVERIFY(!page.hintShown());
        page.Infotekst->clear();
        QTest::mouseMove(page.windowHandle(), page.K->mapTo(&page, page.K->rect().center()));
        QCOMPARE(page.Infotekst->text(), hint);
        QVERIFY(page.hintShown());
    }

    // A refusal with the program's title: nothing stored, nothing shown or hidden, no box changed.
    // A warning before a refusal goes through the database pages' OK (test_take_over), which shows
    // a check's messages alike.
    void refusal()
    {
        const Texts changes{{"B2", "10"}, {"W", "9.9"}};
        NavigationFixture fixture;
        ConditionPage &page = pressOk(fixture, Canal, changes);
        QCOMPARE(fixture.messageTexts(), QStringList{"The input of canal width or ship breadth is illegal."});
        QVERIFY(fixture.platform.allShownAs(MessageIcon::Stop, "Kavro"));
        QCOMPARE(fixture.forms->activeCase().DraughtAft, QString());
        QCOMPARE(fixture.visibleNames(), QStringList{page.objectName()});
        for (const QString &name : changes.keys())
            QCOMPARE(page.fieldText(name), changes[name]);
    }

    void accepted_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");   // TA TF B2 CB K H W HB; the fields a kind lacks keep "old"
        // The canal page: test_navigation's typical road.
        QTest::addColumn<double>("speed");
        QTest::addColumn<QString>("visible");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("depth stays beneath") << Depth << english
                                             << "10.00 9.5 20.0 .70 0.50 12.5 old old" << 10.5 << "Condition1 Results1";
        QTest::newRow("decimal comma") << Channel << german << "10 9,5 20 0,7 0,5 12,5 40,0 11" << 12.25
                                       << "Results3";
    }
    // Texts are stored as typed, only the speed is converted; the results page of the kind is active.
    void accepted()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        NavigationFixture fixture(locale);
        ActiveCase &activeCase = fixture.forms->activeCase();
        activeCase = {"old", "old", "old", "old", "old", "old", "old", "old", -1.0};
        pressOk(fixture, kind, {});
        QVERIFY(fixture.platform.messages.isEmpty());
        const QStringList stored{activeCase.DraughtAft, activeCase.DraughtFore, activeCase.Breadth,
                                 activeCase.BlockCoefficient, activeCase.MinUkc, activeCase.WaterDepth,
                                 activeCase.WaterwayWidth, activeCase.NaturalDepth};
        QTEST(stored.join(' '), "stored");
        QTEST(activeCase.ServiceSpeed, "speed");
        QTEST(fixture.visibleNames().join(' '), "visible");
        QCOMPARE(fixture.runtime.activeForm(), fixture.forms->existing(resultsPageOf(kind)));
    }
};

QTEST_MAIN(InputPagesTest)
#include "test_input_pages.moc"
