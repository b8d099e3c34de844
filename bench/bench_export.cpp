// The whole `quadrivel-cli export` process, start to exit, on a full 109 x 109 table: load,
// opening redraw, export render, encoding and the atomic write.
#include "child_processor_time.h"
#include "model/document.h"
#include "model/work_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
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

void RunExport(benchmark::State& state, const QString& name, const QStringList& extra) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const QStringList arguments =
        QStringList{QStringLiteral("export"), table.path(), table.Output(name)} + extra;
    const double processorBefore = ChildProcessorMs();
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("quadrivel-cli export failed");
            return;
        }
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter((ChildProcessorMs() - processorBefore) / double(state.iterations()));
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

// Every length doubled: at most four times the PNG at scale 1.
void BM_CliExportPngScale2(benchmark::State& state) {
    RunExport(state, QStringLiteral("full2.png"), {QStringLiteral("--scale"), QStringLiteral("2")});
}
BENCHMARK(BM_CliExportPngScale2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Vector output: under a second each.
void BM_CliExportSvg(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.svg"), {});
}
BENCHMARK(BM_CliExportSvg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportPdf(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.pdf"), {});
}
BENCHMARK(BM_CliExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
