// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Texts, a quoted field with a comma and a quote, whole and decimal numbers that show as
// they were written.
const QByteArray kData = "Name,Qty,Price\n"
                         "Apple,3,0.85\n"
                         "\"Pear, \"\"green\"\"\",12,1.20\n";

// The data imported as a table; empty when the import failed.
QString ImportedFruit(const TempFolder& folder) {
    const QString table = folder.Path(QStringLiteral("fruit.qdvl"));
    const CliResult imported =
        RunCli({QStringLiteral("import"), folder.Write(QStringLiteral("fruit.csv"), kData), table});
    return imported.exitCode == kExitSuccess ? table : QString();
}

} // namespace

TEST(CliText, AnImportedTableComesBackAsTheSameFieldsInEachFormat) {
    TempFolder folder;
    const QString table = ImportedFruit(folder);
    ASSERT_FALSE(table.isEmpty());
    const auto text = [&](const QStringList& extra) {
        return RunCli(QStringList{QStringLiteral("text"), table} + extra);
    };
    const CliResult csv = text({QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(csv.exitCode, kExitSuccess) << csv.error.toStdString();
    EXPECT_EQ(csv.out, kData);
    EXPECT_EQ(text({}).out, "Name\tQty\tPrice\nApple\t3\t0.85\nPear, \"green\"\t12\t1.20\n");
    EXPECT_EQ(text({QStringLiteral("--format"), QStringLiteral("markdown")}).out,
              "| Name | Qty | Price |\n| --- | --- | --- |\n| Apple | 3 | 0.85 |\n"
              "| Pear, \"green\" | 12 | 1.20 |\n");
    EXPECT_TRUE(text({QStringLiteral("--format"), QStringLiteral("html")})
                    .out.contains("<tr><td>Pear, &quot;green&quot;</td><td>12</td>"));

    EXPECT_EQ(text({QStringLiteral("--format"), QStringLiteral("xml")}).exitCode, kExitUsage);
    EXPECT_EQ(text({QStringLiteral("--alt-text")}).exitCode, kExitUsage);
    EXPECT_EQ(RunCli({QStringLiteral("text"), folder.Path(QStringLiteral("none.qdvl"))}).exitCode,
              kExitInputUnreadable);
}

TEST(CliText, ExportWritesTheAlternativeTextBesideThePicture) {
    TempFolder folder;
    const QString table = ImportedFruit(folder);
    ASSERT_FALSE(table.isEmpty());
    const QString picture = folder.Path(QStringLiteral("fruit.png"));
    const CliResult exported =
        RunCli({QStringLiteral("export"), table, picture, QStringLiteral("--alt-text")});
    ASSERT_EQ(exported.exitCode, kExitSuccess) << exported.error.toStdString();
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_EQ(TempFolder::Read(folder.Path(QStringLiteral("fruit.txt"))),
              "Name, Qty, Price.\nApple, 3, 0.85.\nPear, \"green\", 12, 1.20.\n");

    // Never over the table it reads.
    const QString named = folder.Path(QStringLiteral("plain.txt"));
    ASSERT_TRUE(QFile::copy(table, named));
    const CliResult refused =
        RunCli({QStringLiteral("export"), named, folder.Path(QStringLiteral("plain.png")),
                QStringLiteral("--alt-text")});
    EXPECT_EQ(refused.exitCode, kExitUsage);
    EXPECT_EQ(TempFolder::Read(named), TempFolder::Read(table));
}
