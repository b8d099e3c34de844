// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "content/built_in_styles.h"
#include "content/style_file.h"
#include "fixtures/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

TEST(CliStyles, StylesAreListedFoundByNameAndRefusedWhenUnknown) {
    TempFolder folder;
    const QString styles = folder.Path(QStringLiteral("styles"));
    TableStyle mine = BuiltInStyles()[0];
    mine.name = QStringLiteral("mine");
    ASSERT_TRUE(SaveUserStyle(styles, mine).ok());
    folder.Write(QStringLiteral("styles/zz.json"), "[]");
    const CliEnvironment environment{{}, {}, styles};

    const CliResult listed = RunCli({QStringLiteral("styles")}, environment);
    EXPECT_EQ(listed.exitCode, kExitSuccess);
    EXPECT_EQ(listed.out, "plain\nheader\nbanded\nheader-column\nminimal\ndark-header\nledger\n"
                          "title-bars\nmine\n");
    EXPECT_EQ(listed.messages,
              QStringList{styles + QStringLiteral("/zz.json: not a style, skipped")});

    const QString data = folder.Write(QStringLiteral("data.csv"), "Item,Price\nTea,2.5\nSum,2.5\n");
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("import"), data, out, QStringLiteral("--style"),
                      QStringLiteral("fancy")},
          QStringList{QStringLiteral("style"), data, out, QStringLiteral("--style"),
                      QStringLiteral("fancy")}}) {
        const CliResult unknown = RunCli(arguments, environment);
        EXPECT_EQ(unknown.exitCode, kExitUsage);
        EXPECT_EQ(unknown.error, QStringLiteral("unknown style \"fancy\"; the styles are: plain, "
                                                "header, banded, header-column, minimal, "
                                                "dark-header, ledger, title-bars, mine"));
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(RunCli({QStringLiteral("style"), data, out}).exitCode, kExitUsage);
    EXPECT_EQ(RunCli({QStringLiteral("export"), data, out, QStringLiteral("--style"),
                      QStringLiteral("plain")})
                  .exitCode,
              kExitUsage);
}

TEST(CliStyles, ImportWithAStyleEqualsImportThenStyle) {
    TempFolder folder;
    const QString data = folder.Write(QStringLiteral("data.csv"), "Item,Price\nTea,2.5\nSum,2.5\n");
    const QString plain = folder.Path(QStringLiteral("plain.qdvl"));
    const QString styled = folder.Path(QStringLiteral("styled.qdvl"));
    const QString imported = folder.Path(QStringLiteral("imported.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"), data, plain}).exitCode, kExitSuccess);
    ASSERT_EQ(RunCli({QStringLiteral("style"), plain, styled, QStringLiteral("--style"),
                      QStringLiteral("banded")})
                  .exitCode,
              kExitSuccess);
    ASSERT_EQ(RunCli({QStringLiteral("import"), data, imported, QStringLiteral("--style"),
                      QStringLiteral("banded")})
                  .exitCode,
              kExitSuccess);
    EXPECT_EQ(TempFolder::Read(styled), TempFolder::Read(imported));
    EXPECT_NE(TempFolder::Read(styled), TempFolder::Read(plain));

    const QJsonObject table =
        QJsonDocument::fromJson(RunCli({QStringLiteral("dump"), imported}).out).object();
    EXPECT_EQ(table[QStringLiteral("horizontalLinesWithCellAreas")].toInt(), 1);
    const QJsonArray cells = table[QStringLiteral("cells")].toArray();
    EXPECT_EQ(cells[1].toObject()[QStringLiteral("backColour")].toInt(), 0x965430); // header
    EXPECT_EQ(cells[3].toObject()[QStringLiteral("alignment")].toInt(), 132);       // 2.5
    EXPECT_EQ(cells[3].toObject()[QStringLiteral("shownText")].toString(), QStringLiteral("2.50"));
}

TEST(CliStyles, TheProgramKeepsStyleOptionsAndFindsTheUsersFolder) {
    TempFolder folder;
    TableStyle mine = BuiltInStyles()[1];
    mine.name = QStringLiteral("mine");
    ASSERT_TRUE(SaveUserStyle(folder.Path(QStringLiteral("quadrivel/styles")), mine).ok());
    const QString data = folder.Write(QStringLiteral("data.csv"), "Item,Price\nTea,2.5\n");
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const QString expected = folder.Path(QStringLiteral("expected.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"), data, expected, QStringLiteral("--style"),
                      QStringLiteral("header")})
                  .exitCode,
              kExitSuccess);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.Path({}));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUADRIVEL_CLI), arguments);
        process.waitForFinished(60000);
        return process.exitCode();
    };
    EXPECT_EQ(run({QStringLiteral("import"), data, out, QStringLiteral("--style"),
                   QStringLiteral("nope")}),
              kExitUsage);
    EXPECT_EQ(run({QStringLiteral("import"), data, out, QStringLiteral("--style"),
                   QStringLiteral("mine")}),
              kExitSuccess);
    EXPECT_EQ(TempFolder::Read(out), TempFolder::Read(expected));
}

TEST(CliStyles, NamesAreListedOnceWithControlCharactersEscaped) {
    TempFolder folder;
    TableStyle crafted = BuiltInStyles()[0];
    crafted.name = QStringLiteral("red\x1b[31m\nfake\\x");
    folder.Write(QStringLiteral("crafted.json"), StyleJson(crafted));
    folder.Write(QStringLiteral("zz.json"), StyleJson(BuiltInStyles()[1]));
    const CliResult listed = RunCli({QStringLiteral("styles")}, {{}, {}, folder.Path({})});
    EXPECT_EQ(listed.out, "plain\nheader\nbanded\nheader-column\nminimal\ndark-header\nledger\n"
                          "title-bars\nred\\x1b[31m\\x0afake\\\\x\n");
    EXPECT_EQ(listed.messages,
              QStringList{folder.Path(QStringLiteral("zz.json")) +
                          QStringLiteral(": has a built-in style's name, skipped")});
}
