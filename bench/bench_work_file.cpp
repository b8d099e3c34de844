// Saving and loading the largest table against a plain write and read of as many bytes, and
// the heap memory that 29 undo snapshots of a full table cost.
#include "bench_goal.h"
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

// The floor: writing or reading as many bytes with no work on them, the fastest of a few.
double PlainWriteMs(const std::string& path, const std::string& bytes) {
    double fastest = 1e300;
    for (int run = 0; run < 20; ++run) {
        const double start = ThreadProcessorMs();
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        fastest = std::min(fastest, ThreadProcessorMs() - start);
    }
    return fastest;
}

double PlainReadMs(const std::string& path, size_t size) {
    std::string back(size, '\0');
    double fastest = 1e300;
    for (int run = 0; run < 20; ++run) {
        const double start = ThreadProcessorMs();
        std::ifstream(path, std::ios::binary).read(back.data(), std::streamsize(back.size()));
        benchmark::DoNotOptimize(back.data());
        fastest = std::min(fastest, ThreadProcessorMs() - start);
    }
    return fastest;
}

constexpr double kGoalTimesPlain = 1.5;

void BM_SaveLargestTable(benchmark::State& state) {
    const Document document = LargestTable();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    const double saveMs = FastestRunMs(state, [&] {
        if (!SaveWorkFile(path, document).ok()) state.SkipWithError("save failed");
    });
    const qint64 size = QFile(path).size();
    const double plainMs = PlainWriteMs(dir.filePath(QStringLiteral("plain.bin")).toStdString(),
                                        std::string(size_t(size), 'x'));
    state.counters["cpu_ms"] = saveMs;
    state.counters["plain_write_cpu_ms"] = plainMs;
    ReportAgainstGoal(state, "x_plain", saveMs / plainMs, kGoalTimesPlain);
}
BENCHMARK(BM_SaveLargestTable)->Unit(benchmark::kMillisecond);

void BM_LoadLargestTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.qdvl"));
    if (!SaveWorkFile(path, LargestTable()).ok()) state.SkipWithError("save failed");
    Document document;
    const double loadMs = FastestRunMs(state, [&] {
        if (!LoadWorkFile(path, document, {}).ok()) state.SkipWithError("load failed");
    });
    const double plainMs = PlainReadMs(path.toStdString(), size_t(QFile(path).size()));
    state.counters["cpu_ms"] = loadMs;
    state.counters["plain_read_cpu_ms"] = plainMs;
    ReportAgainstGoal(state, "x_plain", loadMs / plainMs, kGoalTimesPlain);
}
BENCHMARK(BM_LoadLargestTable)->Unit(benchmark::kMillisecond);

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
