// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/calendar.h"
#include "content/series_names.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

bool Same(const DateTimeRecord& a, const DateTimeRecord& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute;
}

} // namespace

TEST(Calendar, AddingRollsOverDaysMonthsAndYears) {
    DateTimeRecord time{2021, 11, 4, 23, 30};
    ASSERT_TRUE(AddMinutes(time, 45));
    EXPECT_TRUE(Same(time, {2021, 11, 5, 0, 15}));
    ASSERT_TRUE(AddHours(time, -1));
    EXPECT_TRUE(Same(time, {2021, 11, 4, 23, 15}));
    DateTimeRecord date{2024, 2, 28, 0, 0};
    ASSERT_TRUE(AddDays(date, 1));
    EXPECT_TRUE(Same(date, {2024, 2, 29, 0, 0}));
    ASSERT_TRUE(AddDays(date, 1));
    EXPECT_TRUE(Same(date, {2024, 3, 1, 0, 0}));
    DateTimeRecord year{2024, 12, 31, 12, 0};
    ASSERT_TRUE(AddDays(year, 1));
    EXPECT_TRUE(Same(year, {2025, 1, 1, 12, 0}));
    ASSERT_TRUE(AddDays(year, -366));
    EXPECT_TRUE(Same(year, {2024, 1, 1, 12, 0}));
}

TEST(Calendar, RefusedRecordsAndResultsChangeNothing) {
    for (const DateTimeRecord& refused :
         {DateTimeRecord{2025, 13, 1, 0, 0}, DateTimeRecord{2025, 1, 32, 0, 0},
          DateTimeRecord{2025, 2, 29, 0, 0}, DateTimeRecord{0, 1, 1, 0, 0},
          DateTimeRecord{10000, 1, 1, 0, 0}, DateTimeRecord{2025, 1, 1, 25, 0},
          DateTimeRecord{2025, 1, 1, 24, 0}, DateTimeRecord{2025, 1, 1, 0, 60},
          DateTimeRecord{2025, 1, 1, -1, 0}}) {
        EXPECT_FALSE(IsCalendarValid(refused));
        DateTimeRecord copy = refused;
        EXPECT_FALSE(AddMinutes(copy, 1));
        EXPECT_TRUE(Same(copy, refused));
        EXPECT_FALSE(DaysBetween(refused, {2025, 1, 1, 0, 0}).has_value());
    }
    DateTimeRecord last{9999, 12, 31, 23, 59};
    EXPECT_FALSE(AddMinutes(last, 1));
    EXPECT_TRUE(Same(last, {9999, 12, 31, 23, 59}));
    DateTimeRecord first{1, 1, 1, 0, 0};
    EXPECT_FALSE(AddMinutes(first, -1));
    EXPECT_FALSE(AddDays(first, std::numeric_limits<int64_t>::max()));
    EXPECT_FALSE(AddHours(first, std::numeric_limits<int64_t>::min()));
    EXPECT_TRUE(Same(first, {1, 1, 1, 0, 0}));
    ASSERT_TRUE(AddDays(first, 3652058));
    EXPECT_TRUE(Same(first, {9999, 12, 31, 0, 0}));
}

TEST(Calendar, DaysBetweenCountsWholeDays) {
    EXPECT_EQ(DaysBetween({2025, 6, 16, 0, 0}, {2025, 6, 15, 0, 0}), 1);
    EXPECT_EQ(DaysBetween({2025, 6, 15, 0, 0}, {2025, 6, 15, 23, 59}), 0);
    EXPECT_EQ(DaysBetween({2025, 6, 16, 0, 1}, {2025, 6, 15, 23, 59}), 1);
    EXPECT_EQ(DaysBetween({2025, 6, 14, 23, 59}, {2025, 6, 15, 0, 0}), -1);
    EXPECT_EQ(DaysBetween({2026, 1, 1, 0, 0}, {2025, 1, 1, 0, 0}), 365);
    EXPECT_EQ(DaysBetween({1, 1, 1, 0, 0}, {9999, 12, 31, 0, 0}), -3652058);
    const DateTimeRecord today = RecordOfDate(QDate(2025, 6, 15));
    EXPECT_TRUE(Same(today, {2025, 6, 15, 0, 0}));
}

TEST(WeekdayOfDate, ZellersCongruence) {
    const struct {
        int year, month, day;
        const char16_t* spanish;
        const char16_t* english;
    } cases[] = {
        {2025, 6, 15, u"Domingo", u"Sunday"},  {2025, 1, 1, u"Miercoles", u"Wednesday"},
        {2000, 2, 29, u"Martes", u"Tuesday"},  {1900, 1, 1, u"Lunes", u"Monday"},
        {2024, 3, 3, u"Domingo", u"Sunday"},   {9999, 12, 31, u"Viernes", u"Friday"},
        {1, 1, 1, u"Lunes", u"Monday"},        {2025, 6, 14, u"Sabado", u"Saturday"},
        {2025, 6, 19, u"Jueves", u"Thursday"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WeekdayOfDateEs(c.year, c.month, c.day), QString::fromUtf16(c.spanish))
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(WeekdayOfDateEn(c.year, c.month, c.day), QString::fromUtf16(c.english))
            << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(WeekdayIndexOfDate(2025, 6, 15), 1);
    EXPECT_EQ(WeekdayIndexOfDate(2025, 6, 14), 7);
}

TEST(SeriesNameTables, IndexesAndBounds) {
    EXPECT_EQ(WeekdayNameEs(1), u"Lunes");
    EXPECT_EQ(WeekdayNameEs(3), u"Miercoles");
    EXPECT_EQ(WeekdayNameEs(6), u"Sabado");
    EXPECT_EQ(WeekdayNameEs(7), u"Domingo");
    EXPECT_EQ(WeekdayNameEn(1), u"Sunday");
    EXPECT_EQ(WeekdayNameEn(7), u"Saturday");
    EXPECT_EQ(MonthNameEs(9), u"Septiembre");
    EXPECT_EQ(MonthNameEs(12), u"Diciembre");
    EXPECT_EQ(MonthNameEn(1), u"January");
    EXPECT_EQ(MonthNameEn(12), u"December");
    for (const int outside : {0, -1, 13}) {
        EXPECT_TRUE(MonthNameEs(outside).isEmpty());
        EXPECT_TRUE(MonthNameEn(outside).isEmpty());
    }
    EXPECT_TRUE(WeekdayNameEs(8).isEmpty());
    EXPECT_TRUE(WeekdayNameEn(0).isEmpty());
}
