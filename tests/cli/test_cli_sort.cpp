// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/temp_folder.h"

#include <gtest/gtest.h>

TEST(CliSort, RowsByTwoColumnsBelowAHeader) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("results.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"),
                      folder.Write(QStringLiteral("results.csv"),
                                   "Team,Points,Goals\nAce,3,5\nBee,9,1\nCat,3,7\nDot,,2\n"),
                      table})
                  .exitCode,
              kExitSuccess);
    const QString out = folder.Path(QStringLiteral("sorted.qdvl"));
    const CliResult sorted = RunCli({QStringLiteral("sort"), table, out, QStringLiteral("--by"),
                                     QStringLiteral("2:desc"), QStringLiteral("--by"),
                                     QStringLiteral("3:desc"), QStringLiteral("--header")});
    ASSERT_EQ(sorted.exitCode, kExitSuccess) << sorted.error.toStdString();
    EXPECT_EQ(
        RunCli({QStringLiteral("text"), out, QStringLiteral("--format"), QStringLiteral("csv")})
            .out,
        "Team,Points,Goals\nBee,9,1\nCat,3,7\nAce,3,5\nDot,,2\n");
    // Without --header the header row is sorted too: a text after the numbers.
    ASSERT_EQ(
        RunCli({QStringLiteral("sort"), table, out, QStringLiteral("--by"), QStringLiteral("2")})
            .exitCode,
        kExitSuccess);
    EXPECT_EQ(
        RunCli({QStringLiteral("text"), out, QStringLiteral("--format"), QStringLiteral("csv")})
            .out,
        "Ace,3,5\nCat,3,7\nBee,9,1\nTeam,Points,Goals\nDot,,2\n");
    for (const QString& wrong : {QStringLiteral("0"), QStringLiteral("2:up"), QStringLiteral("4")})
        EXPECT_EQ(
            RunCli({QStringLiteral("sort"), table, out, QStringLiteral("--by"), wrong}).exitCode,
            kExitUsage)
            << wrong.toStdString();
    EXPECT_EQ(RunCli({QStringLiteral("sort"), table, out}).exitCode, kExitUsage);
    // 111 is a column a table may have, 112 none.
    const auto error = [&](const char* column) {
        return RunCli({QStringLiteral("sort"), table, out, QStringLiteral("--by"),
                       QString::fromLatin1(column)})
            .error;
    };
    EXPECT_TRUE(error("111").startsWith(QStringLiteral("--by 111: the table has 3 columns")));
    EXPECT_TRUE(error("112").startsWith(QStringLiteral("--by needs a column from 1 to 111")));
}
