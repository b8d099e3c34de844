// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/calendar.h"

#include <QTime>

namespace {

constexpr int64_t kMinutesPerDay = 24 * 60;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// Minutes since 0001-01-01 00:00, the start of the calendar, so every count is positive and
// truncating it to whole days is the same as flooring it.
const int64_t kFirstJulianDay = QDate(kFirstYear, 1, 1).toJulianDay();
const int64_t kLastMinute =
    (QDate(kLastYear, 12, 31).toJulianDay() - kFirstJulianDay + 1) * kMinutesPerDay - 1;

int64_t MinuteCount(const DateTimeRecord& record) {
    const int64_t days =
        QDate(record.year, record.month, record.day).toJulianDay() - kFirstJulianDay;
    return days * kMinutesPerDay + record.hour * 60 + record.minute;
}

DateTimeRecord RecordOfMinuteCount(int64_t count) {
    const QDate date = QDate::fromJulianDay(kFirstJulianDay + count / kMinutesPerDay);
    const int64_t minuteOfDay = count % kMinutesPerDay;
    return {date.year(), date.month(), date.day(), int(minuteOfDay / 60), int(minuteOfDay % 60)};
}

bool AddScaled(DateTimeRecord& record, int64_t amount, int64_t minutesPerUnit) {
    if (!IsCalendarValid(record)) return false;
    int64_t minutes = 0;
    int64_t count = 0;
    if (__builtin_mul_overflow(amount, minutesPerUnit, &minutes) ||
        __builtin_add_overflow(MinuteCount(record), minutes, &count))
        return false;
    if (count < 0 || count > kLastMinute) return false;
    record = RecordOfMinuteCount(count);
    return true;
}

} // namespace

bool IsCalendarValid(const DateTimeRecord& record) {
    return record.year >= kFirstYear && record.year <= kLastYear &&
           QDate::isValid(record.year, record.month, record.day) &&
           QTime::isValid(record.hour, record.minute, 0);
}

bool AddMinutes(DateTimeRecord& record, int64_t minutes) {
    return AddScaled(record, minutes, 1);
}

bool AddHours(DateTimeRecord& record, int64_t hours) {
    return AddScaled(record, hours, 60);
}

bool AddDays(DateTimeRecord& record, int64_t days) {
    return AddScaled(record, days, kMinutesPerDay);
}

std::optional<int64_t> DaysBetween(const DateTimeRecord& a, const DateTimeRecord& b) {
    if (!IsCalendarValid(a) || !IsCalendarValid(b)) return std::nullopt;
    return MinuteCount(a) / kMinutesPerDay - MinuteCount(b) / kMinutesPerDay;
}

DateTimeRecord RecordOfDate(QDate date) {
    return {date.year(), date.month(), date.day(), 0, 0};
}
