// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/fifo.h"
#include "fixtures/temp_folder.h"
#include "model/cell_record.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject CellOf(const QJsonObject& table, int column, int row) {
    const int columns = table[QStringLiteral("columnCount")].toInt();
    return table[QStringLiteral("cells")].toArray()[row * columns + column].toObject();
}

} // namespace

TEST(CliImport, SpreadsheetExportRoundTripsThroughDump) {
    TempFolder folder;
    // As a spreadsheet in a European locale writes it: Windows-1252, semicolons, CRLF.
    const QString data = folder.Write(
        QStringLiteral("prices.csv"),
        "Art\xED"
        "culo;Precio;Nota\r\n\"Caf\xE9 \"\"Sol\"\"\";1.234,50;\"a; b\"\r\n T\xE9 ;-3,5;\r\n");
    const QString out = folder.Path(QStringLiteral("prices.qdvl"));
    const CliResult imported = RunCli({QStringLiteral("import"), data, out});
    ASSERT_EQ(imported.exitCode, kExitSuccess) << imported.error.toStdString();

    const CliResult dumped = RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")});
    ASSERT_EQ(dumped.exitCode, kExitSuccess) << dumped.error.toStdString();
    const QJsonObject table = QJsonDocument::fromJson(dumped.out).object();
    EXPECT_EQ(table[QStringLiteral("columnCount")].toInt(), 3);
    EXPECT_EQ(table[QStringLiteral("rowCount")].toInt(), 3);
    EXPECT_EQ(table[QStringLiteral("gridCellWidth")].toInt(), 104);
    EXPECT_EQ(table[QStringLiteral("gridCellHeight")].toInt(), 28);
    EXPECT_EQ(table[QStringLiteral("separatorPixels")].toInt(), 2);
    EXPECT_EQ(table[QStringLiteral("lineThickness")].toInt(), 1);
    EXPECT_EQ(CellOf(table, 0, 0)[QStringLiteral("text")].toString(), QStringLiteral(u"Artículo"));
    EXPECT_EQ(CellOf(table, 0, 1)[QStringLiteral("text")].toString(),
              QStringLiteral(u"Café \"Sol\""));
    EXPECT_EQ(CellOf(table, 2, 1)[QStringLiteral("text")].toString(), QStringLiteral("a; b"));
    EXPECT_EQ(CellOf(table, 0, 2)[QStringLiteral("text")].toString(), QStringLiteral(u"Té"));
    const QJsonObject price = CellOf(table, 1, 1);
    EXPECT_EQ(price[QStringLiteral("text")].toString(), QStringLiteral("1234.50"));
    EXPECT_EQ(price[QStringLiteral("shownText")].toString(), QStringLiteral("1,234.50"));
    EXPECT_EQ(price[QStringLiteral("numericAllowed")].toInt(), 1);
    EXPECT_EQ(CellOf(table, 1, 2)[QStringLiteral("text")].toString(), QStringLiteral("-3.5"));

    // A chosen cell size and delimiter.
    const QString pipes = folder.Write(QStringLiteral("pipes.txt"), "a|b,c\n");
    ASSERT_EQ(RunCli({QStringLiteral("import"), pipes, out, QStringLiteral("--cell-size"),
                      QStringLiteral("60x12"), QStringLiteral("--delimiter"), QStringLiteral("|")})
                  .exitCode,
              kExitSuccess);
    const QJsonObject small =
        QJsonDocument::fromJson(RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")}).out)
            .object();
    EXPECT_EQ(small[QStringLiteral("gridCellWidth")].toInt(), 60);
    EXPECT_EQ(CellOf(small, 1, 0)[QStringLiteral("text")].toString(), QStringLiteral("b,c"));

    // The smallest and the largest cell, each way.
    for (const auto& [width, height] : {std::pair(10, 290), std::pair(290, 10)}) {
        const QString size = QStringLiteral("%1x%2").arg(width).arg(height);
        ASSERT_EQ(
            RunCli({QStringLiteral("import"), pipes, out, QStringLiteral("--cell-size"), size})
                .exitCode,
            kExitSuccess)
            << size.toStdString();
        const QJsonObject table =
            QJsonDocument::fromJson(
                RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")}).out)
                .object();
        EXPECT_EQ(table[QStringLiteral("gridCellWidth")].toInt(), width);
        EXPECT_EQ(table[QStringLiteral("gridCellHeight")].toInt(), height);
    }
}

TEST(CliImport, ExitCodesLeaveNoOutput) {
    TempFolder folder;
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const auto import = [&](const QString& data, const QStringList& extra = {}) {
        return RunCli(QStringList{QStringLiteral("import"), data, out} + extra);
    };
    const QString good = folder.Write(QStringLiteral("good.csv"), "a,b\n");
    EXPECT_EQ(import(folder.Path(QStringLiteral("none.csv"))).exitCode, kExitInputUnreadable);
    EXPECT_EQ(RunCli({QStringLiteral("import"), good}).exitCode, kExitUsage);
    for (const char* size : {"9x20", "20x9", "291x20", "20x291"}) {
        EXPECT_EQ(import(good, {QStringLiteral("--cell-size"), QString::fromLatin1(size)}).exitCode,
                  kExitUsage)
            << size;
    }
    // One ASCII character: U+007F is the last, U+0080 the first refused.
    for (const QString& delimiter : {QStringLiteral("ab"), QString(QChar(0x80)), QString()})
        EXPECT_EQ(import(good, {QStringLiteral("--delimiter"), delimiter}).exitCode, kExitUsage);
    EXPECT_EQ(import(good, {QStringLiteral("--delimiter"), QString(QChar(0x7F))}).exitCode,
              kExitSuccess);
    ASSERT_TRUE(QFile::remove(out));

    EXPECT_EQ(import(folder.Write(QStringLiteral("blank.csv"), " , \r\n")).exitCode,
              kExitNotATable);
    QByteArray wide;
    for (int column = 0; column < 112; ++column)
        wide += (column > 0 ? "," : "") + QByteArray::number(column);
    const CliResult tooWide = import(folder.Write(QStringLiteral("wide.csv"), wide));
    EXPECT_EQ(tooWide.exitCode, kExitNotATable);
    EXPECT_TRUE(tooWide.error.contains(QStringLiteral("more than 111 columns")))
        << tooWide.error.toStdString();
    EXPECT_EQ(import(folder.Write(QStringLiteral("long.csv"), QByteArray(274, 'x'))).exitCode,
              kExitNotATable);
    EXPECT_FALSE(QFile::exists(out));

    const QString unwritable = folder.Path(QStringLiteral("missing/out.qdvl"));
    EXPECT_EQ(RunCli({QStringLiteral("import"), good, unwritable}).exitCode, kExitOutputNotWritten);
}

TEST(CliImport, AFifoGivenAsDataOrPasswordIsRefusedUnopened) {
    TempFolder folder;
    const Fifo fifo(folder.Path(QStringLiteral("f.csv")));
    ASSERT_TRUE(fifo.made());
    const QString out = folder.Path(QStringLiteral("o.qdvl"));
    CliResult imported;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] {
        imported = RunCli({QStringLiteral("import"), fifo.path(), out});
    }));
    EXPECT_EQ(imported.exitCode, kExitInputUnreadable);
    EXPECT_EQ(imported.error, fifo.path() + QStringLiteral(": Not a regular file (a named pipe)"));
    EXPECT_FALSE(QFile::exists(out));

    const QString data = folder.Write(QStringLiteral("d.csv"), "a,b\n");
    ASSERT_EQ(RunCli({QStringLiteral("import"), data, out}).exitCode, kExitSuccess);
    CliResult dumped;
    EXPECT_TRUE(fifo.ReturnsWithoutWriter([&] {
        dumped =
            RunCli({QStringLiteral("dump"), out, QStringLiteral("--password-file"), fifo.path()});
    }));
    EXPECT_EQ(dumped.exitCode, kExitInputUnreadable);
    EXPECT_EQ(dumped.error, fifo.path() + QStringLiteral(": Not a regular file (a named pipe)"));
}

TEST(CliImport, NeverOntoItsOwnInputNorFromDataThatIsNotText) {
    TempFolder folder;
    const QByteArray csv = "a,b\n1,2\n";
    const QString data = folder.Write(QStringLiteral("d.csv"), csv);
    const QString link = folder.Path(QStringLiteral("link.qdvl"));
    ASSERT_TRUE(QFile::link(data, link));
    for (const QString& out : {data, link}) {
        const CliResult result = RunCli({QStringLiteral("import"), data, out});
        EXPECT_EQ(result.exitCode, kExitUsage) << out.toStdString();
        EXPECT_TRUE(result.error.contains(QStringLiteral("overwrite the input")));
    }
    QFile kept(data);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), csv);

    const QString nul =
        folder.Write(QStringLiteral("nul.csv"), QByteArray("a,b\nc,\"x\0y\"\n", 12));
    const CliResult refused =
        RunCli({QStringLiteral("import"), nul, folder.Path(QStringLiteral("o.qdvl"))});
    EXPECT_EQ(refused.exitCode, kExitNotATable);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("line 2 holds a NUL byte")))
        << refused.error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("o.qdvl"))));
}

TEST(CliImport, RowsAndColumnsTakePartOfALongWideFile) {
    TempFolder folder;
    QByteArray csv;
    for (int row = 0; row < 150; ++row)
        for (int column = 1; column <= 5; ++column)
            csv += QByteArray::number(row * 10 + column) + (column < 5 ? "," : "\n");
    const QString data = folder.Write(QStringLiteral("long.csv"), csv);
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const auto import = [&](const QStringList& extra) {
        return RunCli(QStringList{QStringLiteral("import"), data, out} + extra);
    };
    const CliResult whole = import({});
    EXPECT_EQ(whole.exitCode, kExitNotATable);
    EXPECT_TRUE(whole.error.contains(QStringLiteral("more than 111 rows")));
    EXPECT_TRUE(whole.error.contains(QStringLiteral("--rows N")));
    EXPECT_TRUE(whole.error.contains(QStringLiteral("--columns LIST")));

    ASSERT_EQ(import({QStringLiteral("--rows"), QStringLiteral("111")}).exitCode, kExitSuccess);
    const auto table = [&] {
        return QJsonDocument::fromJson(
                   RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")}).out)
            .object();
    };
    EXPECT_EQ(table()[QStringLiteral("rowCount")].toInt(), 111);
    EXPECT_EQ(table()[QStringLiteral("columnCount")].toInt(), 5);

    ASSERT_EQ(import({QStringLiteral("--rows"), QStringLiteral("2"), QStringLiteral("--columns"),
                      QStringLiteral("4-5,2")})
                  .exitCode,
              kExitSuccess);
    const QJsonObject part = table();
    EXPECT_EQ(part[QStringLiteral("rowCount")].toInt(), 2);
    EXPECT_EQ(part[QStringLiteral("columnCount")].toInt(), 3);
    EXPECT_EQ(CellOf(part, 0, 1)[QStringLiteral("text")].toString(), QStringLiteral("12"));
    EXPECT_EQ(CellOf(part, 1, 1)[QStringLiteral("text")].toString(), QStringLiteral("14"));
    EXPECT_EQ(CellOf(part, 2, 1)[QStringLiteral("shownText")].toString(), QStringLiteral("15"));
    EXPECT_EQ(CellOf(part, 2, 1)[QStringLiteral("alignment")].toInt(), int(Alignment::Right));

    const CliResult missing = import({QStringLiteral("--rows"), QStringLiteral("3"),
                                      QStringLiteral("--columns"), QStringLiteral("1,6")});
    EXPECT_EQ(missing.exitCode, kExitNotATable);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("no column 6")))
        << missing.error.toStdString();
    EXPECT_EQ(import({QStringLiteral("--rows"), QStringLiteral("1")}).exitCode, kExitSuccess);
    for (const char* rows : {"0", "112", "1x", "-1", ""})
        EXPECT_EQ(import({QStringLiteral("--rows"), QString::fromLatin1(rows)}).exitCode,
                  kExitUsage)
            << rows;
    for (const char* list : {"0", "3-2", "a", "1,,2", "2-", "1-112", "1-100,101-112", ""})
        EXPECT_EQ(import({QStringLiteral("--columns"), QString::fromLatin1(list)}).exitCode,
                  kExitUsage)
            << list;
    EXPECT_EQ(import({QStringLiteral("--rows"), QStringLiteral("2"), QStringLiteral("--columns"),
                      QStringLiteral("1-111")})
                  .exitCode,
              kExitNotATable); // a usable list, but the data has five columns
}
