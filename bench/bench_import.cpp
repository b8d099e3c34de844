// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a 111 x 111 CSV (quoted texts, "," decimals, semicolons) to a saved work file:
// in process (read, parse, fill, atomic save) and as the whole `quadrivel-cli import` run.
// The goal is under 0.3 s.
#include "child_run.h"
#include "content/table_from_data.h"
#include "model/delimited_text.h"
#include "model/work_file.h"
#include "render/table_renderer.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray LargestCsv() {
    QByteArray csv;
    for (int row = 0; row < kGridCapacity; ++row) {
        for (int column = 0; column < kGridCapacity; ++column) {
            if (column > 0) csv += ';';
            csv += (column + row) % 2 == 0
                       ? QByteArray::number(row * 1000 + column) + ",25"
                       : "\"Caf\xc3\xa9 \"\"" + QByteArray::number(column) + "\"\"; ok\"";
        }
        csv += "\r\n";
    }
    return csv;
}

struct CsvFile {
    CsvFile() {
        QFile file(data());
        written = file.open(QIODevice::WriteOnly) && file.write(LargestCsv()) > 0;
    }
    QString data() const { return folder.filePath(QStringLiteral("large.csv")); }
    QString out() const { return folder.filePath(QStringLiteral("large.qdvl")); }
    QTemporaryDir folder;
    bool written = false;
};

void BM_ImportLargestCsv(benchmark::State& state) {
    const CsvFile csv;
    for (auto _ : state) {
        QFile file(csv.data());
        if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("the CSV cannot be read");
        const DelimitedText data = ReadDelimitedText(file.readAll());
        Document document;
        document.settings.gridCellWidth = 104;
        document.settings.gridCellHeight = 28;
        document.settings.separatorPixels = 2;
        CreateTableFromData(document, data, TableColumnsFor(data), TableRowsFor(data), kViewOrigin);
        if (!SaveWorkFile(csv.out(), document).ok()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_ImportLargestCsv)->Unit(benchmark::kMillisecond);

#ifdef QUADRIVEL_CLI
void BM_CliImportLargestCsv(benchmark::State& state) {
    const CsvFile csv;
    double processorMs = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(QStringLiteral(QUADRIVEL_CLI),
                                      {QStringLiteral("import"), csv.data(), csv.out()});
        if (!run.succeeded) {
            state.SkipWithError("quadrivel-cli import failed");
            return;
        }
        processorMs += run.processorMs;
    }
    state.counters["child_cpu_ms"] = processorMs / double(state.iterations());
}
BENCHMARK(BM_CliImportLargestCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
