// SPDX-License-Identifier: GPL-3.0-or-later
// A realistic small table, a report of 20 x 30 cells of 90 x 24 pixels: its PNG export as a
// whole `quadrivel-cli` process, and two hundred of them exported by one batch process against
// two hundred processes of one export each.
#include "bench_goal.h"
#include "child_run.h"
#include "model/document.h"
#include "model/work_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int kReportColumns = 20;
constexpr int kReportRows = 30;
constexpr int kReports = 200;
// A quarter of what the fastest other exporter of HTML tables to pictures takes for this one.
constexpr double kReportPngGoalMs = 25.5;
// One batch process against as many processes as tables.
constexpr double kBatchGain = 3;

// A header row in white bold on a dark fill, item names down the first column, banded rows
// of right-aligned numbers with two decimals.
Document ReportTable() {
    Document document;
    document.settings.gridCellWidth = 90;
    document.settings.gridCellHeight = 24;
    CreateTable(document, kReportColumns, kReportRows, 2, 2, 0);
    for (int row = 0; row < kReportRows; ++row) {
        for (int column = 0; column < kReportColumns; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (row == 0) {
                cell.text = QStringLiteral("Quarter %1").arg(column);
                cell.bold = true;
                cell.backColour = 0x995533;
                cell.textColour = 0xFFFFFF;
            } else if (column == 0) {
                cell.text = QStringLiteral("Item %1").arg(row);
            } else {
                cell.text = QString::number((row * 37 + column * 101) % 10000 / 100.0, 'f', 2);
                cell.alignment = Alignment::Right;
                cell.backColour = row % 2 == 0 ? 0xF8F2EE : 0xFFFFFF;
            }
        }
    }
    return document;
}

class ReportFiles {
public:
    explicit ReportFiles(int count) {
        const Document report = ReportTable();
        for (int i = 0; i < count; ++i) {
            paths_.append(folder_.filePath(QStringLiteral("report%1.qdvl").arg(i)));
            saved_ = saved_ && SaveWorkFile(paths_.last(), report).ok();
        }
        saved_ = saved_ && QDir(folder_.path()).mkdir(QStringLiteral("out"));
    }
    bool saved() const { return saved_; }
    const QStringList& paths() const { return paths_; }
    QString Output(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QStringList paths_;
    bool saved_ = true;
};

ChildRun RunCli(const QStringList& arguments) {
    return RunChild(QStringLiteral(QUADRIVEL_CLI), arguments);
}

void BM_CliExportReportPng(benchmark::State& state) {
    const ReportFiles report(1);
    double fastest = 1e300;
    for (auto _ : state) {
        const ChildRun run = RunCli({QStringLiteral("export"), report.paths()[0],
                                     report.Output(QStringLiteral("report.png"))});
        if (!report.saved() || !run.succeeded) {
            state.SkipWithError("the report table could not be exported");
            return;
        }
        fastest = std::min(fastest, run.processorMs);
    }
    ReportAgainstGoal(state, "cpu_ms", fastest, kReportPngGoalMs);
}
BENCHMARK(BM_CliExportReportPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// All processor time counts: a batch's threads are the process's own.
void BM_CliBatchReportsPng(benchmark::State& state) {
    const ReportFiles reports(kReports);
    const QString outDir = reports.Output(QStringLiteral("out"));
    for (auto _ : state) {
        double processesMs = 0;
        bool succeeded = reports.saved();
        for (const QString& path : reports.paths()) {
            const ChildRun run = RunCli(
                {QStringLiteral("export"), path, QDir(outDir).filePath(QStringLiteral("one.png"))});
            succeeded = succeeded && run.succeeded;
            processesMs += run.processorMs;
        }
        const ChildRun batch = RunCli(QStringList{QStringLiteral("export")} + reports.paths() +
                                      QStringList{QStringLiteral("--out-dir"), outDir});
        if (!succeeded || !batch.succeeded) {
            state.SkipWithError("the report tables could not be exported");
            return;
        }
        state.counters["processes_cpu_ms"] = processesMs;
        ReportAgainstGoal(state, "batch_cpu_ms", batch.processorMs, processesMs / kBatchGain);
    }
}
BENCHMARK(BM_CliBatchReportsPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
