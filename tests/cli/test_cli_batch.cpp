// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_export.h"
#include "fixtures/cli_run.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMutex>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

// A table of `columns` x 2 cells with a word in each, saved as `name` in `folder`.
QString SavedTable(const TempFolder& folder, const QString& name, int columns) {
    Document document = MakeTable(columns, 2, 50, 20);
    for (int column = 0; column < columns; ++column)
        document.cell(column, 1).text = QStringLiteral("w%1").arg(column);
    const QString path = folder.Path(name);
    EXPECT_TRUE(SaveWorkFile(path, document).ok());
    return path;
}

} // namespace

TEST(BatchExport, OutputNamesAndMergedOutcomes) {
    EXPECT_EQ(BatchOutputPath(QStringLiteral("out"), QStringLiteral("/a/report.v2.qdvl"),
                              QStringLiteral("png")),
              QStringLiteral("out/report.v2.png"));
    EXPECT_EQ(
        BatchOutputPath(QStringLiteral("out/"), QStringLiteral("plain"), QStringLiteral("jpg")),
        QStringLiteral("out/plain.jpg"));

    // Exit codes by input; the third input's output is the first's and is never exported.
    QMutex lock;
    QStringList exported;
    const ExportOne fake = [&](const QString& input, const QString& output) {
        const QMutexLocker locked(&lock);
        exported.append(input + u'>' + output);
        CliResult result;
        result.exitCode = input.endsWith(u'4') ? 4 : input.endsWith(u'1') ? 1 : 0;
        if (result.exitCode != 0) result.error = input + QStringLiteral(": failed");
        result.messages.append(QStringLiteral("note"));
        return result;
    };
    const QStringList inputs = {QStringLiteral("a/t"), QStringLiteral("u1"),
                                QStringLiteral("b/t.x"), QStringLiteral("v4")};
    for (const int jobs : {1, 3, 8}) {
        exported.clear();
        const CliResult result =
            RunBatchExport(inputs, QStringLiteral("d"), QStringLiteral("x"), jobs, fake);
        EXPECT_EQ(result.exitCode, 5) << jobs;
        exported.sort();
        EXPECT_EQ(exported, QStringList({QStringLiteral("a/t>d/t.x"), QStringLiteral("u1>d/u1.x"),
                                         QStringLiteral("v4>d/v4.x")}))
            << jobs;
        EXPECT_EQ(result.messages,
                  QStringList({QStringLiteral("a/t: note"), QStringLiteral("u1: note"),
                               QStringLiteral("u1: failed"),
                               QStringLiteral("b/t.x: not exported: d/t.x is already the "
                                              "picture of a/t"),
                               QStringLiteral("v4: note"), QStringLiteral("v4: failed")}))
            << jobs;
        EXPECT_TRUE(result.error.isEmpty());
    }
    // Without a refused input the worst is the protected one.
    EXPECT_EQ(RunBatchExport({QStringLiteral("u1"), QStringLiteral("v4"), QStringLiteral("w")},
                             QStringLiteral("d"), QStringLiteral("x"), 2, fake)
                  .exitCode,
              4);
    EXPECT_EQ(
        RunBatchExport({QStringLiteral("w")}, QStringLiteral("d"), QStringLiteral("x"), 2, fake)
            .exitCode,
        0);
    // A line that merely begins with the input's name is still led by it.
    const ExportOne named = [](const QString&, const QString&) {
        return CliResult{kExitSuccess, {}, {}, {QStringLiteral("ab: x")}};
    };
    EXPECT_EQ(
        RunBatchExport({QStringLiteral("a")}, QStringLiteral("d"), QStringLiteral("x"), 1, named)
            .messages,
        QStringList{QStringLiteral("a: ab: x")});
}

TEST(BatchExport, OneJobRunsInTheCallingThreadSeveralInThreadsOfTheirOwn) {
    QMutex lock;
    std::set<std::thread::id> threads;
    const ExportOne record = [&](const QString&, const QString&) {
        const QMutexLocker locked(&lock);
        threads.insert(std::this_thread::get_id());
        return CliResult{};
    };
    const QStringList inputs = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    RunBatchExport(inputs, QStringLiteral("d"), QStringLiteral("x"), 1, record);
    EXPECT_EQ(threads, std::set<std::thread::id>{std::this_thread::get_id()});
    threads.clear();
    RunBatchExport(inputs, QStringLiteral("d"), QStringLiteral("x"), 3, record);
    EXPECT_FALSE(threads.empty());
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
}

TEST(CliBatch, AFailedInputStopsNoOther) {
    TempFolder folder;
    const QString first = SavedTable(folder, QStringLiteral("first.qdvl"), 2);
    const QString broken = folder.Write(QStringLiteral("broken.qdvl"), "not a table");
    const QString missing = folder.Path(QStringLiteral("missing.qdvl"));
    const QString last = SavedTable(folder, QStringLiteral("last.qdvl"), 3);
    const QString out = folder.Path(QStringLiteral("out"));
    for (const QString& failing : {broken, missing}) {
        QDir(out).removeRecursively();
        const CliOutcome run =
            Cli({QStringLiteral("export"), first, failing, last, QStringLiteral("--out-dir"), out,
                 QStringLiteral("--jobs"), QStringLiteral("2")});
        EXPECT_EQ(run.exitCode, failing == broken ? 3 : 1);
        const QList<QByteArray> lines = OwnErrorLines(run.err);
        ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith("quadrivel-cli: " + failing.toUtf8() + ": "))
            << lines[0].toStdString();
        EXPECT_EQ(QImage(out + QStringLiteral("/first.png")).size(), QSize(101, 41));
        EXPECT_EQ(QImage(out + QStringLiteral("/last.png")).size(), QSize(151, 41));
        EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden),
                  QStringList({QStringLiteral("first.png"), QStringLiteral("last.png")}));
    }
}

TEST(CliBatch, ASecondInputOfTheSameNameIsRefused) {
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(QStringLiteral("b")));
    const QString first = SavedTable(folder, QStringLiteral("t.qdvl"), 2);
    const QString second = SavedTable(folder, QStringLiteral("b/t.qdvl"), 4);
    const QString out = folder.Path(QStringLiteral("out"));
    const CliOutcome run =
        Cli({QStringLiteral("export"), first, second, QStringLiteral("--out-dir"), out,
             QStringLiteral("--format"), QStringLiteral("BMP")});
    EXPECT_EQ(run.exitCode, 5);
    const QList<QByteArray> lines = OwnErrorLines(run.err);
    ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith("quadrivel-cli: " + second.toUtf8() + ": not exported: "));
    // The first table's picture, two cells wide.
    EXPECT_EQ(QImage(out + QStringLiteral("/t.bmp")).size(), QSize(101, 41));
}

TEST(CliBatch, EveryJobCountWritesTheSingleExportsBytes) {
    TempFolder folder;
    QStringList tables;
    for (int i = 1; i <= 4; ++i)
        tables.append(SavedTable(folder, QStringLiteral("t%1.qdvl").arg(i), i));
    const QStringList kinds[] = {
        {QStringLiteral("--format"), QStringLiteral("jpg"), QStringLiteral("--scale"),
         QStringLiteral("2")},
        {QStringLiteral("--transparent")},
        {QStringLiteral("--kind"), QStringLiteral("bitmap")},
    };
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(QStringLiteral("alone")));
    const QString extensions[] = {QStringLiteral("jpg"), QStringLiteral("png"),
                                  QStringLiteral("bmp")};
    for (int k = 0; k < 3; ++k) {
        QStringList single = kinds[k];
        single.removeAll(QStringLiteral("--format"));
        single.removeAll(QStringLiteral("jpg"));
        for (const QString& jobs : {QStringLiteral("1"), QStringLiteral("2")}) {
            const QString out = folder.Path(QStringLiteral("out") + jobs + extensions[k]);
            const CliOutcome run =
                Cli(QStringList{QStringLiteral("export")} + tables +
                    QStringList{QStringLiteral("--out-dir"), out, QStringLiteral("--jobs"), jobs} +
                    kinds[k]);
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            for (int i = 1; i <= 4; ++i) {
                const QString name = QStringLiteral("/t%1.").arg(i) + extensions[k];
                const QString alone = folder.Path(QStringLiteral("alone")) + name;
                ASSERT_EQ(Cli(QStringList{QStringLiteral("export"), tables[i - 1], alone} + single)
                              .exitCode,
                          0);
                EXPECT_EQ(TempFolder::Read(out + name), TempFolder::Read(alone))
                    << name.toStdString();
                EXPECT_FALSE(TempFolder::Read(alone).isEmpty());
            }
        }
    }
}

TEST(CliBatch, UsageErrors) {
    TempFolder folder;
    const QString table = SavedTable(folder, QStringLiteral("t.qdvl"), 1);
    const QString out = folder.Path(QStringLiteral("out"));
    const QStringList wrong[] = {
        {QStringLiteral("export"), table, QStringLiteral("--out-dir"), out,
         QStringLiteral("--format"), QStringLiteral("txt")},
        {QStringLiteral("export"), table, QStringLiteral("--out-dir"), out,
         QStringLiteral("--jobs"), QStringLiteral("0")},
        {QStringLiteral("export"), table, QStringLiteral("--out-dir"), out,
         QStringLiteral("--jobs"), QStringLiteral("257")},
        {QStringLiteral("export"), table, QStringLiteral("--out-dir"), out,
         QStringLiteral("--kind"), QStringLiteral("bitmap"), QStringLiteral("--format"),
         QStringLiteral("bmp")},
        {QStringLiteral("export"), table, QStringLiteral("--out-dir"), out,
         QStringLiteral("--format"), QStringLiteral("jpg"), QStringLiteral("--transparent")},
        {QStringLiteral("export"), QStringLiteral("--out-dir"), out},
        {QStringLiteral("export"), table, folder.Path(QStringLiteral("t.png")),
         QStringLiteral("--jobs"), QStringLiteral("2")},
        {QStringLiteral("export"), table, folder.Path(QStringLiteral("t.png")),
         QStringLiteral("--format"), QStringLiteral("png")},
        {QStringLiteral("render"), table, QStringLiteral("--out-dir"), out},
    };
    for (const QStringList& arguments : wrong) {
        const CliOutcome run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    // The highest job count there is, and a folder made on the way.
    const QString deeper = out + QStringLiteral("/deeper");
    EXPECT_EQ(Cli({QStringLiteral("export"), table, QStringLiteral("--out-dir"), deeper,
                   QStringLiteral("--jobs"), QStringLiteral("256")})
                  .exitCode,
              0);
    EXPECT_TRUE(QFile::exists(deeper + QStringLiteral("/t.png")));
}
