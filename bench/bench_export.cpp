// The whole `quadrivel-cli export` and `dump` processes, start to exit, on a full 109 x 109
// table: load, opening redraw, export render, encoding and the atomic write; the peak memory
// is the largest of any run of this program so far.
#include "bench_goal.h"
#include "child_processor_time.h"
#include "model/document.h"
#include "model/work_file.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

// 109 x 109 cells of 10 x 10 pixels, a short number in each, saved as a work file.
class FullTableFile {
public:
    FullTableFile() {
        Document document;
        document.settings.gridCellWidth = 10;
        document.settings.gridCellHeight = 10;
        CreateTable(document, 109, 109, 2, 2, 0);
        for (int row = 0; row < 109; ++row)
            for (int column = 0; column < 109; ++column)
                document.cell(column, row).text = QString::number((column + row) % 100);
        saved_ = SaveWorkFile(path(), document).ok();
    }
    bool saved() const { return saved_; }
    QString path() const { return folder_.filePath(QStringLiteral("full.qdvl")); }
    QString Output(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    bool saved_ = false;
};

// The largest peak memory of any finished child, in MiB.
double ChildPeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

constexpr double kExportGoalMs = 40;
// The JPEG export and its floor are each run as often, so that their fastest runs compare.
constexpr int kFloorRuns = 20;
constexpr double kExportGoalMiB = 30;
constexpr double kDumpGoalMs = 80;
// Vector output of the full table; a picture at scale 2, at most four times the plain PNG.
constexpr double kVectorGoalMs = 1000;
constexpr double kScale2GoalMs = 4 * 78;

// Runs the CLI once per iteration; the fastest run's processor time, or a negative value when
// a run failed.
double FastestCliRunMs(benchmark::State& state, const QStringList& arguments) {
    double fastest = 1e300;
    for (auto _ : state) {
        const double before = ChildProcessorMs();
        QProcess process;
        process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("quadrivel-cli failed");
            return -1;
        }
        fastest = std::min(fastest, ChildProcessorMs() - before);
    }
    return fastest;
}

void RunExport(benchmark::State& state, const QString& name, const QStringList& extra,
               double goalMs = kExportGoalMs) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const double fastest = FastestCliRunMs(
        state, QStringList{QStringLiteral("export"), table.path(), table.Output(name)} + extra);
    if (fastest < 0) return;
    ReportAgainstGoal(state, "cpu_ms", fastest, goalMs);
    ReportAgainstGoal(state, "peak_MiB", ChildPeakMiB(), kExportGoalMiB);
}

void BM_CliExportJpeg(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.jpg"), {});
}
BENCHMARK(BM_CliExportJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kFloorRuns);

// The floor under the JPEG export: Qt's start, the file's bytes read, one font, the picture,
// a glyph run per cell and the encoding, with nothing of the program's own (export_floor.cpp).
void BM_ExportFloorJpeg(benchmark::State& state) {
    const FullTableFile table;
    const QString exported = table.Output(QStringLiteral("exported.jpg"));
    QProcess cli;
    cli.start(QStringLiteral(QUADRIVEL_CLI), {QStringLiteral("export"), table.path(), exported});
    const QSize size = cli.waitForFinished(60000) ? QImageReader(exported).size() : QSize();
    if (!table.saved() || size.isEmpty()) {
        state.SkipWithError("the table could not be exported");
        return;
    }
    double fastest = 1e300;
    for (auto _ : state) {
        const double before = ChildProcessorMs();
        QProcess process;
        process.start(QStringLiteral(QUADRIVEL_EXPORT_FLOOR),
                      {table.path(), table.Output(QStringLiteral("floor.jpg")),
                       QString::number(size.width()), QString::number(size.height())});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("export_floor failed");
            return;
        }
        fastest = std::min(fastest, ChildProcessorMs() - before);
    }
    state.counters["cpu_ms"] = fastest;
}
BENCHMARK(BM_ExportFloorJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kFloorRuns);

void BM_CliExportPng(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.png"), {});
}
BENCHMARK(BM_CliExportPng)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportGif(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.gif"), {});
}
BENCHMARK(BM_CliExportGif)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportBitmap(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.bmp"),
              {QStringLiteral("--kind"), QStringLiteral("bitmap")});
}
BENCHMARK(BM_CliExportBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every length doubled: at most four times the PNG at scale 1.
void BM_CliExportPngScale2(benchmark::State& state) {
    RunExport(state, QStringLiteral("full2.png"), {QStringLiteral("--scale"), QStringLiteral("2")},
              kScale2GoalMs);
}
BENCHMARK(BM_CliExportPngScale2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Vector output: under a second each.
void BM_CliExportSvg(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.svg"), {}, kVectorGoalMs);
}
BENCHMARK(BM_CliExportSvg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportPdf(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.pdf"), {}, kVectorGoalMs);
}
BENCHMARK(BM_CliExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// `quadrivel-cli dump` of the same table: the editor's state after opening, as JSON.
void BM_CliDump(benchmark::State& state) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const double fastest = FastestCliRunMs(state, {QStringLiteral("dump"), table.path()});
    if (fastest >= 0) ReportAgainstGoal(state, "cpu_ms", fastest, kDumpGoalMs);
}
BENCHMARK(BM_CliDump)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
