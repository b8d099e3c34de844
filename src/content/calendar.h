// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <cstdint>
#include <optional>

// The date and time that the date and clock-time series step through.
struct DateTimeRecord {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// The calendar accepts Gregorian dates of the years 1 to 9999 and times 00:00 to 23:59;
// anything else (month 13, day 32, hour 25, minute 60, year 0) is refused.
bool IsCalendarValid(const DateTimeRecord& record);

// Advance the record; false, with the record unchanged, when it or the result is refused.
bool AddMinutes(DateTimeRecord& record, int64_t minutes);
bool AddHours(DateTimeRecord& record, int64_t hours);
bool AddDays(DateTimeRecord& record, int64_t days);

// Whole days of a minus whole days of b, each the record's time count truncated to days,
// so the times of day never matter; nothing when either record is refused.
std::optional<int64_t> DaysBetween(const DateTimeRecord& a, const DateTimeRecord& b);

// The record of a date at 00:00.
DateTimeRecord RecordOfDate(QDate date);
