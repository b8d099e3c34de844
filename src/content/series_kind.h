// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a series command is, by its shape. "AlongRow" kinds (letter f) fill to the last
// column, "DownColumn" kinds (letter c) to the last row; the others change their own cell.
// The numbers are the order of the recogniser's tests: when two hold, the higher one wins.
enum class SeriesKind : int {
    OrdinaryText = 0,
    Inert = 1, // %N%: recognised, generates nothing
    CounterAlongRow = 2,
    CounterDownColumn = 3,
    SteppedAlongRow = 4,
    SteppedDownColumn = 5,
    // Integers between a text before (prefix) and after (suffix).
    LabelledDownColumn = 6,
    LabelledAlongRow = 7,
    PrefixedDownColumn = 8,
    PrefixedAlongRow = 9,
    SuffixedDownColumn = 10,
    SuffixedAlongRow = 11,
    // Clock times K minutes or K hours apart.
    MinutesAlongRow = 12,
    HoursAlongRow = 13,
    MinutesDownColumn = 14,
    HoursDownColumn = 15,
    // A birth date, red when the age lies outside a range; separated by "-" or "/".
    AgeCheckDashed = 16,
    AgeCheckSlashed = 17,
    DeadlineDayFirst = 18,
    // Consecutive dates with their weekday names.
    SpanishDatesAlongRow = 19,
    EnglishDatesAlongRow = 20,
    SpanishDatesDownColumn = 21,
    EnglishDatesDownColumn = 22,
    SpanishMonthsAlongRow = 23,
    EnglishMonthsAlongRow = 24,
    SpanishMonthsDownColumn = 25,
    EnglishMonthsDownColumn = 26,
    DeadlineMonthFirst = 27,
    SpanishWeekdaysAlongRow = 28,
    EnglishWeekdaysAlongRow = 29,
    SpanishWeekdaysDownColumn = 30,
    EnglishWeekdaysDownColumn = 31,
    // Days from today to a date.
    DayCountDayFirst = 32,
    DayCountMonthFirst = 33,
    DecimalAlongRow = 34,
    DecimalDownColumn = 35,
    ConstantAlongRow = 36,
    ConstantDownColumn = 37,
};

inline constexpr SeriesKind kLastSeriesKind = SeriesKind::ConstantDownColumn;

// Every kind from the counters on writes cells; ordinary text and the inert kind do not.
constexpr bool Generates(SeriesKind kind) {
    return kind >= SeriesKind::CounterAlongRow;
}
