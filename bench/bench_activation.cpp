// A results page must redraw at once when the user comes back to it, even for a case near the
// graph's limits.
#include "results/results_page.h"
#include "support/navigation_fixture.h"

#include <benchmark/benchmark.h>

using namespace kavro;

namespace {

// A canal page that comes back after a depth-restricted OK for a broader ship, whose kept canal
// width leaves a free section of a few square centimetres: the kavro range nears its 16-bit
// limit, and the graph has some 458,000 ticks and 65,000 numbers to draw.
void activateCanalPageNearKavroLimit(benchmark::State &state)
{
    NavigationFixture program;
    ResultsPage page(*program.forms, WaterwayKind::Canal);
    // Canal OK, then the depth-restricted OK that writes every field but the width.
    program.forms->activeCase() = ActiveCase{"10", "10", "10", "0.8", "0.5", "12", "16", QString(), 16};
    page.Form_Activate();
    program.forms->activeCase() = ActiveCase{"10", "10", "32", "0.8", "0.5", "20.000227", "16", QString(), 30};
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
