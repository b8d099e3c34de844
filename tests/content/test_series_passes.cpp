// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_classify.h"
#include "series_test_support.h"

#include <gtest/gtest.h>

// Which cells take part, the order of the series, the command store and its restore.

TEST(SeriesPasses, KindOneIsLeftAloneAndNotStored) {
    Document document = TableWithCommand(3, 1, 0, 0, u"%12%");
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"%12%", u"", u""}));
    EXPECT_TRUE(document.commands.at(0, 0).isEmpty());
    RestoreCommands(document);
    EXPECT_EQ(document.cell(0, 0).text, u"%12%");
}

TEST(SeriesPasses, JoinedCancelledAndStoppedCommandCellsStayAsTyped) {
    Document document = MakeTable(4, 3);
    document.cell(1, 0).text = QStringLiteral("f5f");
    document.cell(1, 0).joinState = kJoinedLeft;
    document.cell(0, 1).text = QStringLiteral("f5f");
    document.cell(0, 1).cellState = kCellCancelled;
    document.cell(0, 2).text = QStringLiteral("f5f");
    document.cell(0, 2).cellState = kCellStopped;
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"", u"f5f", u"", u""}));
    EXPECT_EQ(RowTexts(document, 1), Texts({u"f5f", u"", u"", u""}));
    EXPECT_EQ(RowTexts(document, 2), Texts({u"f5f", u"", u"", u""}));
    EXPECT_TRUE(document.commands.at(1, 0).isEmpty());
    EXPECT_TRUE(document.commands.at(0, 1).isEmpty());
    EXPECT_TRUE(document.commands.at(0, 2).isEmpty());
}

TEST(SeriesPasses, FilledCellsAreWrittenWhateverTheirState) {
    Document document = TableWithCommand(4, 1, 0, 0, u"f1f");
    document.cell(1, 0).joinState = kJoinedLeft;
    document.cell(2, 0).cellState = kCellCancelled;
    document.cell(3, 0).cellState = kCellStopped;
    document.cell(3, 0).text = QStringLiteral("old");
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"1", u"2", u"3", u"4"}));
}

TEST(SeriesPasses, TwoRowSeriesTheLaterWins) {
    Document document = MakeTable(6, 1);
    document.cell(0, 0).text = QStringLiteral("f1f");
    document.cell(3, 0).text = QStringLiteral("f100f");
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"1", u"2", u"3", u"100", u"101", u"102"}));
    // Both commands are kept and come back on restore.
    RestoreCommands(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"f1f", u"2", u"3", u"f100f", u"101", u"102"}));
}

TEST(SeriesPasses, FirstPassStoresEveryCommandBeforeFilling) {
    // Without pass 2: the series from column 0 runs over the command in column 3, which must
    // still be stored and applied afterwards.
    Document document = MakeTable(6, 1);
    document.cell(0, 0).text = QStringLiteral("f5f");
    document.cell(3, 0).text = QStringLiteral("f1f");
    EvaluateNewSeries(document, TestClock());
    EXPECT_EQ(document.commands.at(3, 0), u"f1f");
    EXPECT_EQ(RowTexts(document, 0), Texts({u"5", u"6", u"7", u"1", u"2", u"3"}));

    // A column series over a row command of a later row: the row command still counts.
    Document crossing = MakeTable(3, 3);
    crossing.cell(0, 0).text = QStringLiteral("c1c");
    crossing.cell(0, 1).text = QStringLiteral("f10f");
    EvaluateNewSeries(crossing, TestClock());
    EXPECT_EQ(crossing.commands.at(0, 1), u"f10f");
    EXPECT_EQ(ColumnTexts(crossing, 0), Texts({u"1", u"10", u"3"}));
    EXPECT_EQ(RowTexts(crossing, 1), Texts({u"10", u"11", u"12"}));

    // Saved and reopened: the texts hold both commands again.
    RestoreCommands(crossing);
    EXPECT_EQ(crossing.cell(0, 0).text, u"c1c");
    EXPECT_EQ(crossing.cell(0, 1).text, u"f10f");
}

TEST(SeriesPasses, SecondPassRunsStoredCommandsInScanOrder) {
    // A column series from row 0 and a row series in row 1 cross at (1, 1): the row command
    // comes later in the scan, so its value stays.
    Document document = MakeTable(3, 3);
    document.cell(1, 0).text = QStringLiteral("c50c");
    document.cell(0, 1).text = QStringLiteral("f1f");
    RunSeries(document);
    EXPECT_EQ(ColumnTexts(document, 1), Texts({u"50", u"2", u"52"}));
    EXPECT_EQ(RowTexts(document, 1), Texts({u"1", u"2", u"3"}));
}

TEST(SeriesPasses, StoredCommandsComeBackAfterOrdinaryText) {
    Document document = TableWithCommand(3, 1, 0, 0, u"f5f");
    RunSeries(document);
    document.cell(0, 0).text = QStringLiteral("hello");
    document.cell(2, 0).text.clear();
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"5", u"6", u"7"}));

    // A new command typed into the same cell replaces the stored one.
    document.cell(0, 0).text = QStringLiteral("fweekf");
    RunSeries(document);
    EXPECT_EQ(document.commands.at(0, 0), u"fweekf");
    EXPECT_EQ(RowTexts(document, 0), Texts({u"Sunday", u"Monday", u"Tuesday"}));
}

TEST(SeriesPasses, RestoreOnlyIntoCommandCellsThatRunSeries) {
    Document document = MakeTable(3, 2);
    document.cell(0, 0).text = QStringLiteral("f5f");
    document.cell(0, 1).text = QStringLiteral("F1.5F1.0F");
    RunSeries(document);
    document.cell(0, 1).cellState = kCellStopped;
    RestoreCommands(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"f5f", u"6", u"7"}));
    EXPECT_EQ(RowTexts(document, 1), Texts({u"1.5", u"2.5", u"3.5"}));

    // A stopped cell runs no series: its last values stay.
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"5", u"6", u"7"}));
    EXPECT_EQ(RowTexts(document, 1), Texts({u"1.5", u"2.5", u"3.5"}));
}

TEST(SeriesPasses, OnlyCellsInsideTheTableTakePart) {
    Document document = MakeTable(3, 2);
    document.cell(5, 0).text = QStringLiteral("f1f");
    document.cell(0, 4).text = QStringLiteral("c1c");
    document.cell(2, 1).text = QStringLiteral("c9c");
    RunSeries(document);
    EXPECT_EQ(document.cell(5, 0).text, u"f1f");
    EXPECT_EQ(document.cell(0, 4).text, u"c1c");
    EXPECT_EQ(document.cell(2, 1).text, u"9");
    EXPECT_TRUE(document.cell(2, 2).text.isEmpty()); // below the last row
}

TEST(SeriesPasses, EveryGeneratingKindIsStoredAndRestored) {
    const char16_t* commands[] = {
        u"f5f",
        u"c5c",
        u"f10.5f",
        u"c10.5c",
        u"#a#1.1#b#c",
        u"#a#1.1#b#f",
        u"#a#1.1#c",
        u"#a#1.1#f",
        u"#1.1#b#c",
        u"#1.1#b#f",
        u"f8:30:15fm",
        u"f8:30:15fh",
        u"c8:30:15cm",
        u"c8:30:15ch",
        u"1-2-2000-1-99",
        u"1/2/2000/1/99",
        u"1\u00AC2\u00AC2000",
        u"f1/1/2025fes",
        u"f1/1/2025fen",
        u"c1/1/2025ces",
        u"c1/1/2025cen",
        u"fmesesf",
        u"fmonthsf",
        u"cmesesc",
        u"cmonthsc",
        u"1\u00AC2\u00AC2000\u00AC",
        u"fsemanaf",
        u"fweekf",
        u"csemanac",
        u"cweekc",
        u"1=2=2000",
        u"1=2=2000=",
        u"f1.5f1.0f",
        u"c1.5c1.0c",
        u"7f\u00AC",
        u"7c\u00AC",
    };
    int kind = int(SeriesKind::CounterAlongRow);
    for (const char16_t* command : commands) {
        const QString text = QString::fromUtf16(command);
        ASSERT_EQ(ClassifySeries(text), SeriesKind(kind++)) << text.toStdString();
        Document document = TableWithCommand(2, 2, 0, 0, command);
        RunSeries(document);
        EXPECT_NE(document.cell(0, 0).text, text) << text.toStdString();
        EXPECT_EQ(document.commands.at(0, 0), text);
        RestoreCommands(document);
        EXPECT_EQ(document.cell(0, 0).text, text);
    }
}
