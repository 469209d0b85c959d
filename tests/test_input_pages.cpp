// The input pages: designed layout, focus order, Enter moving on, the hint line, Cancel and Data Base.
#include "input/condition_page.h"
#include "support/navigation_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)
Q_DECLARE_METATYPE(kavro::FormId)

namespace {

const QString hint = QStringLiteral(
    "The specified minimum under-keel clearance represents the clearance required after the kavro effect is included.");

const QList<std::pair<const char *, WaterwayKind>> kinds{{"depth-restricted", WaterwayKind::DepthRestricted},
                                                         {"canal", WaterwayKind::Canal},
                                                         {"channel", WaterwayKind::Channel}};

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

} // namespace

class InputPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture = std::make_unique<NavigationFixture>(); }
    void cleanup() { fixture.reset(); }

    void designedLayout_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSizeF>("client");
        QTest::addColumn<QStringList>("waterwayLabels");
        QTest::addColumn<QList<QRectF>>("places");   // waterway fields, hint line, Cancel, Data Base, OK
        QTest::newRow("depth-restricted")
            << WaterwayKind::DepthRestricted << "DEPTH-RESTRICTED CONDITIONS" << QSizeF(9045, 6570)
            << QStringList{"Water depth [m]"}
            << QList<QRectF>{{7800, 4200, 615, 285}, {3840, 4800, 5175, 855}, {4080, 5880, 1215, 375},
                             {5760, 5880, 1215, 375}, {7440, 5880, 1215, 375}};
        QTest::newRow("canal") << WaterwayKind::Canal << "CANAL CONDITIONS" << QSizeF(9165, 6960)
                               << QStringList{"Canal width [m]", "Canal depth [m]"}
                               << QList<QRectF>{{8040, 4080, 615, 285}, {8040, 4440, 615, 285},
                                                {3960, 5040, 5175, 735}, {4320, 5880, 1215, 375},
                                                {5880, 5880, 1215, 375}, {7440, 5880, 1215, 375}};
        QTest::newRow("channel") << WaterwayKind::Channel << "CHANNEL CONDITIONS" << QSizeF(9045, 6390)
                                 << QStringList{"Channel width [m]", "Channel depth [m]", "Natural depth [m]"}
                                 << QList<QRectF>{{7920, 3960, 615, 285}, {7920, 4320, 615, 285},
                                                  {7920, 4680, 615, 285}, {3840, 5160, 5295, 495},
                                                  {4080, 5880, 1215, 375}, {5760, 5880, 1215, 375},
                                                  {7440, 5880, 1215, 375}};
    }
    // Positions count from the client area even for what lies inside a frame.
    void designedLayout()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, caption);
        QFETCH(QSizeF, client);
        QFETCH(QStringList, waterwayLabels);
        QFETCH(QList<QRectF>, places);
        ConditionPage &page = fixture->page(kind);
        QCOMPARE(page.windowTitle(), caption);
        QCOMPARE(page.clientSizeTwips(), client);

        const QStringList shipLabels{"Draught at aft perpendicular [m]", "Draught at fore perpendicular [m]",
                                     "Breadth [m]", "Block coefficient [ - ]", "Service speed [kts]",
                                     "Min. under-keel clearance [m]"};
        const QStringList labels = shipLabels + waterwayLabels;
        const QStringList names = page.fieldNames();
        QCOMPARE(names.size(), labels.size());
        QList<QRectF> placed;
        for (int i = 0; i < names.size(); ++i) {
            QLineEdit *box = page.field(names[i]);
            auto *label = page.findChild<QLabel *>("Label" + names[i]);
            QVERIFY(box && label);
            QCOMPARE(label->text(), labels[i]);
            // The label ends just left of its box, on the same line.
            const QRect boxInWindow(box->mapTo(&page, QPoint()), box->size());
            const QRect labelInWindow(label->mapTo(&page, QPoint()), label->size());
            QCOMPARE(labelInWindow.top(), boxInWindow.top());
            QVERIFY(labelInWindow.right() < boxInWindow.left());
            QVERIFY(boxInWindow.left() - labelInWindow.right() < 10);
            QVERIFY(label->alignment() & Qt::AlignRight);
            if (i < 6)
                QCOMPARE(page.geometryTwips(box), QRectF(2880, 4080 + 360 * i, 615, 285));
            else
                placed << page.geometryTwips(box);
        }
        // Inside frames the designed place is the frame's place plus the control's.
        auto inClient = [&page](QWidget *w) {
            QRectF r = page.geometryTwips(w);
            for (QWidget *p = w->parentWidget(); p != &page; p = p->parentWidget())
                r.translate(page.geometryTwips(p).topLeft());
            return r;
        };
        placed << inClient(page.Infotekst) << inClient(page.Command2) << inClient(page.Command1)
               << inClient(page.Command3);
        QCOMPARE(placed, places);
        QCOMPARE(page.Command1->text(), QString("Data Base"));
        QCOMPARE(page.Command2->text(), QString("&Cancel"));
        QCOMPARE(page.Command3->text(), QString("&OK"));
        QCOMPARE(page.findChild<QGroupBox *>("ShipFrameHeading") , nullptr);
        QCOMPARE(page.findChild<QLabel *>("ShipFrameHeading")->text(), QString("SHIP DATA"));
        QCOMPARE(page.findChild<QLabel *>("WaterwayFrameHeading")->text(), QString("TOPOGRAPHICAL DATA"));
        QCOMPARE(page.cancelButton(), page.Command2);
        QCOMPARE(page.defaultButton(), nullptr);
    }

    void focusOrder_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("depth-restricted")
            << WaterwayKind::DepthRestricted
            << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "H", "Command3", "Command2", "Command1", "TA"};
        QTest::newRow("canal") << WaterwayKind::Canal
                               << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H",
                                              "Command3", "Command2", "Command1", "TA"};
        QTest::newRow("channel") << WaterwayKind::Channel
                                 << QStringList{"TA", "TF", "B2", "CB", "SS", "K", "W", "H", "HB",
                                                "Command3", "Command2", "Command1", "TA"};
    }
    // The focus starts in TA, visits every box and button in order and wraps round.
    void focusOrder()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QStringList, order);
        ConditionPage &page = fixture->openPage(kind);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
            // Tab into K shows the hint; Tab out of it empties it again.
            QCOMPARE(page.Infotekst->text().isEmpty(), visited.last() != "K");
        }
        QCOMPARE(visited, order);
    }

    void enterWalksThePage_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        for (const auto &[name, kind] : kinds)
            QTest::newRow(name) << kind;
    }
    // A whole case typed with Enter after each box ends on OK; Enter there runs the check.
    void enterWalksThePage()
    {
        QFETCH(WaterwayKind, kind);
        const QHash<QString, QString> values{{"TA", "10"}, {"TF", "9.5"}, {"B2", "20"}, {"CB", "0.7"},
                                             {"SS", "10"}, {"K", "0.5"},  {"W", "40"},  {"H", "12.5"},
                                             {"HB", "11"}};
        ConditionPage &page = fixture->openPage(kind);
        QStringList visited;
        for (int i = 0; i < page.fieldNames().size(); ++i) {
            QWidget *focused = QApplication::focusWidget();
            visited << focused->objectName();
            QTest::keyClicks(focused, values.value(focused->objectName()));
            QTest::keyClick(focused, Qt::Key_Return);
            QTRY_VERIFY(QApplication::focusWidget() != focused);
        }
        QCOMPARE(visited, page.fieldNames());
        QCOMPARE(QApplication::focusWidget(), page.Command3);
        for (const QString &name : page.fieldNames())
            QCOMPARE(page.fieldText(name), values.value(name));   // Enter inserted nothing

        QTest::keyClick(page.Command3, Qt::Key_Return);
        QVERIFY(fixture->platform.messages.isEmpty());
        QVERIFY(fixture->results(kind));
        QCOMPARE(fixture->runtime.activeForm(), fixture->results(kind));
    }

    void enterAndTheHint_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("clears");       // emptied by the key press itself, before the focus moves
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("hintAfter");    // once the focus has moved on
        QTest::newRow("depth TA") << WaterwayKind::DepthRestricted << "TA" << false << "TF" << true;
        QTest::newRow("depth TF") << WaterwayKind::DepthRestricted << "TF" << true << "B2" << false;
        QTest::newRow("depth B2") << WaterwayKind::DepthRestricted << "B2" << true << "CB" << false;
        QTest::newRow("depth CB") << WaterwayKind::DepthRestricted << "CB" << true << "SS" << false;
        QTest::newRow("depth SS") << WaterwayKind::DepthRestricted << "SS" << false << "K" << true;
        QTest::newRow("depth K") << WaterwayKind::DepthRestricted << "K" << false << "H" << false;
        QTest::newRow("depth H") << WaterwayKind::DepthRestricted << "H" << false << "Command3" << true;
        QTest::newRow("canal TF") << WaterwayKind::Canal << "TF" << false << "B2" << true;
        QTest::newRow("canal B2") << WaterwayKind::Canal << "B2" << true << "CB" << false;
        QTest::newRow("canal SS") << WaterwayKind::Canal << "SS" << false << "K" << true;
        QTest::newRow("canal K") << WaterwayKind::Canal << "K" << true << "W" << false;
        QTest::newRow("canal W") << WaterwayKind::Canal << "W" << true << "H" << false;
        QTest::newRow("canal H") << WaterwayKind::Canal << "H" << false << "Command3" << true;
        QTest::newRow("channel TF") << WaterwayKind::Channel << "TF" << false << "B2" << true;
        QTest::newRow("channel CB") << WaterwayKind::Channel << "CB" << true << "SS" << false;
        QTest::newRow("channel K") << WaterwayKind::Channel << "K" << true << "W" << false;
        QTest::newRow("channel W") << WaterwayKind::Channel << "W" << true << "H" << false;
        QTest::newRow("channel H") << WaterwayKind::Channel << "H" << false << "HB" << true;
        QTest::newRow("channel HB") << WaterwayKind::Channel << "HB" << false << "Command3" << true;
    }
    void enterAndTheHint()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, field);
        QFETCH(bool, clears);
        QFETCH(QString, next);
        QFETCH(bool, hintAfter);
        ConditionPage &page = fixture->openPage(kind);
        QLineEdit *box = page.field(field);
        box->setFocus(Qt::TabFocusReason);
        // The pointer over K shows the hint while the focus stays in the box.
        pointerTo(page, centreInWindow(page.K));
        QCOMPARE(page.Infotekst->text(), hint);
        QCOMPARE(QApplication::focusWidget(), box);

        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(page.Infotekst->text().isEmpty(), clears);
        QCOMPARE(QApplication::focusWidget(), box);   // the Tab is still on its way
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), next);
        QCOMPARE(page.Infotekst->text().isEmpty(), !hintAfter);
        QVERIFY(page.hintShown());                     // Enter and focus never touch the flag
    }

    void hintEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("hintVisible");
        QTest::addColumn<bool>("hintShown");
        QTest::newRow("new page") << QStringList{} << false << false;
        QTest::newRow("pointer over K") << QStringList{"move K"} << true << true;
        QTest::newRow("pointer over K, then the page") << QStringList{"move K", "move page"} << false << false;
        QTest::newRow("over the page twice")
            << QStringList{"move K", "move page", "move page"} << false << false;
        QTest::newRow("over K again after the page")
            << QStringList{"move K", "move page", "move K"} << true << true;
        QTest::newRow("a box is not the page") << QStringList{"move K", "move TA"} << true << true;
        QTest::newRow("the picture is not the page") << QStringList{"move K", "move Picture"} << true << true;
        QTest::newRow("the hint line is not the page") << QStringList{"move K", "move Infotekst"} << true << true;
        QTest::newRow("a button is not the page") << QStringList{"move K", "move Command1"} << true << true;
        QTest::newRow("the button frame is not the page")
            << QStringList{"move K", "move ButtonFrame"} << true << true;
        QTest::newRow("a frame's label is the page") << QStringList{"move K", "move LabelSS"} << false << false;
        QTest::newRow("a frame's heading is the page")
            << QStringList{"move K", "move WaterwayFrameHeading"} << false << false;
        QTest::newRow("focus in K") << QStringList{"focus K"} << true << false;
        QTest::newRow("focus in K, then the page") << QStringList{"focus K", "move page"} << true << false;
        QTest::newRow("focus in K, over CB, then the page")
            << QStringList{"focus K", "move CB", "move page"} << false << false;
        QTest::newRow("over CB sets the flag only") << QStringList{"move CB"} << false << true;
        QTest::newRow("over CB, then K shows nothing") << QStringList{"move CB", "move K"} << false << true;
        QTest::newRow("Enter in CB empties; K stays quiet until the page")
            << QStringList{"move K", "focus CB", "enter CB", "move K"} << false << true;
        QTest::newRow("then the page and K again")
            << QStringList{"move K", "focus CB", "enter CB", "move K", "move page", "move K"} << true << true;
        QTest::newRow("K loses the focus") << QStringList{"focus K", "focus TA"} << false << false;
        QTest::newRow("B2 loses the focus") << QStringList{"focus B2", "move K", "focus TA"} << false << true;
        QTest::newRow("CB loses the focus") << QStringList{"focus CB", "move K", "focus SS"} << false << true;
        QTest::newRow("TA loses the focus") << QStringList{"focus TA", "move K", "focus SS"} << true << true;
        QTest::newRow("H loses the focus") << QStringList{"focus H", "move K", "focus SS"} << true << true;
        QTest::newRow("leaving K by the pointer keeps the hint")
            << QStringList{"focus K", "move TA", "move Picture"} << true << false;
        // Another window taking the activation is no move of the focus inside the page.
        QTest::newRow("window deactivated") << QStringList{"focus K", "deactivate"} << true << false;
        QTest::newRow("window deactivated and back")
            << QStringList{"focus K", "deactivate", "reactivate"} << true << false;
        QTest::newRow("window back after the page emptied it")
            << QStringList{"focus K", "move CB", "move page", "deactivate", "reactivate"} << false << false;
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
            for (const QString &step : steps) {
                const QString verb = step.section(' ', 0, 0);
                const QString target = step.section(' ', 1, 1);
                if (verb == "move") {
                    QPoint where;
                    if (target == "page") {
                        // The gap between the ship-data frame's edge and its labels.
                        const QRectF frame = page.geometryTwips(page.findChild<QWidget *>("ShipFrame"));
                        where = QPoint(int((frame.left() + 60) / 15), int((frame.top() + 1200) / 15));
                    } else {
                        auto *widget = page.findChild<QWidget *>(target);
                        QVERIFY2(widget, qPrintable(target));
                        where = centreInWindow(widget);
                    }
                    pointerTo(page, where);
                } else if (verb == "focus") {
                    page.field(target)->setFocus(Qt::MouseFocusReason);
                } else if (verb == "enter") {
                    QTest::keyClick(page.field(target), Qt::Key_Return);
                    QCoreApplication::processEvents();
                } else if (verb == "deactivate") {
                    fixture->forms->form(FormId::Intro).Show();
                    QVERIFY(QTest::qWaitForWindowActive(&fixture->forms->form(FormId::Intro)));
                } else if (verb == "reactivate") {
                    fixture->forms->form(FormId::Intro).Hide();
                    QVERIFY(QTest::qWaitForWindowActive(&page));
                }
            }
            QVERIFY2(page.Infotekst->text() == (hintVisible ? hint : QString()), name);
            QVERIFY2(page.hintShown() == hintShown, name);
        }
    }

    // Esc anywhere presses Cancel; the page comes back as it was left.
    void escapeReturnsToTheChoice_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        for (const auto &[name, kind] : kinds)
            QTest::newRow(name) << kind;
    }
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

        fixture->forms->form(inputPageOf(kind)).Show();
        QCOMPARE(page.B2->text(), QString("21.5"));
        QCOMPARE(page.Infotekst->text(), hint);
        QVERIFY(fixture->platform.messages.isEmpty());
    }

    void accessKeys()
    {
        ConditionPage &page = fixture->openPage(WaterwayKind::Canal);
        QTest::keyClick(page.windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(fixture->activeName(), QString("Forhold"));
        QVERIFY(!page.isVisible());

        page.Show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QTest::keyClick(page.windowHandle(), Qt::Key_O, Qt::AltModifier);
        // Empty boxes: the check refuses the first one.
        QTRY_COMPARE(fixture->platform.messages.size(), 1);
        QVERIFY(fixture->platform.messages.first().text.contains("draught at aft perpendicular"));
    }

    // Data Base opens the page's database page on top; the input page stays.
    void dataBase_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<FormId>("database");
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted << FormId::Database1;
        QTest::newRow("canal") << WaterwayKind::Canal << FormId::Database2;
        QTest::newRow("channel") << WaterwayKind::Channel << FormId::Database3;
    }
    void dataBase()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(FormId, database);
        ConditionPage &page = fixture->openPage(kind);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        QVERIFY(fixture->forms->existing(database));
        QCOMPARE(fixture->runtime.activeForm(), fixture->forms->existing(database));
        QCOMPARE(fixture->runtime.visibleForms(),
                 (QList<Form *>{&page, fixture->forms->existing(database)}));
    }

private:
    std::unique_ptr<NavigationFixture> fixture;
};


QTEST_MAIN(InputPagesTest)
#include "test_input_pages.moc"
