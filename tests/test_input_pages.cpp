// The input pages: Enter moving the focus on, the hint line, Esc and Data Base.
#include "input/condition_page.h"
#include "support/navigation_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)

namespace {

const QString hint = QStringLiteral(
    "The specified minimum under-keel clearance represents the clearance required after the kavro effect is included.");

const QList<std::pair<const char *, WaterwayKind>> kinds{{"depth-restricted", WaterwayKind::DepthRestricted},
                                                         {"canal", WaterwayKind::Canal},
                                                         {"channel", WaterwayKind::Channel}};

void kindRows()
{
    QTest::addColumn<WaterwayKind>("kind");
    for (const auto &[name, kind] : kinds)
        QTest::newRow(name) << kind;
}

QPoint centreInWindow(const QWidget *widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

// Moves the pointer without a button. Qt drops a move to the point it already knows, so a
// repeated point is nudged by a pixel.
void pointerTo(QWidget &window, QPoint where)
{
    static QPoint last(-1, -1);
    if (window.mapToGlobal(where) == last)
        where += QPoint(1, 1);
    last = window.mapToGlobal(where);
    QTest::mouseMove(window.windowHandle(), where);
}

// A point over the page itself: the gap between the ship-data frame's edge and its labels.
QPoint pageSpot(const ConditionPage &page)
{
    const QRectF frame = page.geometryTwips(page.findChild<QWidget *>("ShipFrame"));
    return QPoint(int((frame.left() + 60) / 15), int((frame.top() + 1200) / 15));
}

} // namespace

class InputPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    // The Enter table: every box moves the focus on, in the focus order; the listed ones first
    // empty the hint line.
    void enterWalksThePage_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("clears");
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted
                                          << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "H"}
                                          << QStringList{"TF", "B2", "CB"};
        QTest::newRow("canal") << WaterwayKind::Canal << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H"}
                               << QStringList{"B2", "CB", "K", "W"};
        QTest::newRow("channel") << WaterwayKind::Channel
                                 << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H", "HB"}
                                 << QStringList{"B2", "CB", "K", "W"};
    }
    // The page opens in TA; a whole case typed with Enter after each box ends on OK, and Enter
    // there runs the check.
    void enterWalksThePage()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QStringList, order);
        QFETCH(QStringList, clears);
        const QHash<QString, QString> values{{"TA", "10"}, {"TF", "9.5"}, {"B2", "20"}, {"CB", "0.7"},
                                             {"SS", "10"}, {"K", "0.5"},  {"W", "40"},  {"H", "12.5"},
                                             {"HB", "11"}};
        ConditionPage &page = fixture->openPage(kind);
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QVERIFY(box);
            visited << box->objectName();
            QTest::keyClicks(box, values.value(box->objectName()));
            // The pointer shows the hint, over the page and then K, while the focus stays in the box.
            pointerTo(page, pageSpot(page));
            pointerTo(page, centreInWindow(page.K));
            QCOMPARE(page.Infotekst->text(), hint);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(page.Infotekst->text().isEmpty(), clears.contains(box->objectName()));
            QCOMPARE(QApplication::focusWidget(), box);   // the Tab is still on its way
            QTRY_VERIFY(QApplication::focusWidget() != box);
            QVERIFY(page.hintShown());                     // Enter and focus never touch the flag
        }
        QCOMPARE(visited, order);
        QCOMPARE(QApplication::focusWidget(), page.Command3);
        for (const QString &name : order)
            QCOMPARE(page.fieldText(name), values.value(name));   // Enter inserted nothing

        QTest::keyClick(page.Command3, Qt::Key_Return);
        QVERIFY(fixture->platform.messages.isEmpty());
        QCOMPARE(fixture->runtime.activeForm(), fixture->results(kind));
    }

    void hintEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("hintVisible");
        QTest::addColumn<bool>("hintShown");
        const auto row = [](const char *name, const QString &steps, bool visible, bool shown) {
            QTest::newRow(name) << steps.split(", ", Qt::SkipEmptyParts) << visible << shown;
        };
        row("new page", "", false, false);
        row("pointer over K, then the page", "move K, move page", false, false);
        row("over K again after the page", "move K, move page, move K", true, true);
        row("boxes, picture, hint line, buttons and their frame are not the page",
            "move K, move TA, move Picture, move Infotekst, move Command1, move ButtonFrame", true, true);
        row("a frame's label is the page", "move K, move LabelSS", false, false);
        row("a frame's heading is the page", "move K, move WaterwayFrameHeading", false, false);
        row("focus in K, then the page", "focus K, move page", true, false);
        row("focus in K, over CB, then the page", "focus K, move CB, move page", false, false);
        row("over CB sets the flag only, so K shows nothing", "move CB, move K", false, true);
        row("Enter in CB empties; K stays quiet until the page", "move K, focus CB, enter CB, move K", false, true);
        row("then the page and K again", "move K, focus CB, enter CB, move K, move page, move K", true, true);
        row("K loses the focus", "focus K, focus TA", false, false);
        row("B2 loses the focus", "focus B2, move K, focus TA", false, true);
        row("CB loses the focus", "focus CB, move K, focus SS", false, true);
        row("TA, TF, SS and H lose the focus", "focus TA, move K, focus TF, focus SS, focus H, focus TA", true, true);
        row("Enter in SS brings the focus to K, which shows the hint", "focus SS, enter SS", true, false);
        row("leaving K by the pointer keeps the hint", "focus K, move TA, move Picture", true, false);
        // Another window taking the activation is no move of the focus inside the page.
        row("window deactivated and back", "focus K, deactivate, reactivate", true, false);
        row("window back after the page emptied it", "focus K, move CB, move page, deactivate, reactivate", false,
            false);
    }
    // Each row runs on all three pages: the hint behaves the same on each.
    void hintEvents()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, hintVisible);
        QFETCH(bool, hintShown);
        for (const auto &[name, kind] : kinds) {
            fixture = std::make_unique<NavigationFixture>();
            ConditionPage &page = fixture->openPage(kind);
            Form &menu = fixture->forms->form(FormId::Intro);
            for (const QString &step : steps) {
                const QString verb = step.section(' ', 0, 0);
                const QString target = step.section(' ', 1, 1);
                QWidget *widget = page.findChild<QWidget *>(target);
                QVERIFY2(widget || target.isEmpty() || target == "page", qPrintable(step));
                if (verb == "move") {
                    pointerTo(page, target == "page" ? pageSpot(page) : centreInWindow(widget));
                } else if (verb == "focus") {
                    widget->setFocus(Qt::MouseFocusReason);
                } else if (verb == "enter") {
                    QTest::keyClick(widget, Qt::Key_Return);
                    QCoreApplication::processEvents();   // the queued Tab moves the focus on
                } else if (verb == "deactivate") {
                    menu.Show();
                    QVERIFY(QTest::qWaitForWindowActive(&menu));
                } else if (verb == "reactivate") {
                    menu.Hide();
                    QVERIFY(QTest::qWaitForWindowActive(&page));
                }
            }
            QVERIFY2(page.Infotekst->text() == (hintVisible ? hint : QString()), name);
            QVERIFY2(page.hintShown() == hintShown, name);
        }
    }

    // Esc anywhere presses Cancel; the page comes back as it was left.
    void escapeReturnsToTheChoice_data() { kindRows(); }
    void escapeReturnsToTheChoice()
    {
        QFETCH(WaterwayKind, kind);
        ConditionPage &page = fixture->openPage(kind);
        page.B2->setText("21.5");
        page.K->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page.K, Qt::Key_Escape);
        QVERIFY(!page.isVisible());
        QCOMPARE(fixture->visibleNames(), QStringList{"Forhold"});
        QCOMPARE(fixture->activeName(), QString("Forhold"));

        page.Show();
        QCOMPARE(page.B2->text(), QString("21.5"));
        QCOMPARE(page.Infotekst->text(), hint);
        QVERIFY(fixture->platform.messages.isEmpty());
    }

    // Data Base, pressed twice, opens the page's one database page on top; the input page stays.
    void dataBase_data() { kindRows(); }
    void dataBase()
    {
        QFETCH(WaterwayKind, kind);
        ConditionPage &page = fixture->openPage(kind);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        Form *database = fixture->forms->existing(databasePageOf(kind));
        QVERIFY(database);
        QCOMPARE(fixture->runtime.activeForm(), database);
        QCOMPARE(fixture->runtime.visibleForms(), (QList<Form *>{&page, database}));
    }

private:
    std::unique_ptr<NavigationFixture> fixture;
};

QTEST_MAIN(InputPagesTest)
#include "test_input_pages.moc"
