// SPDX-License-Identifier: GPL-3.0-or-later
#include "series_test_support.h"

#include <gtest/gtest.h>

// Counters, stepped and labelled series, clock times, decimal series and constants.

TEST(SeriesCounters, RowAndColumnCounters) {
    Document row = TableWithCommand(6, 2, 2, 0, u"f5f");
    RunSeries(row);
    EXPECT_EQ(RowTexts(row, 0), Texts({u"", u"", u"5", u"6", u"7", u"8"}));
    EXPECT_EQ(row.commands.at(2, 0), u"f5f");
    EXPECT_EQ(RowTexts(row, 1), Texts({u"", u"", u"", u"", u"", u""}));

    Document column = TableWithCommand(2, 4, 1, 1, u" C7C ");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 1), Texts({u"", u"7", u"8", u"9"}));
    EXPECT_EQ(column.commands.at(1, 1), u" C7C "); // stored as typed

    Document empty = TableWithCommand(3, 1, 0, 0, u"ff");
    RunSeries(empty);
    EXPECT_EQ(RowTexts(empty, 0), Texts({u"0", u"1", u"2"}));
}

TEST(SeriesCounters, SteppedSeries) {
    Document column = TableWithCommand(1, 4, 0, 1, u"c10.5c");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 0), Texts({u"", u"10", u"15", u"20"}));

    Document row = TableWithCommand(4, 1, 0, 0, u"f100.0f");
    RunSeries(row);
    EXPECT_EQ(RowTexts(row, 0), Texts({u"100", u"100", u"100", u"100"}));

    // B is the digits after the point, not a fraction.
    Document fraction = TableWithCommand(3, 1, 0, 0, u"f1.50f");
    RunSeries(fraction);
    EXPECT_EQ(RowTexts(fraction, 0), Texts({u"1", u"51", u"101"}));
}

TEST(SeriesCounters, ThirtyTwoBitOverflowLeavesTheRestAsItWas) {
    Document near = TableWithCommand(4, 1, 0, 0, u"f2147483646f");
    near.cell(2, 0).text = QStringLiteral("kept");
    near.cell(3, 0).text = QStringLiteral("also kept");
    RunSeries(near);
    EXPECT_EQ(RowTexts(near, 0), Texts({u"2147483646", u"2147483647", u"kept", u"also kept"}));

    // A start beyond 32 bits takes the nearest value that fits.
    Document huge = TableWithCommand(2, 1, 0, 0, u"f99999999999f");
    huge.cell(1, 0).text = QStringLiteral("kept");
    RunSeries(huge);
    EXPECT_EQ(RowTexts(huge, 0), Texts({u"2147483647", u"kept"}));

    Document step = TableWithCommand(1, 3, 0, 0, u"c2000000000.2000000000c");
    step.cell(0, 2).text = QStringLiteral("kept");
    RunSeries(step);
    EXPECT_EQ(ColumnTexts(step, 0), Texts({u"2000000000", u"", u"kept"}));
}

TEST(SeriesLabelled, PrefixAndSuffixInLowerCase) {
    Document both = TableWithCommand(1, 3, 0, 0, u"#Lot#1.1#Pcs#c");
    RunSeries(both);
    EXPECT_EQ(ColumnTexts(both, 0), Texts({u"lot 1 pcs", u"lot 2 pcs", u"lot 3 pcs"}));

    Document row = TableWithCommand(3, 1, 0, 0, u"#  Box #5.5# kg #f");
    RunSeries(row);
    EXPECT_EQ(RowTexts(row, 0), Texts({u"box 5 kg", u"box 10 kg", u"box 15 kg"}));

    Document prefix = TableWithCommand(1, 3, 0, 0, u"#No.#1.1#c");
    RunSeries(prefix);
    EXPECT_EQ(ColumnTexts(prefix, 0), Texts({u"no. 1", u"no. 2", u"no. 3"}));

    Document prefixRow = TableWithCommand(2, 1, 0, 0, u"#Item#0.2#f");
    RunSeries(prefixRow);
    EXPECT_EQ(RowTexts(prefixRow, 0), Texts({u"item 0", u"item 2"}));

    Document suffix = TableWithCommand(1, 2, 0, 0, u"#1.1#km#c");
    RunSeries(suffix);
    EXPECT_EQ(ColumnTexts(suffix, 0), Texts({u"1 km", u"2 km"}));

    Document both10 = TableWithCommand(2, 1, 0, 0, u"#1.5#2.5#f");
    RunSeries(both10);
    EXPECT_EQ(RowTexts(both10, 0), Texts({u"1 2.5", u"6 2.5"}));

    // An empty prefix still brings its space.
    Document bare = TableWithCommand(1, 1, 0, 0, u"##3.1#x#c");
    RunSeries(bare);
    EXPECT_EQ(bare.cell(0, 0).text, u" 3 x");
}

TEST(SeriesClockTimes, MinutesAndHoursRollOverMidnight) {
    Document minutes = TableWithCommand(4, 1, 0, 0, u"f23:30:45fm");
    RunSeries(minutes);
    EXPECT_EQ(RowTexts(minutes, 0), Texts({u"23:30", u"00:15", u"01:00", u"01:45"}));

    Document hours = TableWithCommand(4, 1, 1, 0, u"f8:00:2fh");
    RunSeries(hours);
    EXPECT_EQ(RowTexts(hours, 0), Texts({u"", u"08:00", u"10:00", u"12:00"}));

    Document columnMinutes = TableWithCommand(1, 3, 0, 0, u"c9:5:90cm");
    RunSeries(columnMinutes);
    EXPECT_EQ(ColumnTexts(columnMinutes, 0), Texts({u"09:05", u"10:35", u"12:05"}));

    Document columnHours = TableWithCommand(1, 3, 0, 0, u"c22:15:1ch");
    RunSeries(columnHours);
    EXPECT_EQ(ColumnTexts(columnHours, 0), Texts({u"22:15", u"23:15", u"00:15"}));

    Document zeroStep = TableWithCommand(2, 1, 0, 0, u"f::fm");
    RunSeries(zeroStep);
    EXPECT_EQ(RowTexts(zeroStep, 0), Texts({u"00:00", u"00:00"}));
}

TEST(SeriesClockTimes, RefusedTimesLeaveTheCellsAsTheyWere) {
    for (const char16_t* command : {u"f25:00:15fm", u"f8:60:15fm"}) {
        Document document = TableWithCommand(3, 1, 0, 0, command);
        document.cell(1, 0).text = QStringLiteral("kept");
        RunSeries(document);
        EXPECT_EQ(RowTexts(document, 0), Texts({command, u"kept", u""}));
        EXPECT_EQ(document.commands.at(0, 0), QString::fromUtf16(command));
    }
    // Steps so large that the calendar runs out: the series stops there.
    Document far = TableWithCommand(4, 1, 0, 0, u"f0:00:2000000000fh");
    far.cell(1, 0).text = QStringLiteral("kept");
    RunSeries(far);
    EXPECT_EQ(RowTexts(far, 0), Texts({u"00:00", u"kept", u"", u""}));
}

TEST(SeriesDecimal, RepeatedAdditionWrittenWithFifteenDigits) {
    Document row = TableWithCommand(5, 1, 0, 0, u"f1.5f0.25f");
    RunSeries(row);
    EXPECT_EQ(RowTexts(row, 0), Texts({u"1.5", u"1.75", u"2", u"2.25", u"2.5"}));

    Document column = TableWithCommand(1, 4, 0, 0, u"c0.1c0.1c");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 0), Texts({u"0.1", u"0.2", u"0.3", u"0.4"}));

    Document empty = TableWithCommand(2, 1, 0, 0, u"f.f.f");
    RunSeries(empty);
    EXPECT_EQ(RowTexts(empty, 0), Texts({u"0", u"0"}));
}

TEST(SeriesConstant, SameNumberInEveryCell) {
    Document column = TableWithCommand(1, 4, 0, 1, u"7c\u00AC");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 0), Texts({u"", u"7", u"7", u"7"}));

    Document row = TableWithCommand(3, 1, 0, 0, u"0042F\u00AC");
    RunSeries(row);
    EXPECT_EQ(RowTexts(row, 0), Texts({u"42", u"42", u"42"}));

    Document empty = TableWithCommand(2, 1, 0, 0, u"f\u00AC");
    RunSeries(empty);
    EXPECT_EQ(RowTexts(empty, 0), Texts({u"0", u"0"}));
}
