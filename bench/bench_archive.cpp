// A database page over 100,000 stored cases must feel as quick as one over a few: opening,
// stepping to the last record, saving, and what the open table costs in memory.
#include "support/archive_fixture.h"

#include <QToolButton>
#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace kavro;

namespace {

// The program over a database file holding `count` stored cases.
struct Program : ArchiveFixture
{
    explicit Program(int count)
    {
        if (!QSqlQuery(db).exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO DepthRest (Date, Place, Author, Other, TA, TF, B2, CB, SS, K, H) "
                "SELECT '2024-05-01', 'Shallow Water Area ' || i, 'Captain N.N', 'Stored case ' || i || char(10) || "
                "'second line', '10.50', '10.20', '32.20', '0.80', '16', '0.5', '14' FROM n WHERE %1 > 0").arg(count)))
            qFatal("The database could not be built");
        db.close();
    }
    // The depth-restricted page, shown and painted as the user sees it, which reads the rows the grid shows.
    std::unique_ptr<DatabasePage> open()
    {
        auto page = std::make_unique<DatabasePage>(*forms, WaterwayKind::DepthRestricted);
        page->Show();
        page->repaint();
        return page;
    }
};

Program *full = nullptr, *empty = nullptr;

void medianOfFive(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void openToFirstRecord(benchmark::State &state)
{
    for (auto _ : state) {
        auto page = full->open();
        if (page->Place->text() != QLatin1String("Shallow Water Area 1"))
            state.SkipWithError("the first record is not shown");
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(openToFirstRecord)->Apply(medianOfFive);

void moveLast(benchmark::State &state, bool byGrid)
{
    auto page = full->open();
    for (auto _ : state) {
        // From a freshly opened table, so no row of the last block has been read yet.
        state.PauseTiming();
        page->Data1->refresh();
        state.ResumeTiming();
        if (byGrid)
            QTest::keyClick(page->DBGrid1, Qt::Key_End, Qt::ControlModifier);
        else
            page->Data1->findChild<QToolButton *>(QStringLiteral("Last"))->click();
        page->repaint();
        if (page->Data1->absolutePosition() != page->Data1->recordCount() - 1)
            state.SkipWithError("the last record is not current");
    }
}
// Each step reopens the table untimed, so a fixed number of steps keeps the run short.
BENCHMARK_CAPTURE(moveLast, strip, false)->Apply(medianOfFive)->Iterations(40);
BENCHMARK_CAPTURE(moveLast, ctrlEndInGrid, true)->Apply(medianOfFive)->Iterations(40);

// Add puts in the page's default record; Update saves it and makes it current again.
void addThenUpdate(benchmark::State &state)
{
    auto page = full->open();
    for (auto _ : state) {
        const int stored = page->Data1->recordCount();
        page->cmdAdd->click();
        page->cmdUpdate->click();
        page->repaint();
        if (page->Data1->recordCount() != stored + 1 || page->Data1->absolutePosition() != stored)
            state.SkipWithError("the added record is not saved and current");
    }
}
BENCHMARK(addThenUpdate)->Apply(medianOfFive);

// Heap in use: unlike the resident size it does not hide what reuses memory freed earlier in the run.
double heapMegabytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

void memoryOverEmptyTable(benchmark::State &state)
{
    // The first window of the program loads styles and fonts; that is no cost of the table.
    empty->open();
    for (auto _ : state) {
        const double before = heapMegabytes();
        auto overEmpty = empty->open();
        const double withEmpty = heapMegabytes();
        auto overFull = full->open();
        overFull->Data1->moveLast();
        overFull->repaint();
        const double withFull = heapMegabytes();
        state.counters["emptyPageMB"] = withEmpty - before;
        state.counters["fullPageMB"] = withFull - withEmpty;
        state.counters["overEmptyMB"] = (withFull - withEmpty) - (withEmpty - before);
    }
}
BENCHMARK(memoryOverEmptyTable)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program withCases(100000), withoutCases(0);
    full = &withCases;
    empty = &withoutCases;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
