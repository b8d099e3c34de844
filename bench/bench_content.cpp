// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_goal.h"
#include "content/built_in_styles.h"
#include "content/clock.h"
#include "content/operations.h"
#include "content/series_evaluation.h"
#include "content/table_style.h"
#include "model/document.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

// A full 111 x 111 table: a row series command in every cell of column 0 (the kinds taking
// turns) and a row sum in every cell of the last column.
Document FullTable() {
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTable(document, kGridCapacity, kGridCapacity, 2, 2, 0);
    const std::array<QString, 10> commands = {
        QStringLiteral("f5f"),
        QStringLiteral("f10.5f"),
        QStringLiteral("#lot#1.1#pcs#f"),
        QStringLiteral("f23:30:45fm"),
        QStringLiteral("f13/6/2025fes"),
        QStringLiteral("fmonthsf"),
        QStringLiteral("fsemanaf"),
        QStringLiteral("f1.5f0.25f"),
        QStringLiteral("7f\u00AC"),
        QStringLiteral("f1/1/2025fen"),
    };
    for (int row = 0; row < kGridCapacity; ++row) {
        document.cell(0, row).text = commands[size_t(row) % commands.size()];
        document.cell(kGridCapacity - 1, row).operationDescriptor = QStringLiteral("0000010299");
    }
    return document;
}

void FullPass(Document& document, const Clock& clock) {
    EvaluateNewSeries(document, clock);
    ReevaluateSeries(document, clock);
    RecomputeOperations(document);
}

// A redraw followed by a recomputation, with the commands already stored.
void BM_ContentPass(benchmark::State& state) {
    const FixedClock clock(QDate(2025, 6, 15));
    Document document = FullTable();
    FullPass(document, clock);
    for (auto _ : state) {
        FullPass(document, clock);
        benchmark::DoNotOptimize(document.cell(kGridCapacity - 1, 0).text.size());
    }
}
BENCHMARK(BM_ContentPass)->Unit(benchmark::kMillisecond);

// The first pass after opening a file: every command back in its cell's text, so pass 1
// stores and applies them all too.
void BM_ContentPassAfterOpening(benchmark::State& state) {
    const FixedClock clock(QDate(2025, 6, 15));
    Document document = FullTable();
    FullPass(document, clock);
    for (auto _ : state) {
        RestoreCommands(document);
        FullPass(document, clock);
        benchmark::DoNotOptimize(document.cell(kGridCapacity - 1, 0).text.size());
    }
}
BENCHMARK(BM_ContentPassAfterOpening)->Unit(benchmark::kMillisecond);

void BM_RecomputeOperations(benchmark::State& state) {
    const FixedClock clock(QDate(2025, 6, 15));
    Document document = FullTable();
    FullPass(document, clock);
    for (auto _ : state) {
        RecomputeOperations(document);
        benchmark::DoNotOptimize(document.cell(kGridCapacity - 1, 0).text.size());
    }
}
BENCHMARK(BM_RecomputeOperations)->Unit(benchmark::kMillisecond);

// A style with header, bands and a last row over the full table, its texts half numbers.
void BM_ApplyTableStyle(benchmark::State& state) {
    constexpr double kGoalMs = 20;
    Document document = FullTable();
    for (int row = 0; row < kGridCapacity; ++row) {
        for (int column = 1; column < kGridCapacity - 1; ++column)
            document.cell(column, row).text =
                column % 2 == 0 ? QString::number(row * column) : QStringLiteral("text");
    }
    const TableStyle& ledger = *FindStyle(BuiltInStyles(), QStringLiteral("ledger"));
    const double fastest = FastestRunMs(state, [&] {
        ApplyTableStyle(document, ledger);
        benchmark::DoNotOptimize(document.cell(1, 1).backColour);
    });
    ReportAgainstGoal(state, "cpu_ms", fastest, kGoalMs);
}
BENCHMARK(BM_ApplyTableStyle)->Unit(benchmark::kMillisecond);

} // namespace
