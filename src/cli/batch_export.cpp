// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_export.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <malloc.h>
#include <thread>
#include <vector>

namespace {

// Each input's outcome in its own slot, so the threads share nothing but the next index.
void ExportAll(const QStringList& inputs, const QStringList& outputs, int jobs,
               const ExportOne& exportOne, std::vector<CliResult>& results) {
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < inputs.size(); i = next++)
            if (results[size_t(i)].exitCode == kExitSuccess)
                results[size_t(i)] = exportOne(inputs[i], outputs[i]);
    };
    // A table's grid and picture, once freed, stay with the process for the next table instead
    // of going back to the kernel and being faulted in again: a tenth of a batch's time.
    constexpr int kLargestReused = 32 << 20; // glibc's ceiling
    mallopt(M_MMAP_THRESHOLD, kLargestReused);
    mallopt(M_TRIM_THRESHOLD, 4 * kLargestReused);
    const int threads = int(std::min<qsizetype>(jobs, inputs.size()));
    if (threads <= 1) {
        work();
        return;
    }
    std::vector<std::jthread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(work);
}

// A line of stderr that names its input, unless it does already.
QString Named(const QString& input, const QString& line) {
    const QString lead = input + QStringLiteral(": ");
    return line.startsWith(lead) ? line : lead + line;
}

} // namespace

QString BatchOutputPath(const QString& outDir, const QString& input, const QString& extension) {
    return QDir(outDir).filePath(QFileInfo(input).completeBaseName() + u'.' + extension);
}

CliResult RunBatchExport(const QStringList& inputs, const QString& outDir, const QString& extension,
                         int jobs, const ExportOne& exportOne) {
    std::vector<CliResult> results(size_t(inputs.size()));
    QStringList outputs;
    QHash<QString, QString> takenBy;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const QString output = QDir::cleanPath(BatchOutputPath(outDir, inputs[i], extension));
        outputs.append(output);
        if (const auto earlier = takenBy.constFind(output); earlier != takenBy.cend())
            results[size_t(i)] = {kExitOutputNotWritten,
                                  {},
                                  QStringLiteral("not exported: %1 is already the picture of %2")
                                      .arg(output, *earlier),
                                  {}};
        else
            takenBy.insert(output, inputs[i]);
    }
    ExportAll(inputs, outputs, jobs, exportOne, results);

    CliResult merged;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const CliResult& result = results[size_t(i)];
        for (const QString& message : result.messages)
            merged.messages.append(Named(inputs[i], message));
        if (!result.error.isEmpty()) merged.messages.append(Named(inputs[i], result.error));
        merged.exitCode = std::max(merged.exitCode, result.exitCode);
    }
    return merged;
}
