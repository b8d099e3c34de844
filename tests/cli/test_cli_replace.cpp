// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <gtest/gtest.h>

namespace {

Document Load(const QString& path) {
    Document document;
    EXPECT_TRUE(LoadWorkFile(path, document, [] { return QString(); }).ok());
    return document;
}

} // namespace

TEST(CliReplace, ChangesEveryStoredMatchAndTellsWhatItLeft) {
    TempFolder folder;
    const QString table = folder.Path(QStringLiteral("club.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"),
                      folder.Write(QStringLiteral("r.csv"),
                                   "Runner,Club\nAna,Harriers\nBo,harriers\nCy,Harriers AC\n"),
                      table})
                  .exitCode,
              kExitSuccess);
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const auto replace = [&](QStringList extra) {
        return RunCli(QStringList{QStringLiteral("replace"), table, out, QStringLiteral("--find"),
                                  QStringLiteral("Harriers"), QStringLiteral("--with"),
                                  QStringLiteral("Runners")} +
                      extra);
    };
    const auto clubs = [&] {
        const Document document = Load(out);
        return QStringList{document.cell(1, 1).text, document.cell(1, 2).text,
                           document.cell(1, 3).text};
    };
    CliResult run = replace({});
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.error.toStdString();
    EXPECT_EQ(clubs(), (QStringList{QStringLiteral("Runners"), QStringLiteral("Runners"),
                                    QStringLiteral("Runners AC")}));
    EXPECT_TRUE(run.messages.isEmpty());
    ASSERT_EQ(replace({QStringLiteral("--match-case")}).exitCode, kExitSuccess);
    EXPECT_EQ(clubs(), (QStringList{QStringLiteral("Runners"), QStringLiteral("harriers"),
                                    QStringLiteral("Runners AC")}));
    ASSERT_EQ(replace({QStringLiteral("--whole-cell")}).exitCode, kExitSuccess);
    EXPECT_EQ(clubs(), (QStringList{QStringLiteral("Runners"), QStringLiteral("Runners"),
                                    QStringLiteral("Harriers AC")}));

    // A replacement past a cell's 273 characters leaves the cell and says so.
    run = RunCli({QStringLiteral("replace"), table, out, QStringLiteral("--find"),
                  QStringLiteral("Ana"), QStringLiteral("--with"), QString(274, u'x')});
    ASSERT_EQ(run.exitCode, kExitSuccess);
    EXPECT_EQ(Load(out).cell(0, 1).text, QStringLiteral("Ana"));
    EXPECT_EQ(run.messages, QStringList{table + QStringLiteral(": 1 cells left as they were: the "
                                                               "new text would pass 273 "
                                                               "characters")});
    run = RunCli({QStringLiteral("replace"), table, out, QStringLiteral("--find"),
                  QStringLiteral("Zed"), QStringLiteral("--with"), QStringLiteral("Z")});
    EXPECT_EQ(run.messages, QStringList{table + QStringLiteral(": no cell matched")});

    for (const QStringList& wrong : {QStringList{QStringLiteral("--find"), QString(),
                                                 QStringLiteral("--with"), QStringLiteral("x")},
                                     QStringList{QStringLiteral("--find"), QStringLiteral("a")},
                                     QStringList{QStringLiteral("--with"), QStringLiteral("a")}})
        EXPECT_EQ(RunCli(QStringList{QStringLiteral("replace"), table, out} + wrong).exitCode,
                  kExitUsage)
            << wrong.join(u' ').toStdString();
    EXPECT_EQ(RunCli({QStringLiteral("replace"), folder.Path(QStringLiteral("none.qdvl")), out,
                      QStringLiteral("--find"), QStringLiteral("a"), QStringLiteral("--with"),
                      QStringLiteral("b")})
                  .exitCode,
              kExitInputUnreadable);
}
