// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject Dump(const QString& table) {
    return QJsonDocument::fromJson(RunCli({QStringLiteral("dump"), table}).out).object();
}

QJsonObject CellOf(const QJsonObject& table, int column, int row) {
    const int columns = table[QStringLiteral("columnCount")].toInt();
    return table[QStringLiteral("cells")].toArray()[row * columns + column].toObject();
}

} // namespace

TEST(CliFill, FreshDataGoesIntoAStyledTableAndKeepsItsLook) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("week.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"),
                      folder.Write(QStringLiteral("week1.csv"), "Day,Sales\nMon,10\nTue,12.5\n"),
                      table, QStringLiteral("--style"), QStringLiteral("banded")})
                  .exitCode,
              kExitSuccess);
    const QJsonObject before = Dump(table);

    const QString out = folder.Path(QStringLiteral("week2.qdvl"));
    const QString week2 =
        folder.Write(QStringLiteral("week2.csv"), "Day,Sales\nMon,11\nTue,9.25\n");
    const CliResult filled = RunCli({QStringLiteral("fill"), table, week2, out});
    ASSERT_EQ(filled.exitCode, kExitSuccess) << filled.error.toStdString();
    const QJsonObject after = Dump(out);
    EXPECT_EQ(CellOf(after, 1, 2)[QStringLiteral("shownText")].toString(), QStringLiteral("9.25"));
    EXPECT_EQ(CellOf(after, 1, 1)[QStringLiteral("shownText")].toString(), QStringLiteral("11.00"));
    // Everything but the texts is as it was.
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column) {
            QJsonObject was = CellOf(before, column, row), is = CellOf(after, column, row);
            for (const QString& key : {QStringLiteral("text"), QStringLiteral("shownText")}) {
                was.remove(key);
                is.remove(key);
            }
            EXPECT_EQ(was, is) << column << "," << row;
        }

    // A fill of the same data as the import gives the imported table again.
    ASSERT_EQ(
        RunCli({QStringLiteral("fill"), out,
                folder.Write(QStringLiteral("again.csv"), "Day,Sales\nMon,10\nTue,12.5\n"), out})
            .exitCode,
        kExitSuccess);
    EXPECT_EQ(Dump(out), before);
}

// Under both title bars the corner cell is no cell to fill, in a table just read from its file
// as in the editor; the same holds for a style.
TEST(CliFill, TheCornerUnderBothTitleBarsTakesNoField) {
    TempFolder folder;
    Document document = MakeTable(3, 2);
    document.settings.horizontalTitleBar = 1;
    document.settings.verticalTitleBar = 1;
    const QString table = folder.Path(QStringLiteral("bars.qdvl"));
    ASSERT_TRUE(SaveWorkFile(table, document).ok());
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("fill"), table,
                      folder.Write(QStringLiteral("d.csv"), "Title,Sun\nJan,1\n"), out})
                  .exitCode,
              kExitSuccess);
    const QJsonObject filled = Dump(out);
    EXPECT_EQ(CellOf(filled, 0, 0)[QStringLiteral("text")].toString(), QString());
    EXPECT_EQ(CellOf(filled, 1, 0)[QStringLiteral("text")].toString(), QStringLiteral("Title"));
    EXPECT_EQ(CellOf(filled, 2, 0)[QStringLiteral("text")].toString(), QStringLiteral("Sun"));
    EXPECT_EQ(CellOf(filled, 0, 1)[QStringLiteral("text")].toString(), QStringLiteral("Jan"));

    ASSERT_EQ(RunCli({QStringLiteral("style"), table, out, QStringLiteral("--style"),
                      QStringLiteral("header")})
                  .exitCode,
              kExitSuccess);
    Document styled;
    ASSERT_TRUE(LoadWorkFile(out, styled, [] { return QString(); }).ok());
    EXPECT_EQ(styled.cell(0, 0).cellState, kCellCancelled);
}

TEST(CliFill, MoreRowsAreRefusedUnlessTheTableGrows) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("t.qdvl"));
    ASSERT_EQ(
        RunCli({QStringLiteral("import"), folder.Write(QStringLiteral("a.csv"), "a\nb\n"), table})
            .exitCode,
        kExitSuccess);
    const QString more = folder.Write(QStringLiteral("more.csv"), "x\ny\nz\n");
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const CliResult refused = RunCli({QStringLiteral("fill"), table, more, out});
    EXPECT_EQ(refused.exitCode, kExitNotATable);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("3 rows of data, the table has 2")))
        << refused.error.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    ASSERT_EQ(RunCli({QStringLiteral("fill"), table, more, out, QStringLiteral("--grow")}).exitCode,
              kExitSuccess);
    const QJsonObject grown = Dump(out);
    EXPECT_EQ(grown[QStringLiteral("rowCount")].toInt(), 3);
    EXPECT_EQ(CellOf(grown, 0, 2)[QStringLiteral("text")].toString(), QStringLiteral("z"));

    // --at from 1; the second row on, with the rest emptied.
    ASSERT_EQ(
        RunCli({QStringLiteral("fill"), out, folder.Write(QStringLiteral("one.csv"), "q\n"), out,
                QStringLiteral("--at"), QStringLiteral("1,2"), QStringLiteral("--clear-rest")})
            .exitCode,
        kExitSuccess);
    const QJsonObject placed = Dump(out);
    EXPECT_EQ(CellOf(placed, 0, 0)[QStringLiteral("text")].toString(), QStringLiteral("x"));
    EXPECT_EQ(CellOf(placed, 0, 1)[QStringLiteral("text")].toString(), QStringLiteral("q"));
    EXPECT_EQ(CellOf(placed, 0, 2)[QStringLiteral("text")].toString(), QString());

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--at"), QStringLiteral("0,1")},
          QStringList{QStringLiteral("--at"), QStringLiteral("1,112")},
          QStringList{QStringLiteral("--style"), QStringLiteral("banded")}})
        EXPECT_EQ(RunCli(QStringList{QStringLiteral("fill"), table, more, out} + wrong).exitCode,
                  kExitUsage)
            << wrong.join(u' ').toStdString();
    EXPECT_EQ(RunCli({QStringLiteral("import"), more, out, QStringLiteral("--grow")}).exitCode,
              kExitUsage);
}
