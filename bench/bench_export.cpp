// The whole `quadrivel-cli export` and `dump` processes, start to exit, on a full 109 x 109
// table: load, opening redraw, export render, encoding and the atomic write; the peak memory
// is the largest of any run of this program so far.
#include "bench_goal.h"
#include "model/document.h"
#include "model/work_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

// Processor time of the finished child processes, in milliseconds: on a busy machine it says
// more than the wall time.
double ChildProcessorMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The largest peak memory of any finished child, in MiB.
double ChildPeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

constexpr double kExportGoalMs = 40;
constexpr double kExportGoalMiB = 30;
constexpr double kDumpGoalMs = 80;

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

void RunExport(benchmark::State& state, const QString& name, const QStringList& extra) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const double fastest = FastestCliRunMs(
        state, QStringList{QStringLiteral("export"), table.path(), table.Output(name)} + extra);
    if (fastest < 0) return;
    ReportAgainstGoal(state, "cpu_ms", fastest, kExportGoalMs);
    ReportAgainstGoal(state, "peak_MiB", ChildPeakMiB(), kExportGoalMiB);
}

void BM_CliExportJpeg(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.jpg"), {});
}
BENCHMARK(BM_CliExportJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

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
