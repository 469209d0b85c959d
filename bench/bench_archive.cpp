// A database page over 100,000 stored cases must feel as quick as one over a few: opening,
// stepping to the last record, saving and deleting, and what the open table costs in memory.
#include "archive/data_control.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <memory>

using namespace kavro;

namespace {

constexpr int kCases = 100000;
const QString kTable = QStringLiteral("DepthRest");

// Builds a database file from the program's schema holding `cases` stored cases.
QString buildDatabase(const QTemporaryDir &folder, const QString &name, int cases)
{
    const QString path = folder.filePath(name);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        QFile schema(QStringLiteral(":/kavro.sql"));
        schema.open(QIODevice::ReadOnly);
        for (const QString &statement : QString::fromUtf8(schema.readAll()).split(QLatin1Char(';')))
            if (!statement.trimmed().isEmpty() && !query.exec(statement))
                qFatal("The schema did not build");
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO DepthRest (Date, Place, Author, Other, TA, TF, B2, CB, SS, K, H) "
                                     "VALUES (?, ?, 'Captain N.N', ?, '10.50', '10.20', '32.20', '0.80', '16', '0.5', '14')"));
        for (int i = 1; i <= cases; ++i) {
            query.addBindValue(QStringLiteral("2024-05-01"));
            query.addBindValue(QStringLiteral("Shallow Water Area %1").arg(i));
            query.addBindValue(QStringLiteral("Stored case %1\nsecond line").arg(i));
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

// Built once before the measurements, in a folder that lasts the run.
QTemporaryDir folder;
const QString &fullDatabase()
{
    static const QString path = buildDatabase(folder, QStringLiteral("full.db"), kCases);
    return path;
}
const QString &emptyDatabase()
{
    static const QString path = buildDatabase(folder, QStringLiteral("empty.db"), 0);
    return path;
}

// The page in small: boxes for every column, the grid and the control along the bottom.
struct Page
{
    explicit Page(const QString &path)
    {
        auto *layout = new QVBoxLayout(&window);
        for (const QString &column : {"Teller", "Date", "Place", "Author", "TA", "TF", "B2", "CB", "SS", "K", "H"}) {
            auto *box = new QLineEdit(&window);
            layout->addWidget(box);
            Data1->bind(box, column);
            boxes.insert(column, box);
        }
        boxes["Place"]->setMaxLength(50);
        boxes["Author"]->setMaxLength(30);
        layout->addWidget(Other);
        layout->addWidget(DBGrid1);
        layout->addWidget(Data1);
        Data1->bind(Other, QStringLiteral("Other"));
        Data1->bindGrid(DBGrid1, {"Date", "Place", "Author"}, {"Date", "Location", "Responsible"});
        window.resize(625, 420);
        Data1->setDatabaseName(path);
        Data1->setRecordSource(kTable);
        Data1->open();
        window.show();
        shown();
    }
    // Painted as the user sees it, which reads the rows the grid shows.
    void shown() { window.repaint(); }
    void click(const char *button) { Data1->findChild<QToolButton *>(button)->click(); }

    QWidget window;
    QHash<QString, QLineEdit *> boxes;
    QPlainTextEdit *Other = new QPlainTextEdit(&window);
    QTableView *DBGrid1 = new QTableView(&window);
    DataControl *Data1 = new DataControl(&window);
};

void medianOfFive(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

long residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void openToFirstRecord(benchmark::State &state)
{
    for (auto _ : state) {
        auto page = std::make_unique<Page>(fullDatabase());
        if (page->boxes["Place"]->text() != QLatin1String("Shallow Water Area 1"))
            state.SkipWithError("the first record is not shown");
        state.PauseTiming();
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(openToFirstRecord)->Apply(medianOfFive);

void moveLast(benchmark::State &state, bool byGrid)
{
    Page page(fullDatabase());
    for (auto _ : state) {
        // From a freshly opened table, so no row of the last block has been read yet.
        state.PauseTiming();
        page.Data1->refresh();
        page.DBGrid1->setFocus();
        state.ResumeTiming();
        if (byGrid) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
            QApplication::sendEvent(page.DBGrid1, &press);
        } else {
            page.click("Last");
        }
        page.shown();
        if (page.Data1->absolutePosition() != page.Data1->recordCount() - 1)
            state.SkipWithError("the last record is not current");
    }
}
// Each step reopens the table untimed, so a fixed number of steps keeps the run short.
BENCHMARK_CAPTURE(moveLast, strip, false)->Apply(medianOfFive)->Iterations(40);
BENCHMARK_CAPTURE(moveLast, ctrlEndInGrid, true)->Apply(medianOfFive)->Iterations(40);

void addThenUpdate(benchmark::State &state)
{
    Page page(fullDatabase());
    for (auto _ : state) {
        page.Data1->addNew();
        page.boxes["Place"]->setText(QStringLiteral("Shallow Water Area A"));
        page.boxes["Author"]->setText(QStringLiteral("Captain N.N"));
        page.Data1->updateRecord();
        page.Data1->setBookmark(page.Data1->lastModified());
        page.shown();
        if (page.Data1->absolutePosition() != page.Data1->recordCount() - 1)
            state.SkipWithError("the saved record is not current");
    }
}
BENCHMARK(addThenUpdate)->Apply(medianOfFive);

void deleteThenMoveFirst(benchmark::State &state)
{
    Page page(fullDatabase());
    for (auto _ : state) {
        state.PauseTiming();
        page.DBGrid1->setCurrentIndex(page.DBGrid1->model()->index(page.Data1->recordCount() / 2, 0));
        state.ResumeTiming();
        page.Data1->deleteCurrent();
        page.Data1->moveFirst();
        page.shown();
        if (page.Data1->absolutePosition() != 0)
            state.SkipWithError("the first record is not current");
    }
}
BENCHMARK(deleteThenMoveFirst)->Apply(medianOfFive);

void memoryOverEmptyTable(benchmark::State &state)
{
    // The first window of the program loads styles and fonts; that is no cost of the table.
    Page(emptyDatabase()).shown();
    for (auto _ : state) {
        const long before = residentKilobytes();
        Page empty(emptyDatabase());
        const long withEmpty = residentKilobytes();
        Page full(fullDatabase());
        full.click("Last");
        full.shown();
        const long withFull = residentKilobytes();
        state.counters["emptyPageMB"] = double(withEmpty - before) / 1024.0;
        state.counters["fullPageMB"] = double(withFull - withEmpty) / 1024.0;
        state.counters["overEmptyMB"] = double((withFull - withEmpty) - (withEmpty - before)) / 1024.0;
    }
}
BENCHMARK(memoryOverEmptyTable)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fullDatabase();
    emptyDatabase();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
