// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the largest table against a plain write and read of as many bytes, the
// recovery snapshot against its bytes, and the heap memory that 29 undo snapshots of a full
// table cost.
#include "bench_goal.h"
#include "model/recovery_store.h"
#include "model/work_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

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

// The fastest processor time of each piece of work, run in turns so that all meet the same
// state of the machine.
template <typename... Works>
std::array<double, sizeof...(Works)> FastestInTurns(benchmark::State& state, Works... works) {
    std::array<double, sizeof...(Works)> fastest;
    fastest.fill(1e300);
    for (auto _ : state) {
        size_t index = 0;
        const auto timed = [&](auto& work) {
            const double start = ThreadProcessorMs();
            work();
            fastest[index] = std::min(fastest[index], ThreadProcessorMs() - start);
            ++index;
        };
        (timed(works), ...);
    }
    return fastest;
}

constexpr double kGoalTimesPlain = 1.5;

// `work` against `plain`, the floor it is held against.
void ReportAgainstPlain(benchmark::State& state, double work, double plain) {
    state.counters["cpu_ms"] = work;
    state.counters["plain_cpu_ms"] = plain;
    ReportAgainstGoal(state, "x_plain", work / plain, kGoalTimesPlain);
}

// Writes the bytes to a file of their own and, when `durable`, syncs them to the disk before
// it returns, as the save must.
void PlainWrite(const std::string& path, const std::string& bytes, bool durable) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) return;
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written <= 0) break;
        done += size_t(written);
    }
    if (durable) ::fsync(file);
    ::close(file);
}

// Against a plain write of as many bytes, and against the same write synced to the disk: the
// save syncs before it replaces the old file, so the kernel's writing out is counted in it.
void BM_SaveLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    if (!SaveWorkFile(path, document).ok()) state.SkipWithError("save failed");
    const std::string bytes(size_t(QFile(path).size()), 'x');
    const std::string plainPath = dir.filePath(QStringLiteral("plain.bin")).toStdString();
    const auto [save, plain, durable] = FastestInTurns(
        state,
        [&] {
            if (!SaveWorkFile(path, document).ok()) state.SkipWithError("save failed");
        },
        [&] { PlainWrite(plainPath, bytes, false); }, [&] { PlainWrite(plainPath, bytes, true); });
    ReportAgainstPlain(state, save, plain);
    state.counters["synced_plain_cpu_ms"] = durable;
    ReportAgainstGoal(state, "x_synced_plain", save / durable, kGoalTimesPlain);
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
    const auto [load, plain] = FastestInTurns(
        state,
        [&] {
            if (!LoadWorkFile(path, document, {}).ok()) state.SkipWithError("load failed");
        },
        [&] {
            std::ifstream(plainPath, std::ios::binary)
                .read(back.data(), std::streamsize(back.size()));
            benchmark::DoNotOptimize(back.data());
        });
    ReportAgainstPlain(state, load, plain);
}
BENCHMARK(BM_LoadLargestTable)->Unit(benchmark::kMillisecond);

// The part of a recovery copy the editor's thread does (the snapshot), against the bytes a
// worker then makes of it: the snapshot has to fit in a frame (16 ms).
void BM_RecoverySnapshotOfLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    Document snapshot;
    const auto [snapshotMs, bytesMs] = FastestInTurns(
        state, [&] { snapshot = RecoverySnapshot(document); },
        [&] { benchmark::DoNotOptimize(WorkFileBytes(snapshot).size()); });
    state.counters["bytes_cpu_ms"] = bytesMs;
    ReportAgainstGoal(state, "snapshot_cpu_ms", snapshotMs, 16);
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
