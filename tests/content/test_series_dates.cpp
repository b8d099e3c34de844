// SPDX-License-Identifier: GPL-3.0-or-later
#include "series_test_support.h"

#include <gtest/gtest.h>

// Age and deadline checks, dated weekdays, month and weekday names, day counts. Today is
// Sunday 15 June 2025.

TEST(SeriesAgeCheck, RedOutsideTheAgeRange) {
    const struct {
        const char16_t* command;
        const char16_t* shown;
        bool red;
    } cases[] = {
        {u"15-03-1990-18-65", u"15-03-1990", false}, // 35
        {u"15-03-1990-18-30", u"15-03-1990", true},  // 35 > 30
        {u"15-03-2010-18-65", u"15-03-2010", true},  // 15 < 18
        {u"1-1-2007-18-65", u"01-01-2007", false},   // exactly 18
        {u"1-1-2035-5-65", u"01-01-2035", false},    // future years count as ages too
        {u"5/3/1990/18/65", u"05/03/1990", false},   {u"5/3/1950/18/65", u"05/03/1950", true},
        {u"45/13/1990/0/99", u"45/13/1990", false}, // not a calendar date, shown as typed
    };
    for (const auto& c : cases) {
        Document document = TableWithCommand(2, 2, 0, 0, c.command);
        RunSeries(document);
        EXPECT_EQ(document.cell(0, 0).text, QString::fromUtf16(c.shown));
        EXPECT_EQ(document.cell(0, 0).textColour, c.red ? kRed : 0)
            << QString::fromUtf16(c.command).toStdString();
        EXPECT_EQ(document.cell(1, 0).text, u""); // only its own cell
        EXPECT_EQ(document.cell(0, 1).text, u"");
    }
}

TEST(SeriesDeadline, RedOnceTheDateIsTodayOrPast) {
    const struct {
        const char16_t* command;
        const char16_t* shown;
        bool red;
    } cases[] = {
        {u"31\u00AC12\u00AC2000", u"31/12/2000", true},
        {u"15\u00AC6\u00AC2025", u"15/06/2025", true},
        {u"16\u00AC6\u00AC2025", u"16/06/2025", false},
        {u"12\u00AC31\u00AC2999\u00AC", u"12/31/2999", false},
        {u"6\u00AC15\u00AC2025\u00AC", u"06/15/2025", true},
        {u"6\u00AC16\u00AC2025\u00AC", u"06/16/2025", false},
        {u"1\u00AC1\u00AC2026", u"01/01/2026", false},
    };
    for (const auto& c : cases) {
        Document document = TableWithCommand(2, 1, 0, 0, c.command);
        RunSeries(document);
        EXPECT_EQ(document.cell(0, 0).text, QString::fromUtf16(c.shown));
        EXPECT_EQ(document.cell(0, 0).textColour, c.red ? kRed : 0)
            << QString::fromUtf16(c.command).toStdString();
        EXPECT_EQ(document.cell(1, 0).text, u"");
    }
}

TEST(SeriesDeadline, RedIsNeverTakenBack) {
    Document document = TableWithCommand(1, 1, 0, 0, u"1\u00AC1\u00AC2000");
    RunSeries(document);
    ASSERT_EQ(document.cell(0, 0).textColour, kRed);
    document.commands.at(0, 0) = QStringLiteral("1\u00AC1\u00AC2999");
    RunSeries(document);
    EXPECT_EQ(document.cell(0, 0).text, u"01/01/2999");
    EXPECT_EQ(document.cell(0, 0).textColour, kRed);
}

TEST(SeriesDatedWeekdays, SpanishWithHoyAndRedSundays) {
    Document document = TableWithCommand(5, 1, 0, 0, u"f13/6/2025fes");
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"Viernes 13/06/2025", u"Sabado 14/06/2025", u"Hoy",
                                            u"Lunes 16/06/2025", u"Martes 17/06/2025"}));
    EXPECT_EQ(document.cell(1, 0).textColour, 0);
    EXPECT_EQ(document.cell(2, 0).textColour, kRed); // today is a Sunday
    EXPECT_EQ(document.cell(3, 0).textColour, 0);

    Document column = TableWithCommand(1, 3, 0, 0, u"c21/6/2025ces");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 0),
              Texts({u"Sabado 21/06/2025", u"Domingo 22/06/2025", u"Lunes 23/06/2025"}));
    EXPECT_EQ(column.cell(0, 1).textColour, kRed);
}

TEST(SeriesDatedWeekdays, EnglishWithTodayAcrossTheYearEnd) {
    Document document = TableWithCommand(5, 1, 0, 0, u"F13/06/2025FEN");
    RunSeries(document);
    EXPECT_EQ(RowTexts(document, 0), Texts({u"Friday 13/06/2025", u"Saturday 14/06/2025", u"Today",
                                            u"Monday 16/06/2025", u"Tuesday 17/06/2025"}));
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(document.cell(column, 0).textColour, 0);

    Document column = TableWithCommand(1, 3, 0, 0, u"c30/12/2024cen");
    RunSeries(column);
    EXPECT_EQ(ColumnTexts(column, 0),
              Texts({u"Monday 30/12/2024", u"Tuesday 31/12/2024", u"Wednesday 01/01/2025"}));

    Document leap = TableWithCommand(2, 1, 0, 0, u"f28/2/2024fen");
    RunSeries(leap);
    EXPECT_EQ(RowTexts(leap, 0), Texts({u"Wednesday 28/02/2024", u"Thursday 29/02/2024"}));
}

TEST(SeriesDatedWeekdays, RefusedDatesLeaveTheRestAsItWas) {
    for (const char16_t* command : {u"f31/2/2025fes", u"f1/13/2025fen", u"f1/1/0fen"}) {
        Document document = TableWithCommand(2, 1, 0, 0, command);
        document.cell(1, 0).text = QStringLiteral("kept");
        RunSeries(document);
        EXPECT_EQ(RowTexts(document, 0), Texts({command, u"kept"}));
    }
    Document end = TableWithCommand(3, 1, 0, 0, u"f31/12/9999fen");
    end.cell(1, 0).text = QStringLiteral("kept");
    RunSeries(end);
    EXPECT_EQ(RowTexts(end, 0), Texts({u"Friday 31/12/9999", u"kept", u""}));
}

TEST(SeriesNames, MonthsRepeatAfterDecember) {
    Document english = TableWithCommand(14, 1, 0, 0, u"fmonthsf");
    RunSeries(english);
    EXPECT_EQ(RowTexts(english, 0), Texts({u"January", u"February", u"March", u"April", u"May",
                                           u"June", u"July", u"August", u"September", u"October",
                                           u"November", u"December", u"January", u"February"}));

    Document spanish = TableWithCommand(1, 14, 0, 1, u"cmesesc");
    RunSeries(spanish);
    EXPECT_EQ(ColumnTexts(spanish, 0, 1),
              Texts({u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio",
                     u"Agosto", u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre", u"Enero"}));

    Document spanishRow = TableWithCommand(3, 1, 1, 0, u"fmesesf");
    RunSeries(spanishRow);
    EXPECT_EQ(RowTexts(spanishRow, 0), Texts({u"", u"Enero", u"Febrero"}));

    Document englishColumn = TableWithCommand(1, 2, 0, 0, u"cmonthsc");
    RunSeries(englishColumn);
    EXPECT_EQ(ColumnTexts(englishColumn, 0), Texts({u"January", u"February"}));
}

TEST(SeriesNames, WeekdaysWithRedSpanishSundays) {
    Document spanish = TableWithCommand(9, 1, 0, 0, u"fsemanaf");
    RunSeries(spanish);
    EXPECT_EQ(RowTexts(spanish, 0), Texts({u"Lunes", u"Martes", u"Miercoles", u"Jueves", u"Viernes",
                                           u"Sabado", u"Domingo", u"Lunes", u"Martes"}));
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(spanish.cell(column, 0).textColour, column == 6 ? kRed : 0) << column;

    Document english = TableWithCommand(8, 1, 0, 0, u"fweekf");
    RunSeries(english);
    EXPECT_EQ(RowTexts(english, 0), Texts({u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
                                           u"Thursday", u"Friday", u"Saturday", u"Sunday"}));
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(english.cell(column, 0).textColour, 0) << column;

    Document spanishColumn = TableWithCommand(1, 8, 0, 0, u"csemanac");
    RunSeries(spanishColumn);
    EXPECT_EQ(spanishColumn.cell(0, 6).text, u"Domingo");
    EXPECT_EQ(spanishColumn.cell(0, 6).textColour, kRed);
    EXPECT_EQ(spanishColumn.cell(0, 7).text, u"Lunes");

    Document englishColumn = TableWithCommand(1, 2, 0, 0, u"cweekc");
    RunSeries(englishColumn);
    EXPECT_EQ(ColumnTexts(englishColumn, 0), Texts({u"Sunday", u"Monday"}));
    EXPECT_EQ(englishColumn.cell(0, 0).textColour, 0);
}

TEST(SeriesDayCount, SingularAndPluralInBothLanguages) {
    const struct {
        const char16_t* command;
        const char16_t* shown;
    } cases[] = {
        {u"16=6=2025", u"1 d\u00EDa"},    {u"15=6=2025", u"0 d\u00EDas"},
        {u"14=6=2025", u"-1 d\u00EDas"},  {u"15=6=2026", u"365 d\u00EDas"},
        {u"1=1=2025", u"-165 d\u00EDas"}, {u"6=16=2025=", u"1 day"},
        {u"6=15=2025=", u"0 days"},       {u"6=14=2025=", u"-1 days"},
        {u"12=25=2025=", u"193 days"},    {u"12=25=2025", u"12=25=2025"}, // day 12, month 25
        {u"32=13=2025", u"32=13=2025"},   {u"29=2=2025", u"29=2=2025"},
    };
    for (const auto& c : cases) {
        Document document = TableWithCommand(2, 1, 0, 0, c.command);
        RunSeries(document);
        EXPECT_EQ(RowTexts(document, 0), Texts({c.shown, u""}));
    }
}

TEST(SeriesDayCount, FollowsTheClock) {
    Document document = TableWithCommand(1, 1, 0, 0, u"1=1=2026");
    RunSeries(document, FixedClock(QDate(2025, 12, 31)));
    EXPECT_EQ(document.cell(0, 0).text, u"1 d\u00EDa");
    RunSeries(document, FixedClock(QDate(2026, 1, 1)));
    EXPECT_EQ(document.cell(0, 0).text, u"0 d\u00EDas");
}
