// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_test_fixture.h"
#include "cli/cli_command.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The editor's command and quadrivel-cli colour write the same file.
TEST_F(EditorTest, ColourByValueSavesWhatTheCommandLineWrites) {
    const QString table = folder.Path(QStringLiteral("results.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("import"),
                      folder.Write(QStringLiteral("results.csv"),
                                   "Team,Score,Goals\nAce,-2,5\nBee,0.5,1\nCat,4,7\nDot,10,2\n"),
                      table})
                  .exitCode,
              kExitSuccess);
    const QString viaCli = folder.Path(QStringLiteral("cli.qdvl"));
    ASSERT_EQ(RunCli({QStringLiteral("colour"), table, viaCli, QStringLiteral("--cells"),
                      QStringLiteral("2:2-2:5"), QStringLiteral("--scale"),
                      QStringLiteral("blue-orange")})
                  .exitCode,
              kExitSuccess);

    ui.files = {table};
    Run(CommandId::ReadFile);
    for (int row = 1; row <= 4; ++row)
        document().cell(1, row).selected = 1;
    ui.colourByValueChoices = {BuiltInScales()[3].scale};
    Run(CommandId::ColourByValue);
    ASSERT_EQ(ui.colourByValueNumbers.size(), 1u);
    EXPECT_EQ(ui.colourByValueNumbers[0], (std::vector<long double>{-2, 0.5, 4, 10}));
    EXPECT_EQ(document().cell(1, 4).backColour, BuiltInScales()[3].scale.high);
    EXPECT_EQ(document().cell(2, 4).backColour, kWhite); // outside the selection
    const QString viaEditor = folder.Path(QStringLiteral("editor.qdvl"));
    ui.files = {viaEditor};
    Run(CommandId::RecordFile);
    EXPECT_EQ(FileBytes(viaEditor), FileBytes(viaCli));

    // A rule with nothing selected covers the whole table, the second column's 7 too.
    ColourRule rule{RuleComparison::Greater, 4, 0, 0x0000FF, std::nullopt, true};
    ui.colourByValueChoices = {rule};
    Run(CommandId::ColourByValue);
    EXPECT_EQ(ui.colourByValueNumbers.back().size(), 8u);
    EXPECT_EQ(document().cell(2, 3).backColour, 0x0000FF);
    EXPECT_EQ(document().cell(2, 3).bold, 1);
    EXPECT_EQ(document().cell(1, 4).backColour, 0x0000FF);
    EXPECT_EQ(document().cell(2, 2).bold, 0); // 1 is not above 4
    Run(CommandId::Undo);
    EXPECT_EQ(document().cell(2, 3).backColour, kWhite);

    // Cancelled: nothing changes; no numbers: the dialog is not shown.
    Run(CommandId::ColourByValue);
    EXPECT_EQ(document().cell(2, 3).backColour, kWhite);
    NewTable(2, 2);
    const size_t shown = ui.colourByValueNumbers.size();
    Run(CommandId::ColourByValue);
    EXPECT_EQ(ui.colourByValueNumbers.size(), shown);
    EXPECT_EQ(ui.messages.last(), Message(kColourGroup, kNoNumbersEntry));
}
