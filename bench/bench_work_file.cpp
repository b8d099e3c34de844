// Saving and loading the largest table against a plain write and read of as many bytes, the
// recovery snapshot against its bytes, and the heap memory that 29 undo snapshots of a full
// table cost.
#include "bench_goal.h"
#include "model/recovery_store.h"
#include "model/work_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

Document LargestTable() {
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTable(document, kGridCapacity, kGridCapacity, 2, 2, 0);
    for (int row = 0; row < kGridCapacity; ++row) {
        for (int column = 0; column < kGridCapacity; ++column) {
            CellRecord& cell = document.cell(column, row);
            cell.text = QString(kTextMaxUnits, QChar(u'a' + (column + row) % 26));
            cell.imageSpec = QStringLiteral("/home/user/pictures/photo.png*16777215");
            cell.operationDescriptor = QStringLiteral("1010200000");
        }
    }
    return document;
}

// The fastest processor time of `work` and of `plain`, the floor it is held against, run in
// turns so that both meet the same state of the machine.
struct PairedMs {
    double work = 1e300;
    double plain = 1e300;
};

template <typename Work, typename Plain>
PairedMs FastestInTurns(benchmark::State& state, Work work, Plain plain) {
    PairedMs fastest;
    for (auto _ : state) {
        double start = ThreadProcessorMs();
        work();
        fastest.work = std::min(fastest.work, ThreadProcessorMs() - start);
        start = ThreadProcessorMs();
        plain();
        fastest.plain = std::min(fastest.plain, ThreadProcessorMs() - start);
    }
    return fastest;
}

constexpr double kGoalTimesPlain = 1.5;

void ReportAgainstPlain(benchmark::State& state, const PairedMs& fastest) {
    state.counters["cpu_ms"] = fastest.work;
    state.counters["plain_cpu_ms"] = fastest.plain;
    ReportAgainstGoal(state, "x_plain", fastest.work / fastest.plain, kGoalTimesPlain);
}

// Against a plain write of as many bytes (ofstream) to a file of its own.
void BM_SaveLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    if (!SaveWorkFile(path, document).ok()) state.SkipWithError("save failed");
    const std::string bytes(size_t(QFile(path).size()), 'x');
    const std::string plainPath = dir.filePath(QStringLiteral("plain.bin")).toStdString();
    ReportAgainstPlain(state, FastestInTurns(
                                  state,
                                  [&] {
                                      if (!SaveWorkFile(path, document).ok())
                                          state.SkipWithError("save failed");
                                  },
                                  [&] {
                                      std::ofstream(plainPath, std::ios::binary)
                                          .write(bytes.data(), std::streamsize(bytes.size()));
                                  }));
}
BENCHMARK(BM_SaveLargestTable)->Unit(benchmark::kMillisecond);

// Against a plain read of the same file (ifstream) into a buffer.
void BM_LoadLargestTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    if (!SaveWorkFile(path, LargestTable()).ok()) state.SkipWithError("save failed");
    std::string back(size_t(QFile(path).size()), '\0');
    const std::string plainPath = path.toStdString();
    Document document;
    ReportAgainstPlain(state, FastestInTurns(
                                  state,
                                  [&] {
                                      if (!LoadWorkFile(path, document, {}).ok())
                                          state.SkipWithError("load failed");
                                  },
                                  [&] {
                                      std::ifstream(plainPath, std::ios::binary)
                                          .read(back.data(), std::streamsize(back.size()));
                                      benchmark::DoNotOptimize(back.data());
                                  }));
}
BENCHMARK(BM_LoadLargestTable)->Unit(benchmark::kMillisecond);

// The part of a recovery copy the editor's thread does (the snapshot), against the bytes a
// worker then makes of it: the snapshot has to fit in a frame (16 ms).
void BM_RecoverySnapshotOfLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    Document snapshot;
    const PairedMs fastest = FastestInTurns(
        state, [&] { snapshot = RecoverySnapshot(document); },
        [&] { benchmark::DoNotOptimize(WorkFileBytes(snapshot).size()); });
    state.counters["bytes_cpu_ms"] = fastest.plain;
    ReportAgainstGoal(state, "snapshot_cpu_ms", fastest.work, 16);
}
BENCHMARK(BM_RecoverySnapshotOfLargestTable)->Unit(benchmark::kMillisecond);

// Bytes in use on the heap; unlike the resident size it also sees memory that was freed
// earlier and handed out again.
double HeapMegabytes() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void BM_TwentyNineSnapshots(benchmark::State& state) {
    Document document = LargestTable();
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        document.undo = UndoStore();
        const double before = HeapMegabytes();
        state.ResumeTiming();
        for (int i = 0; i < 29; ++i) {
            document.cell(i, i).bold = i; // each snapshot differs in one cell
            SnapshotForUndo(document);
        }
        state.PauseTiming();
        growth = HeapMegabytes() - before;
        state.ResumeTiming();
    }
    state.counters["heap_growth_MB"] = growth;
}
BENCHMARK(BM_TwentyNineSnapshots)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
