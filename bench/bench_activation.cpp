// What a results page does on every activation: compute the case and draw its graph.
// A page must redraw at once when the user comes back to it.
#include "forms/drawing_surface.h"
#include "forms/font_faces.h"
#include "core/regional_numbers.h"
#include "compute/kavro_computation.h"
#include "results/kavro_graph.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace kavro;

namespace {

ActiveCase typicalCase()
{
    ActiveCase activeCase;
    activeCase.DraughtAft = QStringLiteral("10");
    activeCase.DraughtFore = QStringLiteral("10");
    activeCase.Breadth = QStringLiteral("32");
    activeCase.BlockCoefficient = QStringLiteral("0.8");
    activeCase.MinUkc = QStringLiteral("0.5");
    activeCase.WaterDepth = QStringLiteral("12");
    activeCase.WaterwayWidth = QStringLiteral("200");
    activeCase.ServiceSpeed = 16;
    return activeCase;
}

void computeCanalCase(benchmark::State &state)
{
    const RegionalNumbers numbers(QLocale(QLocale::English, QLocale::UnitedStates));
    const ActiveCase activeCase = typicalCase();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeKavro(WaterwayKind::Canal, activeCase, numbers));
}
BENCHMARK(computeCanalCase);

void drawGraph(benchmark::State &state)
{
    const RegionalNumbers numbers(QLocale(QLocale::English, QLocale::UnitedStates));
    const ActiveCase activeCase = typicalCase();
    DrawingSurface surface(QSize(755, 530));
    surface.setFont(designedFont(QStringLiteral("Times New Roman"), 9.75));
    for (auto _ : state) {
        const KavroResult result = computeKavro(WaterwayKind::DepthRestricted, activeCase, numbers);
        surface.Cls();
        GraphInputs in{result.K, result.T, 12, 0.5, activeCase.ServiceSpeed, result.MaxShipSpeed};
        benchmark::DoNotOptimize(drawKavroGraph(surface, in, numbers));
    }
}
BENCHMARK(drawGraph)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
