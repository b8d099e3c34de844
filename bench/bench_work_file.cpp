// Saving and loading the largest table against a plain write and read of as many bytes, and
// the heap memory that 29 undo snapshots of a full table cost.
#include "model/work_file.h"

#include <QFile>
#include <QTemporaryDir>
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

void BM_SaveLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    for (auto _ : state) {
        if (!SaveWorkFile(path, document).ok()) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(path).size());
}
BENCHMARK(BM_SaveLargestTable)->Unit(benchmark::kMillisecond);

void BM_LoadLargestTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    if (!SaveWorkFile(path, LargestTable()).ok()) state.SkipWithError("save failed");
    Document document;
    for (auto _ : state) {
        if (!LoadWorkFile(path, document, {}).ok()) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(path).size());
}
BENCHMARK(BM_LoadLargestTable)->Unit(benchmark::kMillisecond);

// The floor: writing and reading the same number of bytes with no work on them.
void BM_PlainWriteRead(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("plain.bin")).toStdString();
    const std::string bytes(size_t(kGridCapacity) * kGridCapacity * 3331, 'x');
    std::string back(bytes.size(), '\0');
    for (auto _ : state) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        std::ifstream(path, std::ios::binary).read(back.data(), std::streamsize(back.size()));
        benchmark::DoNotOptimize(back.data());
    }
}
BENCHMARK(BM_PlainWriteRead)->Unit(benchmark::kMillisecond);

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
