// The three results pages driven through their real windows: echo, result texts, graph, panel
// re-layout, printing and the choices for cases without a graph or a result; and the validity
// page they open.
#include "results/results_page.h"
#include "results/validity_page.h"
#include "support/navigation_fixture.h"

#include <QGroupBox>
#include <QPlainTextEdit>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Cases as an input page's OK stores them: TA, TF, B, CB, UKC, H, W, HB as typed, then SS.
// Draughts 10, depth 11: both the grounding and the clearance line.
const ActiveCase kBothLines{"10", "10", "30", "0.8", "0.3", "11", "300", "14", 15};
// The worked depth-restricted case: 14 knots allowed, kavro 1.5 m.
const ActiveCase kWorked{"10", "10", "32", "0.8", "0.5", "12", "200", "14", 16};
// Service speed below the maximum allowed speed: ": N/A", no lines.
const ActiveCase kNotAvailable{"12", "12", "30", "0.8", "0.5", "14", "300", "15", 12};
// A canal width kept from an earlier case: 40 m x 11 m is less than the ship's 50 m x 10 m section.
const ActiveCase kNoResult{"10", "10", "50", "0.8", "0.3", "11", "40", "14", 15};

ResultsPage &show(NavigationFixture &f, WaterwayKind kind, const ActiveCase &c)
{
    f.forms->activeCase() = c;
    return f.open<ResultsPage>(resultsPageOf(kind));
}

QStringList textsOf(const ResultsPage &p)
{
    QStringList texts;
    for (const QLineEdit *box : p.echoBoxes())
        texts.append(box->text());
    return texts << p.MaxShipSpeed->text() << p.MaxKavro->text() << p.MaxKavroOccur->text()
                 << p.MaxDraughtPrompt->text() << p.MaxDraught->text();
}

// Every control the re-layout may move, with its place in twips.
QList<std::pair<QWidget *, QRectF>> placesOf(ResultsPage &p, QWidget *parent)
{
    QList<std::pair<QWidget *, QRectF>> places;
    for (QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places.append({w, p.geometryTwips(w)});
    return places;
}

DrawRecord firstRecord(const ResultsPage &p, DrawRecord::Op op, const QString &text = {})
{
    const QList<DrawRecord> &all = p.surface().records();
    return *std::find_if(all.begin(), all.end(), [&](auto &r) { return r.op == op && (text.isEmpty() || r.text == text); });
}

// The last pixel column of a widget's picture that is not the page's grey.
int lastInkColumn(QWidget *w)
{
    const QImage image = w->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != QColor(192, 192, 192))
                return x;
    return -1;
}

} // namespace

class ResultsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    // The echo lines, then the five result texts in box order; rows without an echo check the
    // result texts alone.
    void pageTexts_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<ActiveCase>("theCase");
        QTest::addColumn<QStringList>("texts");
        const QString results = "|: Bow|Remaining under-keel clearance|";
        // The depth page's own echo line: buttons(); the ship's lines: the rows below.
        QTest::newRow("depth-restricted worked case") << Depth << kEnglish
            << kWorked << (": 14 kts.|: 1.5 m" + results + ": 0.5 m").split('|');
        // Typed forms do not matter, the decimals of the echo do; halves of the last decimal round
        // up. The channel narrower than the width of influence takes W x H.
        QTest::newRow("channel, values rounded to their decimals") << Channel << kEnglish
            << ActiveCase{"9.5", "9.505", "32.25", ".7", "0", "11.0", "272.5", "12.345", 12.25}
            << QString("Draught at aft perpendicular.: 9.50 m|Draught at fore perpendicular: 9.51 m|"
                       "Breadth......................: 32.25 m|Block coefficient............: 0.70|"
                       "Service speed................: 12.3 kts|Min. under-keel clearance....: 0.00 m|"
                       "Channel width................: 273 m|Channel depth................: 11.00 m|"
                       "Natural depth................: 12.35 m|: N/A|: 1.0 m|: Bow&Stern|Remaining under-keel clearance|: 0.5 m").split('|');
        // The allowed speed of 13.99 knots is cut to 13, never rounded up into the clearance. A canal
        // narrower than the width of influence: test_navigation's typical road.
        QTest::newRow("thousands grouped, decimal comma") << Canal << QLocale(QLocale::German)
            << ActiveCase{"12", "11,5", "30", "0,8", "0,5", "14", "1500", "16", 15}
            << QString("Draught at aft perpendicular.: 12,00 m|Draught at fore perpendicular: 11,50 m|"
                       "Breadth......................: 30,00 m|Block coefficient............: 0,80|"
                       "Service speed................: 15,0 kts|Min. under-keel clearance....: 0,50 m|"
                       "Canal width..................: 1.500 m|Canal depth..................: 14,00 m|: 13 kts.|: 1,5 m" + results + ": 0,5 m").split('|');
        // No allowed speed to report: kavro and clearance come from the curve's last whole knot
        // (1.089 m at 12 knots), not from the clearance margin (1.5 m and 0.5 m).
        QTest::newRow("N/A: rewritten from the curve") << Depth << kEnglish << kNotAvailable << (": N/A|: 1.1 m" + results + ": 0.9 m").split('|');
        // The canal width of an earlier canal case with a later depth-restricted case: a free
        // section of 0.0036 m² and a kavro range near its 16-bit limit.
        QTest::newRow("canal page after a depth-restricted OK") << Canal << kEnglish
            << ActiveCase{"10", "10", "32", "0.8", "0.5", "20.000227", "16", "", 30} << (": 0 kts.|: 9.5 m" + results + ": 0.5 m").split('|');
    }
    void pageTexts()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QLocale, locale);
        QFETCH(ActiveCase, theCase);
        QFETCH(QStringList, texts);
        NavigationFixture f(locale);
        const QStringList shown = textsOf(show(f, kind, theCase));
        QCOMPARE(shown.mid(shown.size() - texts.size()), texts);
        QVERIFY(f.platform.messages.isEmpty());
    }

    // The widest place keeps every stroke in the designed width of its box, "&" included; the
    // canal's boxes lie on the page, not in a frame.
    void valueBoxShowsTheWholeText()
    {
        NavigationFixture f;
        ResultsPage &p = show(f, Canal, kBothLines);
        QCOMPARE(p.MaxKavroOccur->width(), 73); // 1095 twips
        p.MaxKavroOccur->setText(": Bow&Stern");
        const int inDesignedWidth = lastInkColumn(p.MaxKavroOccur);
        p.MaxKavroOccur->resize(200, p.MaxKavroOccur->height());
        QCOMPARE(lastInkColumn(p.MaxKavroOccur), inDesignedWidth);
        QVERIFY(inDesignedWidth >= 70); // without the ampersand it would end some 11 pixels earlier
    }

    // Every activation computes the active case again, clears and redraws at the designed size.
    // The panels move only at an activation that draws a graph: down so that the input frame's
    // top lands 0.1 below the graph's caption, right by the number column. A case without a
    // result draws only its line, leaves nothing of the graph before and moves nothing.
    void panelsAcrossActivations()
    {
        const QList<ActiveCase> cases{kNoResult, kBothLines, kNoResult};
        const QString steps = "-M-";   // M: drawn and moved, -: no drawing
        NavigationFixture f;
        ResultsPage &p = f.forms->as<ResultsPage>(resultsPageOf(Canal));
        const DrawingSurface &s = p.surface();
        p.surface().setRecording(true);
        const auto inside = placesOf(p, p.mainResultsFrame());
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const auto before = placesOf(p, &p);
            const double frameTop = p.geometryTwips(p.Frame1).top();
            const QStringList texts = textsOf(p);
            p.surface().clearRecords();
            p.resize(500, 400);
            // The first activation shows the page; the later ones come back to it from the validity page.
            if (i > 0)
                p.Command4->click();
            f.forms->activeCase() = cases.at(i);
            if (i == 0)
                f.open(resultsPageOf(Canal));
            else
                f.forms->form(FormId::Validity).close();
            QCOMPARE(f.runtime.activeForm(), static_cast<Form *>(&p));
            QCOMPARE(p.size(), QSize(755, 530)); // 11450 x 8400 twips less border and title bar
            QCOMPARE(s.image().size(), p.size());
            QVERIFY(!s.records().isEmpty() && s.records().first().op == DrawRecord::Op::Clear);
            QCOMPARE(s.records().size() > 2, steps.at(i) != '-');
            QVERIFY(textsOf(p) != texts);
            for (const auto &[w, place] : before) {
                QPointF by;
                if (steps.at(i) == 'M') {
                    const double captionFoot = float(firstRecord(p, DrawRecord::Op::Text, "Kavro (m)").y1 + s.textHeight());
                    by = QPointF(s.widthToPixels(firstRecord(p, DrawRecord::Op::Text).x1),
                                 s.heightToPixels(captionFoot - s.pixelsToY(frameTop / 15) + 0.1)) * 15;
                }
                const QRectF now = p.geometryTwips(w);
                QVERIFY2((now.topLeft() - place.topLeft() - by).manhattanLength() < 1e-6 && now.size() == place.size()
                             && p.rect().contains(w->geometry()), qPrintable(w->objectName()));
            }
            QCOMPARE(placesOf(p, p.mainResultsFrame()), inside);
        }
        QVERIFY(f.platform.messages.isEmpty());
    }

    // A canal case, then a broader ship on the depth-restricted page: back on the canal page the
    // kept 40 m x 13 m section (520 m²) holds less than the ship's 60 m x 10 m (600 m²). The boxes
    // stay empty, as ": N/A" would read as a case that needs no limit, and one line says why.
    void noResultAfterAnotherKind()
    {
        NavigationFixture f;
        for (const auto &[kind, typed] : {std::pair{Canal, "10 10 20 0.8 15 0.3 40 13"}, {Depth, "10 10 60 0.8 15 0.3 13"}}) {
            ConditionPage &page = f.openPage(kind);
            NavigationFixture::typeCase(page, typed);
            QTest::mouseClick(page.Command3, Qt::LeftButton);
        }
        auto &p = f.forms->as<ResultsPage>(FormId::Results2);
        p.surface().setRecording(true);
        QTest::mouseClick(p.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(textsOf(p).mid(8), (QStringList{"", "", "", "Remaining under-keel clearance", ""}));
        QCOMPARE(p.surface().records().size(), 2);
        QCOMPARE(p.surface().records().last().text, QString("No result: the width of the last canal case is too narrow for the latest case."));
        QVERIFY(f.platform.messages.isEmpty());
    }

    // Print on a page that is not active activates it first, which computes the active case
    // again, then prints the page as it now stands.
    void printComputesFirst()
    {
        NavigationFixture f;
        ResultsPage &p = show(f, Depth, kBothLines);
        f.forms->form(FormId::Validity).Show();
        f.forms->activeCase() = kWorked;
        QTest::mouseClick(p.Command1, Qt::LeftButton);
        QCOMPARE(f.runtime.activeForm(), static_cast<Form *>(&p));
        QCOMPARE(p.Text7->text(), QString("Water depth..................: 12.00 m"));
        QCOMPARE(f.platform.printed.size(), 1);
        QCOMPARE(f.platform.printed.first().convertToFormat(QImage::Format_RGB32), p.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The validity page shows its designed text whole.
    void validityPage()
    {
        NavigationFixture fixture;
        fixture.open(FormId::Results1);
        auto &page = fixture.open<ValidityPage>(FormId::Validity);
        const QStringList lines = validityText().split("\r\n");
        QCOMPARE(page.Validity->toPlainText().split('\n'), lines.mid(0, 26) << QString());
        QVERIFY(lines.first().startsWith("The Computational Results Page") && lines.at(25) == "influence the computed results.");
    }
};

QTEST_MAIN(ResultsPagesTest)
#include "test_results_pages.moc"
