// What a results page does on every activation: draw the graph of a typical case, and compute and
// draw a case near the graph's limits.
// A page must redraw at once when the user comes back to it.
#include "bench/silent_platform.h"
#include "compute/kavro_computation.h"
#include "core/regional_numbers.h"
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "results/kavro_graph.h"
#include "results/results_page.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kavro;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

void drawGraph(benchmark::State &state)
{
    const RegionalNumbers numbers(kEnglish);
    const ActiveCase activeCase{"10", "10", "32", "0.8", "0.5", "12", "200", QString(), 16};
    DrawingSurface surface(QSize(755, 530));
    surface.setFont(designedFont(QStringLiteral("Times New Roman"), 9.75));
    const Kavro kavro = *computeKavro(WaterwayKind::DepthRestricted, activeCase, numbers);
    const GraphInputs in{kavro.K, kavro.T, 12, 0.5, activeCase.ServiceSpeed, kavro.Vmax.has_value()};
    for (auto _ : state) {
        surface.Cls();
        benchmark::DoNotOptimize(drawKavroGraph(surface, in, numbers));
    }
}
BENCHMARK(drawGraph)->Unit(benchmark::kMillisecond);

// A canal page that comes back after a depth-restricted OK for a broader ship, whose kept canal
// width leaves a free section of a few square centimetres: the kavro range nears its 16-bit
// limit, and the graph has some 458,000 ticks and 65,000 numbers to draw.
void activateCanalPageNearKavroLimit(benchmark::State &state)
{
    SilentPlatform platform;
    FormRuntime runtime(platform);
    Forms forms(runtime, RegionalNumbers(kEnglish));
    ResultsPage page(forms, WaterwayKind::Canal);
    // Canal OK, then the depth-restricted OK that writes every field but the width.
    forms.activeCase() = ActiveCase{"10", "10", "10", "0.8", "0.5", "12", "16", QString(), 16};
    page.Form_Activate();
    forms.activeCase() = ActiveCase{"10", "10", "32", "0.8", "0.5", "20.000227", "16", QString(), 30};
    for (auto _ : state)
        page.Form_Activate();
}
BENCHMARK(activateCanalPageNearKavroLimit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
