// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_colour.h"
#include "content/colour_by_value.h"
#include "fixtures/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// The dumped field of the cell at column, row (from 0).
int Field(const QByteArray& dump, int column, int row, const char* field) {
    for (const QJsonValue cell : QJsonDocument::fromJson(dump).object()[u"cells"].toArray())
        if (cell[u"column"].toInt() == column && cell[u"row"].toInt() == row)
            return cell[QLatin1StringView(field)].toInt();
    return -1;
}

QString Results(TempFolder& folder) {
    const QString table = folder.Path(QStringLiteral("results.qdvl"));
    EXPECT_EQ(RunCli({QStringLiteral("import"),
                      folder.Write(QStringLiteral("results.csv"),
                                   "Team,Score\nAce,-2\nBee,0\nCat,4\nDot,10\n"),
                      table})
                  .exitCode,
              kExitSuccess);
    return table;
}

} // namespace

TEST(CliColour, ThreeColourScaleOverTheNumbersOfTheTable) {
    TempFolder folder;
    const QString table = Results(folder);
    const QString out = folder.Path(QStringLiteral("heat.qdvl"));
    const CliResult coloured =
        RunCli({QStringLiteral("colour"), table, out, QStringLiteral("--scale"),
                QStringLiteral("#FF0000,#FFFF00,#0000FF")});
    ASSERT_EQ(coloured.exitCode, kExitSuccess) << coloured.error.toStdString();
    const QByteArray dump = RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")}).out;
    // The median of -2, 0, 4, 10 is 2: 0 is halfway from red to yellow, 4 a quarter to blue.
    EXPECT_EQ(Field(dump, 1, 1, "backColour"), 0x0000FF);
    EXPECT_EQ(Field(dump, 1, 2, "backColour"), 0x0080FF);
    EXPECT_EQ(Field(dump, 1, 3, "backColour"), 0x40BFBF);
    EXPECT_EQ(Field(dump, 1, 4, "backColour"), 0xFF0000);
    EXPECT_EQ(Field(dump, 1, 4, "textColour"), 0xFFFFFF);
    EXPECT_EQ(Field(dump, 1, 0, "backColour"), 0xFFFFFF); // the heading is no number
    EXPECT_EQ(Field(dump, 0, 1, "backColour"), 0xFFFFFF);

    // A rule over part of a column: the negative score in red bold text, the rest as it was.
    const CliResult ruled =
        RunCli({QStringLiteral("colour"), table, out, QStringLiteral("--cells"),
                QStringLiteral("2:3-2:1"), QStringLiteral("--rule"), QStringLiteral("<0"),
                QStringLiteral("--fill"), QStringLiteral("#FFFFFF"), QStringLiteral("--text"),
                QStringLiteral("#ff0000"), QStringLiteral("--bold")});
    ASSERT_EQ(ruled.exitCode, kExitSuccess) << ruled.error.toStdString();
    const QByteArray ruledDump = RunCli({QStringLiteral("dump"), out, QStringLiteral("--raw")}).out;
    EXPECT_EQ(Field(ruledDump, 1, 1, "textColour"), 0x0000FF);
    EXPECT_EQ(Field(ruledDump, 1, 1, "bold"), 1);
    EXPECT_EQ(Field(ruledDump, 1, 2, "bold"), 0);

    const CliResult none =
        RunCli({QStringLiteral("colour"), table, out, QStringLiteral("--rule"),
                QStringLiteral(">100"), QStringLiteral("--fill"), QStringLiteral("#000000")});
    EXPECT_EQ(none.exitCode, kExitSuccess);
    EXPECT_EQ(none.messages.size(), 1);
}

TEST(CliColour, RangesRulesAndUsageErrors) {
    const std::optional<CellRange> range = ParseCellRange(QStringLiteral("3:4-1:2"));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->firstColumn, 0);
    EXPECT_EQ(range->firstRow, 1);
    EXPECT_EQ(range->lastColumn, 2);
    EXPECT_EQ(range->lastRow, 3);
    EXPECT_TRUE(ParseCellRange(QStringLiteral("1:1-111:111")));
    for (const char* wrong : {"0:1-2:2", "1:1-112:1", "1:1", "1,1-2,2", "a:1-2:2"})
        EXPECT_FALSE(ParseCellRange(QString::fromLatin1(wrong))) << wrong;

    const std::optional<ColourRule> between = ParseRuleCondition(QStringLiteral("-1.5..10"));
    ASSERT_TRUE(between);
    EXPECT_EQ(between->comparison, RuleComparison::Between);
    EXPECT_EQ(double(between->value), -1.5);
    EXPECT_EQ(double(between->upper), 10.0);
    EXPECT_EQ(ParseRuleCondition(QStringLiteral("<-3"))->comparison, RuleComparison::Less);
    EXPECT_EQ(double(ParseRuleCondition(QStringLiteral("<-3"))->value), -3.0);
    EXPECT_EQ(ParseRuleCondition(QStringLiteral("=5"))->comparison, RuleComparison::Equal);
    EXPECT_EQ(ParseRuleCondition(QStringLiteral(">0"))->comparison, RuleComparison::Greater);
    EXPECT_TRUE(ParseRuleCondition(QStringLiteral("2..2")));
    for (const char* wrong : {"10..1", ">", ">x", "5", "..3", "1..", "!=3"})
        EXPECT_FALSE(ParseRuleCondition(QString::fromLatin1(wrong))) << wrong;

    TempFolder folder;
    const QString table = Results(folder);
    const QString out = folder.Path(QStringLiteral("out.qdvl"));
    const auto exitOf = [&](const QStringList& options) {
        return RunCli(QStringList{QStringLiteral("colour"), table, out} + options).exitCode;
    };
    const QString scale = QStringLiteral("--scale"), rule = QStringLiteral("--rule"),
                  fill = QStringLiteral("--fill");
    EXPECT_EQ(exitOf({scale, QStringLiteral("viridis")}), kExitSuccess);
    EXPECT_EQ(
        exitOf({scale, QStringLiteral("viridis"), QStringLiteral("--middle"), QStringLiteral("0")}),
        kExitSuccess);
    EXPECT_EQ(exitOf({scale, QStringLiteral("#000000,#FFFFFF"), QStringLiteral("--middle"),
                      QStringLiteral("0")}),
              kExitUsage); // no middle colour to place
    EXPECT_EQ(exitOf({scale, QStringLiteral("rainbow")}), kExitUsage);
    EXPECT_EQ(exitOf({scale, QStringLiteral("#000000")}), kExitUsage);
    EXPECT_EQ(exitOf({rule, QStringLiteral(">0")}), kExitUsage); // no fill
    EXPECT_EQ(exitOf({rule, QStringLiteral("0..x"), fill, QStringLiteral("#FF0000")}), kExitUsage);
    EXPECT_EQ(exitOf({rule, QStringLiteral(">0"), fill, QStringLiteral("red")}), kExitUsage);
    EXPECT_EQ(exitOf({rule, QStringLiteral(">0"), fill, QStringLiteral("#FF0000"), scale,
                      QStringLiteral("viridis")}),
              kExitUsage);
    EXPECT_EQ(exitOf({scale, QStringLiteral("viridis"), QStringLiteral("--bold")}), kExitUsage);
    EXPECT_EQ(exitOf({}), kExitUsage);
    EXPECT_EQ(RunCli({QStringLiteral("colour"), folder.Path(QStringLiteral("missing.qdvl")), out,
                      scale, QStringLiteral("viridis")})
                  .exitCode,
              kExitInputUnreadable);
}
