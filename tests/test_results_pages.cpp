// The three results pages driven through their real windows: echo, result texts, graph, panel
// re-layout, buttons, printing and the choices for cases without a graph or a result.
#include "app/application.h"
#include "forms/drawing_surface.h"
#include "forms/forms.h"
#include "results/results_page.h"
#include "support/recording_platform.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::WaterwayKind)
Q_DECLARE_METATYPE(kavro::ActiveCase)

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// Cases as an input page's OK stores them: TA, TF, B, CB, UKC, H, W, HB as typed, then SS.
// Draughts 10, depth 11: both the grounding and the clearance line.
const ActiveCase kBothLines{"10", "10", "30", "0.8", "0.3", "11", "300", "14", 15};
// Service speed below the maximum allowed speed: ": N/A", no lines.
const ActiveCase kNotAvailable{"12", "12", "30", "0.8", "0.5", "14", "300", "15", 12};
// A depth this small caps the graph's speed at 0 knots: nothing to draw.
const ActiveCase kNoGraph{"0.001", "0.001", "1", "0.8", "0", "0.009", "20", "1", 10};
// A canal width kept from an earlier case: 40 m x 11 m is less than the ship's 50 m x 10 m section.
const ActiveCase kNoResult{"10", "10", "50", "0.8", "0.3", "11", "40", "14", 15};

// The window world of one test: a recording desktop and the program's windows.
struct Harness
{
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    Forms forms;

    explicit Harness(const QLocale &locale = kEnglish)
        : forms(runtime, RegionalNumbers(locale), AppPaths{QStringLiteral("unused.db"), QStringLiteral("unused.html")})
    {
        registerProgramForms(forms);
    }
    ResultsPage &page(WaterwayKind kind) { return forms.as<ResultsPage>(resultsPageOf(kind)); }
    ResultsPage &show(WaterwayKind kind, const ActiveCase &c)
    {
        forms.activeCase() = c;
        ResultsPage &p = page(kind);
        p.Show();
        return p;
    }
    // Activates the page again through the validity page, as a user coming back to it would.
    void comeBack(ResultsPage &p, const std::optional<ActiveCase> &later = std::nullopt)
    {
        p.Command4->click();
        if (later)
            forms.activeCase() = *later;
        forms.form(FormId::Validity).close();
        QCOMPARE(runtime.activeForm(), static_cast<Form *>(&p));
    }
};

QStringList echoOf(const ResultsPage &p)
{
    QStringList lines;
    for (const QLineEdit *box : p.echoBoxes())
        lines.append(box->text());
    return lines;
}

QStringList shownResults(const ResultsPage &p)
{
    return {p.MaxShipSpeed->text(), p.MaxKavro->text(), p.MaxKavroOccur->text(), p.MaxDraughtPrompt->text(),
            p.MaxDraught->text()};
}

// Every control the re-layout may move, with its place in twips.
QList<std::pair<QWidget *, QRectF>> placesOf(ResultsPage &p, QWidget *parent = nullptr)
{
    QList<std::pair<QWidget *, QRectF>> places;
    for (QWidget *w : (parent ? parent : &p)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places.append({w, p.geometryTwips(w)});
    return places;
}

bool allBackground(const QImage &image)
{
    QImage plain(image.size(), image.format());
    plain.fill(image.pixel(0, 0));
    return image == plain;
}

std::optional<DrawRecord> firstRecord(const ResultsPage &p, DrawRecord::Op op, const QString &text = {})
{
    for (const DrawRecord &r : p.surface().records()) {
        if (r.op == op && (text.isEmpty() || r.text == text))
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

// Leaves the page's picture for a look by eye, named after the page and the test row.
void savePicture(QWidget &page, const QString &what)
{
    QString name = page.objectName() + " " + QTest::currentDataTag() + " " + what;
    name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    QVERIFY(page.grab().save(outputFolder() + "/" + name + ".png"));
}

} // namespace

class ResultsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void inputEcho_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<QStringList>("values"); // what follows each line's label

        QTest::newRow("depth-restricted: seven lines")
            << WaterwayKind::DepthRestricted << kEnglish
            << ActiveCase{"12", "11.5", "30", "0.8", "0.5", "14", "150", "16", 15}
            << QStringList{"12.00 m", "11.50 m", "30.00 m", "0.80", "15.0 kts", "0.50 m", "14.00 m"};
        // Typed forms do not matter, the decimals of the echo do; halves of the last decimal round up.
        QTest::newRow("channel: values rounded to their decimals")
            << WaterwayKind::Channel << kEnglish
            << ActiveCase{"9.5", "9.505", "32.25", ".7", "0", "11.0", "272.5", "12.345", 12.25}
            << QStringList{"9.50 m", "9.51 m", "32.25 m", "0.70", "12.3 kts", "0.00 m", "273 m", "11.00 m", "12.35 m"};
        QTest::newRow("canal: thousands grouped, decimal comma")
            << WaterwayKind::Canal << kGerman << ActiveCase{"12", "11,5", "30", "0,8", "0,5", "14", "1500", "16", 15}
            << QStringList{"12,00 m", "11,50 m", "30,00 m", "0,80", "15,0 kts", "0,50 m", "1.500 m", "14,00 m"};
    }

    void inputEcho()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        QFETCH(ActiveCase, theCase);
        QFETCH(QStringList, values);

        QStringList labels{"Draught at aft perpendicular.: ", "Draught at fore perpendicular: ",
                           "Breadth......................: ", "Block coefficient............: ",
                           "Service speed................: ", "Min. under-keel clearance....: "};
        if (kind == WaterwayKind::DepthRestricted)
            labels << "Water depth..................: ";
        else if (kind == WaterwayKind::Canal)
            labels << "Canal width..................: " << "Canal depth..................: ";
        else
            labels << "Channel width................: " << "Channel depth................: "
                   << "Natural depth................: ";
        QCOMPARE(labels.size(), values.size());
        for (qsizetype i = 0; i < values.size(); ++i)
            labels[i] += values.at(i);
        Harness h(locale);
        QCOMPARE(echoOf(h.show(kind, theCase)), labels);
    }

    void resultTexts_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<QStringList>("results"); // the five texts in box order

        const auto results = [](const char *speed, const char *kavro, const char *clearance) {
            return QStringList{speed, kavro, ": Bow", "Remaining under-keel clearance", clearance};
        };
        const ActiveCase worked{"10", "10", "32", "0.8", "0.5", "12", "200", "14", 16};
        QTest::newRow("depth-restricted worked case")
            << WaterwayKind::DepthRestricted << worked << results(": 14 kts.", ": 1.5 m", ": 0.5 m");
        QTest::newRow("canal narrower than the width of influence")
            << WaterwayKind::Canal << worked << results(": 12 kts.", ": 1.5 m", ": 0.5 m");
        QTest::newRow("channel narrower than the width of influence")
            << WaterwayKind::Channel << worked << results(": 12 kts.", ": 1.5 m", ": 0.5 m");
        // No allowed speed to report: kavro and clearance come from the curve's last whole knot
        // (1.089 m at 12 knots), not from the clearance margin (1.5 m and 0.5 m).
        QTest::newRow("N/A: rewritten from the curve")
            << WaterwayKind::DepthRestricted << kNotAvailable << results(": N/A", ": 1.1 m", ": 0.9 m");
        QTest::newRow("no result: nothing to rewrite from")
            << WaterwayKind::Canal << kNoResult
            << QStringList{": N/A", ": N/A", ": N/A", "Remaining under-keel clearance", ": N/A"};
    }

    void resultTexts()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, theCase);
        QFETCH(QStringList, results);

        Harness h;
        QCOMPARE(shownResults(h.show(kind, theCase)), results);
        QVERIFY(h.platform.messages.isEmpty());
    }

    // The first activation moves every panel by D down and the number column right; a second one
    // with no new case gives the same texts and draws the ticks with the pen the first drawing
    // left behind. That it moves nothing is a row of panelsAcrossActivations.
    void firstAndSecondActivation_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<QColor>("tickColour"); // at the second drawing
        QTest::addColumn<int>("tickWidth");

        const QColor black(Qt::black), curve = DrawingSurface::QBColor(5);
        ActiveCase deep = kBothLines, noClearance = kBothLines;
        deep.WaterDepth = "30";
        deep.ServiceSpeed = 20;
        noClearance.MinUkc = "0";
        QTest::newRow("depth-restricted") << WaterwayKind::DepthRestricted << kBothLines << black << 2;
        QTest::newRow("canal, value boxes on the page") << WaterwayKind::Canal << kBothLines << black << 2;
        QTest::newRow("deep kavro range, no lines") << WaterwayKind::DepthRestricted << deep << curve << 1;
        QTest::newRow("canal N/A, no lines") << WaterwayKind::Canal << kNotAvailable << curve << 1;
        QTest::newRow("channel, grounding line alone") << WaterwayKind::Channel << noClearance << black << 2;
    }

    void firstAndSecondActivation()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(ActiveCase, theCase);
        QFETCH(QColor, tickColour);
        QFETCH(int, tickWidth);

        Harness h;
        ResultsPage &p = h.page(kind);
        const auto designed = placesOf(p);
        const auto inside = placesOf(p, p.mainResultsFrame());
        p.surface().setRecording(true);
        h.show(kind, theCase);
        savePicture(p, "first");

        // The page's first drawing uses its designed pen.
        QCOMPARE(firstRecord(p, DrawRecord::Op::Line)->colour, QColor(Qt::black));
        QCOMPARE(firstRecord(p, DrawRecord::Op::Line)->width, 1);
        // The input frame's top lands 0.1 below the caption foot; the kavro numbers, the first
        // texts drawn, stand at the number column.
        const DrawingSurface &s = p.surface();
        const double captionFoot = float(firstRecord(p, DrawRecord::Op::Text, "Kavro (m)")->y1 + s.textHeight());
        const double D = captionFoot - s.pixelsToY(p.design().inputFrame.top / 15) + 0.1;
        QVERIFY(D > 0);
        const double down = s.heightToPixels(D) * 15;
        const double right = s.widthToPixels(firstRecord(p, DrawRecord::Op::Text)->x1) * 15;
        for (const auto &[w, before] : designed) {
            const QRectF after = p.geometryTwips(w);
            QVERIFY2(std::fabs(after.top() - (before.top() + down)) < 1e-6
                         && std::fabs(after.left() - (before.left() + right)) < 1e-6 && after.size() == before.size()
                         && p.rect().contains(w->geometry()),
                     qPrintable(w->objectName()));
        }
        // Controls inside the main results frame keep their place in it.
        QCOMPARE(placesOf(p, p.mainResultsFrame()), inside);

        const QStringList echo = echoOf(p), results = shownResults(p);
        p.surface().clearRecords();
        // A size given from outside leaves the drawing as drawn; the next activation restores it.
        const QImage first = s.image();
        p.resize(500, 400);
        QCOMPARE(s.image(), first);
        h.comeBack(p);
        QCOMPARE(p.size(), QSize(755, 530)); // 11450 x 8400 twips less border and title bar
        QCOMPARE(s.image().size(), p.size());
        QCOMPARE(s.records().first().op, DrawRecord::Op::Clear);
        QCOMPARE(firstRecord(p, DrawRecord::Op::Line)->colour, tickColour);
        QCOMPARE(firstRecord(p, DrawRecord::Op::Line)->width, tickWidth);
        QCOMPARE(firstRecord(p, DrawRecord::Op::Line)->style, DrawStyle::Solid);
        QCOMPARE(echoOf(p), echo);
        QCOMPARE(shownResults(p), results);
        // From the second drawing on the pen is steady, and so is the drawing.
        const QImage steady = s.image();
        h.comeBack(p);
        QCOMPARE(s.image(), steady);
    }

    void tabOrderAndFirstFocus()
    {
        Harness h;
        ResultsPage &p = h.show(WaterwayKind::DepthRestricted, kBothLines);
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(p.Command2));
        const QList<QPushButton *> order{p.Command2, p.Command1, p.Command3, p.Command4, p.Command2};
        // Shift+Tab walks the same chain back: Qt's, not the page's.
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(order.at(i)));
        }
    }

    // Print on a page that is not active activates it first, then prints the page with its drawing.
    void printActivatesThenPrintsWithTheGraph()
    {
        QTemporaryDir dir;
        Harness h;
        h.platform.pdfPath = dir.filePath("page.pdf");
        ActiveCase earlier = kBothLines;
        earlier.WaterDepth = "12";
        ResultsPage &p = h.show(WaterwayKind::DepthRestricted, earlier);
        h.forms.form(FormId::Validity).Show();
        QCOMPARE(h.runtime.activeForm(), &h.forms.form(FormId::Validity));
        // A later case reaches the page only through its next activation.
        h.forms.activeCase() = kBothLines;
        QCOMPARE(p.Text7->text(), QString("Water depth..................: 12.00 m"));
        QTest::mouseClick(p.Command1, Qt::LeftButton);
        QCOMPARE(h.runtime.activeForm(), static_cast<Form *>(&p));
        QCOMPARE(p.Text7->text(), QString("Water depth..................: 11.00 m"));
        QCOMPARE(h.platform.printed.size(), 1);
        QVERIFY(h.platform.messages.isEmpty());

        // What was printed is the recomputed page as it now stands.
        QCOMPARE(h.platform.printed.first().convertToFormat(QImage::Format_RGB32),
                 p.grab().toImage().convertToFormat(QImage::Format_RGB32));

        // The PDF shows the page's drawing, its red grounding line, when rendered.
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
            for (int col = 0, run = 0; col < rendered.width(); ++col) {
                const QColor c = rendered.pixelColor(col, row);
                run = c.red() > 180 && c.green() < 110 && c.blue() < 110 ? run + 1 : 0;
                longestRedRun = std::max(longestRedRun, run);
            }
        }
        QVERIFY2(longestRedRun > rendered.width() / 4, qPrintable(QString::number(longestRedRun)));
    }

    void newCalculationAndExit()
    {
        Harness h;
        ResultsPage &depth = h.show(WaterwayKind::DepthRestricted, kBothLines);
        ResultsPage &canal = h.show(WaterwayKind::Canal, kBothLines);
        // New Calculation hides the page, keeping its texts and places, and shows its input page.
        const QStringList results = shownResults(depth);
        const auto places = placesOf(depth);
        QTest::mouseClick(depth.Command2, Qt::LeftButton);
        QVERIFY(!depth.isVisible());
        QCOMPARE(h.runtime.activeForm()->objectName(), QString("Condition1"));
        QCOMPARE(shownResults(depth), results);
        QCOMPARE(placesOf(depth), places);
        // Exit ends the program at once.
        QTest::mouseClick(canal.Command3, Qt::LeftButton);
        QCOMPARE(h.platform.endCount, 1);
        QVERIFY(h.runtime.ended());
        QVERIFY(h.platform.messages.isEmpty());
    }

    // The panels move only at an activation whose graph's caption lies below the input frame's
    // top. A case without a graph (speed cap 0) or without a result (a canal width kept from an
    // earlier case, too narrow for a later, broader ship) shows no drawing and moves nothing.
    void panelsAcrossActivations_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QList<ActiveCase>>("cases"); // one for each activation
        QTest::addColumn<QString>("steps");           // M: drawn and moved, d: drawn, -: no drawing

        const auto at = [](double speed) {
            ActiveCase c = kBothLines;
            c.ServiceSpeed = speed;
            return c;
        };
        const WaterwayKind depth = WaterwayKind::DepthRestricted;
        // At 5 knots the kavro range is 1 m: the caption foot lies too close under the input
        // frame's designed top, and the panels stay until a deeper graph.
        QTest::newRow("moves once, at the first activation")
            << depth << QList<ActiveCase>{at(15), at(15), at(5), at(20)} << "Mddd";
        QTest::newRow("stays for a shallow graph, moves for the next deep one")
            << depth << QList<ActiveCase>{at(5), at(5), at(15), at(5), at(15)} << "ddMdd";
        QTest::newRow("depth-restricted, no graph")
            << depth << QList<ActiveCase>{kNoGraph, kBothLines, kNoGraph} << "-M-";
        QTest::newRow("canal, no result")
            << WaterwayKind::Canal << QList<ActiveCase>{kNoResult, kBothLines, kNoResult} << "-M-";
    }

    void panelsAcrossActivations()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QList<ActiveCase>, cases);
        QFETCH(QString, steps);

        Harness h;
        ResultsPage &p = h.page(kind);
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const auto before = placesOf(p);
            const double frameTop = p.geometryTwips(p.Frame1).top();
            if (i == 0)
                h.show(kind, cases.at(i));
            else
                h.comeBack(p, cases.at(i));
            if (steps.at(i) == '-')
                savePicture(p, "no drawing");
            QCOMPARE(!allBackground(p.surface().image()), steps.at(i) != '-');
            QCOMPARE(placesOf(p) != before, steps.at(i) == 'M');
            QVERIFY(p.geometryTwips(p.Frame1).top() >= frameTop); // never back up
            QVERIFY(echoOf(p).at(2).endsWith(QString(": %1.00 m").arg(cases.at(i).Breadth)));
            for (const QString &text : shownResults(p))
                QVERIFY2(!text.contains("nan") && !text.contains("inf"), qPrintable(text));
        }
        // The number column is added once per move, never at an activation that moves nothing.
        const double column = p.geometryTwips(p.Frame1).left() - p.design().inputFrame.left;
        QCOMPARE(column > 0, steps.contains('M'));
        QVERIFY(column < 400 * steps.count('M') + 1);
        QVERIFY(h.platform.messages.isEmpty());
    }
};

QTEST_MAIN(ResultsPagesTest)
#include "test_results_pages.moc"
