// The three results pages driven through their real windows: echo, result texts, graph, panel
// re-layout, buttons, printing and the choices for cases without a graph or a result.
#include "app/drawing_surface.h"
#include "app/forms.h"
#include "results/register_results_forms.h"
#include "results/results_page.h"
#include "results/validity_page.h"
#include "support/recording_platform.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QColor kRed(255, 0, 0);
const QColor kDarkGrey(64, 64, 64);

// A case as an input page's OK would store it: texts as typed, the speed as a number.
struct Case
{
    QString TA = "10", TF = "10", B = "30", CB = "0.8";
    double SS = 15;
    QString UKC = "0.3", H = "11", W = "300", HB = "14";

    void storeInto(ActiveCase &c) const
    {
        c.DraughtAft = TA;
        c.DraughtFore = TF;
        c.Breadth = B;
        c.BlockCoefficient = CB;
        c.ServiceSpeed = SS;
        c.MinUkc = UKC;
        c.WaterDepth = H;
        c.WaterwayWidth = W;
        c.NaturalDepth = HB;
    }
};

// The window world of one test: a recording desktop, the registry with the results pages and
// plain stand-ins for the input pages.
struct Harness
{
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    Forms forms;

    explicit Harness(const QLocale &locale = kEnglish)
        : forms(runtime, RegionalNumbers(locale), AppPaths{QStringLiteral("unused.db"), QStringLiteral("unused.html")})
    {
        registerResultsForms(forms);
        for (FormId id : {FormId::Condition1, FormId::Condition2, FormId::Condition3}) {
            forms.setFactory(id, [id](Forms &f) {
                auto form = std::make_unique<Form>(f.runtime(), QStringLiteral("Condition%1").arg(int(id) - 2),
                                                   QStringLiteral("input"));
                form->resize(300, 200);
                return form;
            });
        }
    }
    ResultsPage &page(WaterwayKind kind) { return forms.as<ResultsPage>(resultsPageOf(kind)); }
    ResultsPage &show(WaterwayKind kind, const Case &c)
    {
        c.storeInto(forms.activeCase());
        ResultsPage &p = page(kind);
        p.Show();
        return p;
    }
    // Activates the page again through the validity page, as a user coming back to it would.
    void comeBack(ResultsPage &p)
    {
        p.Command4->click();
        forms.form(FormId::Validity).close();
        QCOMPARE(runtime.activeForm(), static_cast<Form *>(&p));
    }
};

QStringList texts(const QList<QLineEdit *> &boxes)
{
    QStringList result;
    for (const QLineEdit *box : boxes)
        result.append(box->text());
    return result;
}

QStringList shownResults(const ResultsPage &p)
{
    return {p.MaxShipSpeed->text(), p.MaxKavro->text(), p.MaxKavroOccur->text(), p.MaxDraughtPrompt->text(),
            p.MaxDraught->text()};
}

// Every panel the re-layout may move, with its place in twips.
QList<QRectF> placesOf(ResultsPage &p)
{
    QList<QRectF> places;
    for (QWidget *w : p.findChildren<QWidget *>())
        places.append(p.geometryTwips(w));
    return places;
}

bool allBackground(const QImage &image)
{
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                return false;
        }
    }
    return true;
}

// Whether the colour lies on or next to the given pixel row at a column.
bool colourNear(const QImage &image, int x, double y, const QColor &colour)
{
    const int row = int(std::lround(y));
    for (int dy = -1; dy <= 1; ++dy) {
        if (row + dy >= 0 && row + dy < image.height() && image.pixelColor(x, row + dy) == colour)
            return true;
    }
    return false;
}

std::optional<DrawRecord> textRecord(const DrawingSurface &surface, const QString &text)
{
    for (const DrawRecord &r : surface.records()) {
        if (r.op == DrawRecord::Op::Text && r.text == text)
            return r;
    }
    return std::nullopt;
}

QString outputFolder()
{
    const QString folder = qEnvironmentVariable("KAVRO_TEST_OUTPUT", QDir::tempPath() + "/kavro-test-output");
    QDir().mkpath(folder);
    return folder;
}

void savePictureOf(QWidget &window, const QString &name)
{
    QVERIFY(window.grab().save(outputFolder() + "/" + name + ".png"));
}

} // namespace

Q_DECLARE_METATYPE(Case)

class ResultsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void inputEcho_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Case>("theCase");
        QTest::addColumn<QStringList>("echo");

        const QStringList ship12{
            "Draught at aft perpendicular.: 12.00 m", "Draught at fore perpendicular: 11.50 m",
            "Breadth......................: 30.00 m",  "Block coefficient............: 0.80",
            "Service speed................: 15.0 kts", "Min. under-keel clearance....: 0.50 m",
        };
        Case c12{"12", "11.5", "30", "0.8", 15, "0.5", "14", "150", "16"};
        QTest::newRow("depth-restricted: seven lines") << WaterwayKind::DepthRestricted << kEnglish << c12
                                                      << ship12 + QStringList{"Water depth..................: 14.00 m"};
        QTest::newRow("canal: width, then depth")
            << WaterwayKind::Canal << kEnglish << c12
            << ship12 + QStringList{"Canal width..................: 150 m", "Canal depth..................: 14.00 m"};
        QTest::newRow("channel: width, depth, natural depth")
            << WaterwayKind::Channel << kEnglish << c12
            << ship12
                   + QStringList{"Channel width................: 150 m", "Channel depth................: 14.00 m",
                                 "Natural depth................: 16.00 m"};

        // Typed forms do not matter, the decimals of the echo do; halves of the last decimal round up.
        Case typed{"9.5", "9.505", "32.25", ".7", 12.25, "0", "11.0", "272.5", "12.345"};
        QTest::newRow("channel: values rounded to their decimals")
            << WaterwayKind::Channel << kEnglish << typed
            << QStringList{"Draught at aft perpendicular.: 9.50 m", "Draught at fore perpendicular: 9.51 m",
                           "Breadth......................: 32.25 m", "Block coefficient............: 0.70",
                           "Service speed................: 12.3 kts", "Min. under-keel clearance....: 0.00 m",
                           "Channel width................: 273 m", "Channel depth................: 11.00 m",
                           "Natural depth................: 12.35 m"};

        Case wide = c12;
        wide.W = "1500";
        QTest::newRow("canal: thousands grouped") << WaterwayKind::Canal << kEnglish << wide
                                                 << ship12
                                                        + QStringList{"Canal width..................: 1,500 m",
                                                                      "Canal depth..................: 14.00 m"};
        Case german{"12", "11,5", "30", "0,8", 15, "0,5", "14", "1500", "16"};
        QTest::newRow("canal: decimal comma")
            << WaterwayKind::Canal << kGerman << german
            << QStringList{"Draught at aft perpendicular.: 12,00 m", "Draught at fore perpendicular: 11,50 m",
                           "Breadth......................: 30,00 m",  "Block coefficient............: 0,80",
                           "Service speed................: 15,0 kts", "Min. under-keel clearance....: 0,50 m",
                           "Canal width..................: 1.500 m",  "Canal depth..................: 14,00 m"};
    }

    void inputEcho()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        QFETCH(Case, theCase);
        QFETCH(QStringList, echo);

        Harness h(locale);
        ResultsPage &p = h.show(kind, theCase);
        QCOMPARE(texts(p.echoBoxes()), echo);
        // The named boxes are the lines in their order: text6 is the clearance, Text7 the first
        // waterway line.
        QCOMPARE(p.text1->text(), echo.at(0));
        QCOMPARE(p.text6->text(), echo.at(5));
        QCOMPARE(p.Text7->text(), echo.at(6));
        QCOMPARE(p.Text9 != nullptr, echo.size() >= 8);
        QCOMPARE(p.Text10 != nullptr, echo.size() == 9);
        for (const QString &line : echo)
            QCOMPARE(line.indexOf(": ") + 2, 31); // every label is 31 characters wide
        // Black echo on the depth-restricted page, dark grey on the others but for the clearance.
        const QColor grey = kind == WaterwayKind::DepthRestricted ? QColor(Qt::black) : kDarkGrey;
        for (QLineEdit *box : p.echoBoxes())
            QCOMPARE(box->palette().color(QPalette::Text), box == p.text6 ? QColor(Qt::black) : grey);
        // Nothing but the four buttons can be typed into or take the focus.
        for (QLineEdit *box : p.findChildren<QLineEdit *>())
            QVERIFY(box->isReadOnly() && box->focusPolicy() == Qt::NoFocus);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void resultTexts_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Case>("theCase");
        QTest::addColumn<QStringList>("results");

        const Case worked{"10", "10", "32", "0.8", 16, "0.5", "12", "200"};
        // The five texts in box order; the clearance prompt never changes.
        auto results = [](const char *speed, const char *kavro, const char *occur, const char *clearance) {
            return QStringList{speed, kavro, occur, "Remaining under-keel clearance", clearance};
        };
        QTest::newRow("depth-restricted worked case")
            << WaterwayKind::DepthRestricted << worked << results(": 14 kts.", ": 1.5 m", ": Bow", ": 0.5 m");
        QTest::newRow("canal narrower than the width of influence")
            << WaterwayKind::Canal << worked << results(": 12 kts.", ": 1.5 m", ": Bow", ": 0.5 m");
        Case wideChannel = worked;
        wideChannel.W = "272";
        QTest::newRow("channel as wide as the width of influence")
            << WaterwayKind::Channel << wideChannel << results(": 14 kts.", ": 1.5 m", ": Bow", ": 0.5 m");
        Case trimmed = worked;
        trimmed.TA = "11";
        trimmed.H = "13";
        QTest::newRow("trimmed by the stern")
            << WaterwayKind::DepthRestricted << trimmed << results(": 14 kts.", ": 1.5 m", ": Stern", ": 0.5 m");
        Case noClearanceLeft = worked;
        noClearanceLeft.UKC = "2";
        QTest::newRow("clearance used up at rest")
            << WaterwayKind::DepthRestricted << noClearanceLeft << results(": 0 kts.", ": 0.0 m", ": Bow", ": 2.0 m");
        // No allowed speed to report: kavro and clearance come from the curve's last whole knot
        // (1.089 m at 12 knots), not from the clearance margin (1.5 m and 0.5 m).
        const Case slow{"12", "12", "30", "0.8", 12, "0.5", "14", "300", "15"};
        QTest::newRow("N/A: rewritten from the curve")
            << WaterwayKind::DepthRestricted << slow << results(": N/A", ": 1.1 m", ": Bow", ": 0.9 m");
        QTest::newRow("N/A on the channel page")
            << WaterwayKind::Channel << slow << results(": N/A", ": 1.1 m", ": Bow", ": 0.9 m");
        Case deep = worked;
        deep.H = "30";
        deep.SS = 12.5;
        // Vmax beyond the critical speed; the graph ends at 12.5 knots and its curve at 12 knots,
        // where K = 0.0031617 gives 0.556 m, leaving 19.44 m of the 20 m static clearance.
        QTest::newRow("N/A beyond the critical speed, fractional end speed")
            << WaterwayKind::DepthRestricted << deep << results(": N/A", ": 0.6 m", ": Bow", ": 19.4 m");
    }

    void resultTexts()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Case, theCase);
        QFETCH(QStringList, results);

        Harness h;
        ResultsPage &p = h.show(kind, theCase);
        QCOMPARE(shownResults(p), results);
        QVERIFY(h.platform.messages.isEmpty());
    }

    void secondActivationChangesNothing_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Case>("theCase");
        QTest::newRow("depth-restricted with both lines") << WaterwayKind::DepthRestricted << Case{};
        QTest::newRow("canal, N/A") << WaterwayKind::Canal << Case{"12", "12", "30", "0.8", 12, "0.5", "14", "300"};
        QTest::newRow("channel") << WaterwayKind::Channel << Case{"10", "10", "30", "0.8", 15, "0.3", "11", "150"};
    }

    void secondActivationChangesNothing()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Case, theCase);

        Harness h;
        ResultsPage &p = h.show(kind, theCase);
        const QStringList echo = texts(p.echoBoxes());
        const QStringList results = shownResults(p);
        const QImage image = p.surface().image();
        const QList<QRectF> places = placesOf(p);

        for (int again = 0; again < 2; ++again) {
            h.comeBack(p);
            QCOMPARE(texts(p.echoBoxes()), echo);
            QCOMPARE(shownResults(p), results);
            QCOMPARE(placesOf(p), places);
        }
        // The ticks keep the pen of the previous drawing, so compare the drawing once it is steady.
        const QImage steady = p.surface().image();
        h.comeBack(p);
        QCOMPARE(p.surface().image(), steady);
        QCOMPARE(steady.size(), image.size());
    }

    void panelsMoveBelowTheGraph_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Case>("theCase");
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted << Case{};
        QTest::newRow("canal, value boxes on the page") << WaterwayKind::Canal << Case{};
        QTest::newRow("channel") << WaterwayKind::Channel << Case{"10", "10", "30", "0.8", 15, "0.3", "11", "150"};
        QTest::newRow("depth-restricted, deep kavro range")
            << WaterwayKind::DepthRestricted << Case{"10", "10", "30", "0.8", 20, "0.3", "30"};
    }

    void panelsMoveBelowTheGraph()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Case, theCase);

        Harness h;
        ResultsPage &p = h.page(kind);
        const ResultsDesign &d = p.design();
        // Designed places of everything that moves with the panels, taken before the first activation.
        QList<std::pair<QWidget *, QRectF>> designed;
        for (QWidget *w : p.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            designed.append({w, p.geometryTwips(w)});
        QList<std::pair<QWidget *, QRectF>> inside;
        for (QWidget *w : p.mainResultsFrame()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            inside.append({w, p.geometryTwips(w)});
        QCOMPARE(p.geometryTwips(p.Frame1), QRectF(d.inputFrame.left, d.inputFrame.top, d.inputFrame.width,
                                                   d.inputFrame.height));

        p.surface().setRecording(true);
        theCase.storeInto(h.forms.activeCase());
        p.Show();

        const DrawingSurface &s = p.surface();
        const std::optional<DrawRecord> caption = textRecord(s, "Kavro (m)");
        QVERIFY(caption);
        const double captionFoot = float(caption->y1 + s.textHeight());
        // The kavro numbers are printed at the number column; they are the first texts drawn.
        const auto firstText = std::find_if(s.records().cbegin(), s.records().cend(),
                                            [](const DrawRecord &r) { return r.op == DrawRecord::Op::Text; });
        QVERIFY(firstText != s.records().cend());
        const double numberColumn = firstText->x1;
        const double D = captionFoot - s.pixelsToY(d.inputFrame.top / 15) + 0.1;
        QVERIFY(D > 0);
        const double down = s.heightToPixels(D) * 15;
        const double right = s.widthToPixels(numberColumn) * 15;

        // The input frame's top lands 0.1 below the caption foot.
        QVERIFY(std::fabs(s.pixelsToY(p.geometryTwips(p.Frame1).top() / 15) - (captionFoot + 0.1)) < 1e-9);
        // Every control on the page moves by the same D and Xi; sizes stay.
        for (const auto &[w, before] : designed) {
            const QRectF after = p.geometryTwips(w);
            QVERIFY2(std::fabs(after.top() - (before.top() + down)) < 1e-6, qPrintable(w->objectName()));
            QVERIFY2(std::fabs(after.left() - (before.left() + right)) < 1e-6, qPrintable(w->objectName()));
            QCOMPARE(after.size(), before.size());
        }
        // Controls inside the main results frame keep their place in it.
        for (const auto &[w, before] : inside)
            QCOMPARE(p.geometryTwips(w), before);
        QCOMPARE(p.MaxShipSpeed->parentWidget() == p.mainResultsFrame(), d.valueBoxesInFrame);
        QCOMPARE(p.MaxShipSpeedPrompt->parentWidget(), p.mainResultsFrame());
        QCOMPARE(p.MaxDraughtPrompt->parentWidget(), static_cast<QWidget *>(&p));
        // The whole of every panel stays inside the page.
        for (QWidget *w : p.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(p.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void panelsMoveOnlyWhileAboveTheCaption_data()
    {
        QTest::addColumn<QList<double>>("speeds"); // service speed of each activation's case
        QTest::addColumn<QList<bool>>("moves");

        // At 5 knots the kavro range is 1 m: the caption foot then lies too close under the input
        // frame's designed top for the test to pass, and the panels stay until a deeper graph.
        QTest::newRow("moves once, at the first activation")
            << QList<double>{15, 15, 5, 20} << QList<bool>{true, false, false, false};
        QTest::newRow("stays for a shallow graph, moves for the next deep one")
            << QList<double>{5, 5, 15, 5, 15} << QList<bool>{false, false, true, false, false};
    }

    void panelsMoveOnlyWhileAboveTheCaption()
    {
        QFETCH(QList<double>, speeds);
        QFETCH(QList<bool>, moves);

        Harness h;
        ResultsPage &p = h.page(WaterwayKind::DepthRestricted);
        const double designedLeft = p.design().inputFrame.left;
        int moved = 0;
        for (qsizetype i = 0; i < speeds.size(); ++i) {
            Case c;
            c.SS = speeds.at(i);
            c.storeInto(h.forms.activeCase());
            const QRectF before = p.geometryTwips(p.Frame1);
            if (i == 0)
                p.Show();
            else
                h.comeBack(p);
            const QRectF after = p.geometryTwips(p.Frame1);
            QCOMPARE(after != before, moves.at(i));
            QVERIFY(after.top() >= before.top()); // never back up
            moved += after != before ? 1 : 0;
        }
        // The number column is added once per move, never at an activation that moves nothing.
        const double column = p.geometryTwips(p.Frame1).left() - designedLeft;
        QCOMPARE(column > 0, moved > 0);
        QVERIFY(column < 400 * moved + 1);
    }

    void tickPenOfTheNextDrawing_data()
    {
        QTest::addColumn<Case>("previous");
        QTest::addColumn<QColor>("tickColour");
        QTest::addColumn<int>("tickWidth");

        QTest::newRow("after grounding and clearance lines: black, width 2") << Case{} << QColor(Qt::black) << 2;
        QTest::newRow("after N/A, no lines: curve colour, width 1")
            << Case{"12", "12", "30", "0.8", 12, "0.5", "14"} << DrawingSurface::QBColor(5) << 1;
        QTest::newRow("after the grounding line alone: black, width 2")
            << Case{"10", "10", "30", "0.8", 15, "0", "11"} << QColor(Qt::black) << 2;
    }

    void tickPenOfTheNextDrawing()
    {
        QFETCH(Case, previous);
        QFETCH(QColor, tickColour);
        QFETCH(int, tickWidth);

        Harness h;
        ResultsPage &p = h.page(WaterwayKind::Channel);
        p.surface().setRecording(true);
        ResultsPage &shown = h.show(WaterwayKind::Channel, previous);
        QCOMPARE(&shown, &p);
        // The page's first drawing uses its designed pen.
        auto firstLine = [&p]() -> DrawRecord {
            for (const DrawRecord &r : p.surface().records()) {
                if (r.op == DrawRecord::Op::Line)
                    return r;
            }
            return {};
        };
        QCOMPARE(firstLine().colour, QColor(Qt::black));
        QCOMPARE(firstLine().width, 1);

        p.surface().clearRecords();
        h.comeBack(p);
        QCOMPARE(p.surface().records().first().op, DrawRecord::Op::Clear);
        QCOMPARE(firstLine().colour, tickColour);
        QCOMPARE(firstLine().width, tickWidth);
        QCOMPARE(firstLine().style, DrawStyle::Solid);
    }

    void outerSizeAtEveryActivation()
    {
        Harness h;
        ResultsPage &p = h.show(WaterwayKind::Canal, Case{});
        // Outer 11450 x 8400 twips less border and title bar: 11330 x 7950 twips.
        QCOMPARE(p.size(), QSize(755, 530));
        QCOMPARE(p.surface().image().size(), p.size());
        // A size given from outside leaves the drawing as it was drawn.
        const QImage before = p.surface().image();
        p.resize(500, 400);
        QCOMPARE(p.surface().image(), before);
        h.comeBack(p);
        QCOMPARE(p.size(), QSize(755, 530));
        QCOMPARE(p.surface().image().size(), QSize(755, 530));
    }

    void tabOrderAndFirstFocus()
    {
        Harness h;
        ResultsPage &p = h.show(WaterwayKind::DepthRestricted, Case{});
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(p.Command2));

        const QList<QPushButton *> order{p.Command2, p.Command1, p.Command3, p.Command4, p.Command2};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(order.at(i)));
        }
        for (int i = order.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(order.at(i)));
        }
    }

    void printsItsImageWithTheGraph()
    {
        QTemporaryDir dir;
        Harness h;
        h.platform.pdfPath = dir.filePath("page.pdf");
        const Case c;
        ResultsPage &p = h.show(WaterwayKind::DepthRestricted, c);
        const QStringList echo = texts(p.echoBoxes());
        QTest::mouseClick(p.Command1, Qt::LeftButton);
        QCOMPARE(h.platform.printed.size(), 1);
        QVERIFY(h.platform.messages.isEmpty());
        // Printing changes nothing on the page.
        QCOMPARE(texts(p.echoBoxes()), echo);

        // The printed image is the page with its drawing: the red grounding line at kavro H - T = 1 m,
        // and the panels' grey where the input frame lies.
        const QImage printed = h.platform.printed.first().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(printed.size(), p.size());
        const DrawingSurface &s = p.surface();
        const double Y0 = 3 * 1.7 / 12; // kavro range 3 m
        const double X0 = 15 * 1.7 / 22;
        const int x = int(std::lround(s.xToPixels(X0 + 7.5)));
        QVERIFY(colourNear(printed, x, s.yToPixels(Y0 + 1.0), kRed));
        QVERIFY(!colourNear(printed, x, s.yToPixels(Y0 + 2.0), kRed));
        const QPoint echoPoint = p.text1->mapTo(&p, QPoint(p.text1->width() - 3, 2));
        QCOMPARE(printed.pixelColor(echoPoint), QColor(192, 192, 192));

        // The PDF shows the same line when rendered.
        QVERIFY(QFileInfo(h.platform.pdfPath).size() > 0);
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed; the PDF is not rendered");
        QProcess render;
        render.start(pdftoppm, {"-png", "-r", "150", "-singlefile", h.platform.pdfPath, dir.filePath("page")});
        QVERIFY(render.waitForFinished(60000));
        QImage rendered(dir.filePath("page.png"));
        QVERIFY(!rendered.isNull());
        rendered.save(outputFolder() + "/Results1-printed.png");
        rendered = rendered.convertToFormat(QImage::Format_RGB32);
        int longestRedRun = 0;
        for (int row = 0; row < rendered.height(); ++row) {
            int run = 0;
            for (int col = 0; col < rendered.width(); ++col) {
                const QColor c = rendered.pixelColor(col, row);
                run = c.red() > 180 && c.green() < 110 && c.blue() < 110 ? run + 1 : 0;
                longestRedRun = std::max(longestRedRun, run);
            }
        }
        QVERIFY2(longestRedRun > rendered.width() / 4, qPrintable(QString::number(longestRedRun)));
    }

    void printOnAnInactivePageActivatesItFirst()
    {
        Harness h;
        ResultsPage &p = h.show(WaterwayKind::Canal, Case{});
        h.forms.form(FormId::Validity).Show();
        QCOMPARE(h.runtime.activeForm(), &h.forms.form(FormId::Validity));
        // A later case reaches the page only through its next activation.
        Case later;
        later.H = "12";
        later.storeInto(h.forms.activeCase());
        QCOMPARE(p.Text9->text(), QString("Canal depth..................: 11.00 m"));

        QTest::mouseClick(p.Command1, Qt::LeftButton);
        QCOMPARE(h.runtime.activeForm(), static_cast<Form *>(&p));
        QCOMPARE(p.Text9->text(), QString("Canal depth..................: 12.00 m"));
        QCOMPARE(h.platform.printed.size(), 1);
        // What was printed is the recomputed page: grounding line now at kavro 2 m.
        const QImage printed = h.platform.printed.first().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(printed, p.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void newCalculationValidityAndExit_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("inputPage");
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted << "Condition1";
        QTest::newRow("canal") << WaterwayKind::Canal << "Condition2";
        QTest::newRow("channel") << WaterwayKind::Channel << "Condition3";
    }

    void newCalculationValidityAndExit()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, inputPage);

        Harness h;
        Form &input = h.forms.form(inputPageOf(kind));
        QCOMPARE(input.objectName(), inputPage);
        input.Show();
        ResultsPage &p = h.show(kind, Case{});
        const QStringList results = shownResults(p);
        const QList<QRectF> places = placesOf(p);

        // Validity opens beside the page.
        QTest::mouseClick(p.Command4, Qt::LeftButton);
        Form &validity = h.forms.form(FormId::Validity);
        QCOMPARE(validity.objectName(), QString("Form1"));
        QVERIFY(validity.isVisible());
        QCOMPARE(h.runtime.activeForm(), &validity);
        QVERIFY(p.isVisible());

        // New Calculation hides the page (keeping texts and places) and shows its input page.
        QTest::mouseClick(p.Command2, Qt::LeftButton);
        QVERIFY(!p.isVisible());
        QVERIFY(input.isVisible());
        QCOMPARE(h.runtime.activeForm(), &input);
        QCOMPARE(shownResults(p), results);
        QCOMPARE(placesOf(p), places);

        // Exit ends the program at once.
        p.Show();
        QTest::mouseClick(p.Command3, Qt::LeftButton);
        QCOMPARE(h.platform.endCount, 1);
        QVERIFY(h.runtime.ended());
        QVERIFY(h.platform.messages.isEmpty());
    }

    void oneValidityPageForTwoResultsPages()
    {
        Harness h;
        ResultsPage &depth = h.show(WaterwayKind::DepthRestricted, Case{});
        ResultsPage &canal = h.show(WaterwayKind::Canal, Case{});
        QTest::mouseClick(canal.Command4, Qt::LeftButton);
        Form *first = &h.forms.form(FormId::Validity);
        QVERIFY(dynamic_cast<ValidityPage *>(first));
        QTest::mouseClick(depth.Command4, Qt::LeftButton);
        QTest::mouseClick(depth.Command4, Qt::LeftButton);
        QCOMPARE(&h.forms.form(FormId::Validity), first);
        QCOMPARE(h.runtime.visibleForms().count(first), 1);
        QCOMPARE(h.runtime.visibleForms().last(), first);
        QCOMPARE(h.runtime.activeForm(), first);
        QVERIFY(depth.isVisible() && canal.isVisible());

        // Closing it activates the page below, which recomputes from the active case.
        Case later;
        later.TA = "10.5";
        later.storeInto(h.forms.activeCase());
        first->close();
        QCOMPARE(h.runtime.activeForm(), static_cast<Form *>(&depth));
        QCOMPARE(depth.text1->text(), QString("Draught at aft perpendicular.: 10.50 m"));
        QCOMPARE(canal.text1->text(), QString("Draught at aft perpendicular.: 10.00 m"));
    }

    void emptyGraph_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<Case>("theCase");
        // A depth this small caps the graph's speed at 0 knots: nothing to draw.
        QTest::newRow("depth-restricted, speed cap 0")
            << WaterwayKind::DepthRestricted << Case{"0.001", "0.001", "1", "0.8", 10, "0", "0.009"};
        QTest::newRow("channel, speed cap 0")
            << WaterwayKind::Channel << Case{"0.001", "0.001", "1", "0.8", 10, "0", "0.009", "20", "1"};
    }

    void emptyGraph()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(Case, theCase);

        Harness h;
        ResultsPage &p = h.page(kind);
        const QList<QRectF> designed = placesOf(p);
        h.show(kind, theCase);
        QVERIFY(allBackground(p.surface().image()));
        QCOMPARE(placesOf(p), designed);
        savePictureOf(p, p.objectName() + "-empty-graph");
        QVERIFY(h.platform.messages.isEmpty());
        QVERIFY(p.text1->text().endsWith(": 0.00 m"));
        QVERIFY(!p.MaxShipSpeed->text().contains("nan") && !p.MaxKavro->text().contains("nan"));

        // A drawable case afterwards draws and moves the panels as usual.
        Case{}.storeInto(h.forms.activeCase());
        h.comeBack(p);
        QVERIFY(!allBackground(p.surface().image()));
        QVERIFY(placesOf(p) != designed);
        // And an empty graph after it leaves the panels where that drawing put them.
        const QList<QRectF> moved = placesOf(p);
        theCase.storeInto(h.forms.activeCase());
        h.comeBack(p);
        QVERIFY(allBackground(p.surface().image()));
        QCOMPARE(placesOf(p), moved);
    }

    void caseWithoutResult()
    {
        // A canal width kept from an earlier canal case is too narrow for a later, broader ship:
        // no water beside the ship, so the case has no result.
        Harness h;
        ResultsPage &p = h.show(WaterwayKind::Canal, Case{"10", "10", "30", "0.8", 15, "0.3", "11", "60"});
        QVERIFY(!allBackground(p.surface().image()));
        const QList<QRectF> moved = placesOf(p);

        Case later{"10", "10", "50", "0.8", 15, "0.3", "11"};
        later.W = "40"; // 40 m × 11 m is less than the ship's 50 m × 10 m section
        later.storeInto(h.forms.activeCase());
        h.comeBack(p);
        QCOMPARE(texts(p.echoBoxes()).at(2), QString("Breadth......................: 50.00 m"));
        QCOMPARE(p.Text7->text(), QString("Canal width..................: 40 m"));
        QCOMPARE(shownResults(p),
                 (QStringList{": N/A", ": N/A", ": N/A", "Remaining under-keel clearance", ": N/A"}));
        QVERIFY(allBackground(p.surface().image()));
        QCOMPARE(placesOf(p), moved);
        QVERIFY(h.platform.messages.isEmpty());
        savePictureOf(p, "Results2-no-result");
    }

    void pictures()
    {
        // Worked cases for a look by eye: both lines; N/A; a trimmed ship in a channel.
        const std::pair<WaterwayKind, Case> cases[] = {
            {WaterwayKind::DepthRestricted, Case{"10", "10", "30", "0.8", 15, "0.3", "11"}},
            {WaterwayKind::Canal, Case{"12", "12", "30", "0.8", 12, "0.5", "14", "150"}},
            {WaterwayKind::Channel, Case{"11", "10", "32", "0.7", 15.5, "0.5", "13", "300", "15"}},
        };
        Harness h;
        for (const auto &[kind, c] : cases) {
            ResultsPage &p = h.show(kind, c);
            QVERIFY(QTest::qWaitForWindowExposed(&p));
            const QString path = outputFolder() + "/" + p.objectName() + ".png";
            QVERIFY(p.grab().save(path));
            // The picture shows the graph above the panels.
            const QImage image(path);
            QCOMPARE(image.size(), QSize(755, 530));
            QVERIFY(p.Frame1->y() > int(p.surface().yToPixels(p.surface().scaleHeight() * 0.6)));
        }
    }
};

QTEST_MAIN(ResultsPagesTest)
#include "test_results_pages.moc"
