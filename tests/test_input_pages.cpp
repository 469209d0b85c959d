// The input pages: Enter moving the focus on, the hint line, Data Base, and OK as the user meets it:
// the message boxes of a refusal, the store into the active case and the switch to the results
// page. Esc: test_navigation; the check's own messages and bounds: test_input_check.
#include "support/navigation_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace kavro;

namespace {

const QString hint = "The specified minimum under-keel clearance represents the clearance required after the kavro "
                     "effect is included.";
constexpr WaterwayKind kinds[] = {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel};

// Moves the pointer without a button to the middle of a control, or over the page itself: the gap
// between the ship-data frame's edge and its labels. Qt drops a move to the point it already
// knows, so a repeated point is nudged by a pixel.
void pointerTo(ConditionPage &page, const QString &target)
{
    static QPoint last;
    const QWidget *widget = page.findChild<QWidget *>(target == "page" ? "ShipFrame" : target);
    QVERIFY2(widget, qPrintable(target));
    QPoint where = widget->mapTo(&page, widget->rect().center());
    if (target == "page")
        where = widget->mapTo(&page, QPoint(4, widget->height() / 2));
    if (page.mapToGlobal(where) == last)
        where += QPoint(1, 1);
    last = page.mapToGlobal(where);
    QTest::mouseMove(page.windowHandle(), where);
}

using Texts = QHash<QString, QString>;
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
    // The boxes in focus order; a star marks those whose Enter first empties the hint line.
    void enterWalksThePage_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("order");
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted << "TA TF* B2* CB* SS K H";
        QTest::newRow("canal") << WaterwayKind::Canal << "TA TF B2* CB* SS K* W* H";
        QTest::newRow("channel") << WaterwayKind::Channel << "TA TF B2* CB* SS K* W* H HB";
    }
    // The page opens in TA; Enter in each box moves on once the key is handled, and from the last
    // box reaches OK.
    void enterWalksThePage()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, order);
        NavigationFixture fixture;
        ConditionPage &page = fixture.openPage(kind);
        for (const QString &step : order.split(' ')) {
            QLineEdit *box = page.field(step.chopped(step.endsWith('*') ? 1 : 0));
            QCOMPARE(QApplication::focusWidget(), box);
            page.Infotekst->setText(hint);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(page.Infotekst->text().isEmpty(), step.endsWith('*'));
            QCOMPARE(QApplication::focusWidget(), box);
            QTRY_VERIFY(QApplication::focusWidget() != box);
        }
        QCOMPARE(QApplication::focusWidget(), page.Command3);
    }

    void hintEvents_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("hintVisible");
        QTest::addColumn<bool>("hintShown");
        const auto row = [](const char *steps, bool visible, bool shown) {
            QTest::newRow(steps) << steps << visible << shown;
        };
        row("move K, move page", false, false);
        row("move K, move page, move K", true, true);
        // Boxes, picture, hint line, buttons and their frame are not the page; the frames' labels are.
        row("move K, move TA, move Picture, move Infotekst, move Command1, move ButtonFrame", true, true);
        row("move K, move LabelSS", false, false);
        row("move K, move WaterwayFrameHeading", false, false);
        row("focus K, move page", true, false);
        row("focus K, move CB, move page", false, false);
        row("move CB, move K", false, true);
        row("move K, focus CB, enter CB, move K", false, true);
        row("focus K, focus TA", false, false);
        row("focus B2, move K, focus TA", false, true);
        row("focus CB, move K, focus SS", false, true);
        row("focus TA, move K, focus TF, focus SS, focus H, focus TA", true, true);
        row("focus SS, enter SS", true, false);   // the focus comes to K
        row("focus K, move TA, move Picture", true, false);
        // Another window taking the activation is no move of the focus inside the page.
        row("focus K, deactivate, reactivate", true, false);
        row("focus K, move CB, move page, deactivate, reactivate", false, false);
    }
    // Each row runs on all three pages: the hint behaves the same on each.
    void hintEvents()
    {
        QFETCH(QString, steps);
        QFETCH(bool, hintVisible);
        for (const WaterwayKind kind : kinds) {
            NavigationFixture fixture;
            ConditionPage &page = fixture.openPage(kind);
            Form &menu = fixture.forms->form(FormId::Intro);
            for (const QString &step : steps.split(", ")) {
                const QString verb = step.section(' ', 0, 0);
                const QString target = step.section(' ', 1);
                if (verb == "move") {
                    pointerTo(page, target);
                } else if (verb == "focus") {
                    page.field(target)->setFocus(Qt::MouseFocusReason);
                } else if (verb == "enter") {
                    QTest::keyClick(page.field(target), Qt::Key_Return);
                    QCoreApplication::processEvents();   // the queued Tab moves the focus on
                } else {
                    (verb == "deactivate" ? menu.Show() : menu.Hide());
                    QVERIFY(QTest::qWaitForWindowActive(verb == "deactivate" ? &menu : &page));
                }
            }
            QCOMPARE(page.Infotekst->text(), hintVisible ? hint : QString());
            QTEST(page.hintShown(), "hintShown");
        }
    }

    // Data Base, pressed twice, opens the page's one database page on top; the input page stays.
    void dataBase()
    {
        for (const WaterwayKind kind : kinds) {
            NavigationFixture fixture;
            ConditionPage &page = fixture.openPage(kind);
            for (int press = 0; press < 2; ++press)
                QTest::mouseClick(page.Command1, Qt::LeftButton);
            Form *database = fixture.forms->existing(databasePageOf(kind));
            QCOMPARE(fixture.runtime.activeForm(), database);
            QCOMPARE(fixture.runtime.visibleForms(), (QList<Form *>{&page, database}));
        }
    }

    void refusal_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Texts>("changes");
        QTest::addColumn<QStringList>("messages");   // title|text
        QTest::newRow("the program's title") << WaterwayKind::Canal << Texts{{"B2", "10"}, {"W", "9.9"}}
            << QStringList{"Kavro|The input of canal width or ship breadth is illegal."};
        QTest::newRow("a warning, then a refusal") << WaterwayKind::DepthRestricted << Texts{{"H", "10.5"}, {"CB", "0.95"}}
            << QStringList{" |WARNING: The static depth-to-draught ratio is less than 1.1. This is below the minimum "
                           "static under-keel clearance for which the kavro prediction method is primarily valid. "
                           "Please note that this can increase the uncertainty of the calculated results and should "
                           "be compensated for by an increase of the specified minimum under-keel clearance in order "
                           "to stay on the safe side.",
                           " |The input of block coefficient is out of valid range."};
    }
    // Nothing stored, nothing shown or hidden, no box changed.
    void refusal()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Texts, changes);
        NavigationFixture fixture;
        ConditionPage &page = pressOk(fixture, kind, changes);
        QStringList shown;
        for (const RecordedMessage &m : fixture.platform.messages) {
            QCOMPARE(m.icon, MessageIcon::Stop);
            shown << m.title + "|" + m.text;
        }
        QTEST(shown, "messages");
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
        QTest::newRow("depth stays beneath") << WaterwayKind::DepthRestricted << english
                                             << "10.00 9.5 20.0 .70 0.50 12.5 old old" << 10.5 << "Condition1 Results1";
        QTest::newRow("channel makes way") << WaterwayKind::Channel << english
                                           << "10.00 9.5 20.0 .70 0.50 12.5 40 11.0" << 10.5 << "Results3";
        QTest::newRow("decimal comma") << WaterwayKind::Channel << german << "10 9,5 20 0,7 0,5 12,5 40,0 11" << 12.25
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
