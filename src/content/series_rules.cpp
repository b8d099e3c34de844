// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_rules.h"

#include "content/calendar.h"
#include "content/leading_number.h"
#include "content/series_names.h"
#include "content/series_text.h"
#include "content/table_extent.h"
#include "model/space_trim.h"

#include <QStringBuilder>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// The cells a series fills, from its own cell to the end of its row or column.
class FillRange {
public:
    FillRange(Document& document, int column, int row, bool alongRow)
        : document_(document), column_(column), row_(row), alongRow_(alongRow) {}

    int Size() const {
        return alongRow_ ? TableColumnCount(document_) - column_ : TableRowCount(document_) - row_;
    }
    CellRecord& Cell(int i) const {
        return alongRow_ ? document_.cell(column_ + i, row_) : document_.cell(column_, row_ + i);
    }

private:
    Document& document_;
    int column_;
    int row_;
    bool alongRow_;
};

int ReadInt(QStringView field) {
    return NearestInt32(ReadLeadingNumber(field));
}

// At least two digits, zero-padded.
QString TwoDigits(int64_t value) {
    if (value >= 0 && value < 100) {
        const QChar digits[2] = {QChar(u'0' + int(value / 10)), QChar(u'0' + int(value % 10))};
        return QString(digits, 2);
    }
    QString digits = QString::number(std::llabs(value)).rightJustified(2, u'0');
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

// Today, or a series date, as the texts the marks compare.
QString YearMonthDay(const QString& year, int month, int day) {
    return year % u'/' % TwoDigits(month) % u'/' % TwoDigits(day);
}
QString DayMonthYear(int day, int month, const QString& year) {
    return TwoDigits(day) % u'/' % TwoDigits(month) % u'/' % year;
}
QString FourDigitYear(int year) {
    return QString::number(year).rightJustified(4, u'0');
}

// The counters and the stepped and labelled kinds: A, A+B, ... between a prefix and a suffix. A
// 32-bit series stops where its next value would leave the 32-bit range; the rest of the range
// keeps what it held.
void IntegerSeries(const FillRange& range, int32_t start, int32_t step, const QString& prefix,
                   const QString& suffix) {
    for (int i = 0; i < range.Size(); ++i) {
        const int64_t value = int64_t(start) + int64_t(i) * step;
        if (value < std::numeric_limits<int32_t>::min() ||
            value > std::numeric_limits<int32_t>::max())
            return;
        range.Cell(i).text = prefix.isEmpty() && suffix.isEmpty()
                                 ? QString::number(value)
                                 : prefix % QString::number(value) % suffix;
    }
}

// The labelled kinds: "#P#A.B#S#", with P missing in the suffixed ones, S in the prefixed.
void LabelledSeries(const FillRange& range, QStringView step, std::optional<QStringView> prefix,
                    std::optional<QStringView> suffix) {
    const QString before = prefix ? TrimSpaces(*prefix).toString() + u' ' : QString();
    const QString after = suffix ? u' ' + TrimSpaces(*suffix).toString() : QString();
    IntegerSeries(range, ReadInt(SeriesField(step, u'.', 1)), ReadInt(SeriesField(step, u'.', 2)),
                  before, after);
}

// Clock times from H:M, K minutes or hours apart.
void TimeSeries(const FillRange& range, QStringView inside, bool hours) {
    DateTimeRecord time{2021, 11, 4, ReadInt(SeriesField(inside, u':', 1)),
                        ReadInt(SeriesField(inside, u':', 2))};
    if (!IsCalendarValid(time)) return;
    const int step = ReadInt(SeriesField(inside, u':', 3));
    for (int i = 0; i < range.Size(); ++i) {
        range.Cell(i).text = TwoDigits(time.hour) % u':' % TwoDigits(time.minute);
        if (!(hours ? AddHours(time, step) : AddMinutes(time, step))) return;
    }
}

// Consecutive dates with their weekday names.
void DatedWeekdays(const FillRange& range, QStringView inside, bool spanish, QDate today) {
    DateTimeRecord date{ReadInt(SeriesField(inside, u'/', 3)),
                        ReadInt(SeriesField(inside, u'/', 2)),
                        ReadInt(SeriesField(inside, u'/', 1)), 0, 0};
    if (!IsCalendarValid(date)) return;
    const QString todayText = DayMonthYear(today.day(), today.month(), FourDigitYear(today.year()));
    for (int i = 0; i < range.Size(); ++i) {
        CellRecord& cell = range.Cell(i);
        const QString name = spanish ? WeekdayOfDateEs(date.year, date.month, date.day)
                                     : WeekdayOfDateEn(date.year, date.month, date.day);
        if (spanish && name == u"Domingo") cell.textColour = kSeriesMarkColour;
        const QString dateText = DayMonthYear(date.day, date.month, QString::number(date.year));
        if (dateText == todayText)
            cell.text = spanish ? QStringLiteral("Hoy") : QStringLiteral("Today");
        else
            cell.text = name % u' ' % dateText;
        if (!AddDays(date, 1)) return;
    }
}

// Month and weekday names: a cycle from the first.
void NameCycle(const FillRange& range, QString (*name)(int), int count, bool redSundays) {
    for (int i = 0; i < range.Size(); ++i) {
        CellRecord& cell = range.Cell(i);
        cell.text = name(i % count + 1);
        if (redSundays && cell.text == u"Domingo") cell.textColour = kSeriesMarkColour;
    }
}

void DecimalSeries(const FillRange& range, QStringView workingForm, QChar letter) {
    double value = double(ReadLeadingNumber(SeriesField(workingForm, letter, 2)));
    const double step = double(ReadLeadingNumber(SeriesField(workingForm, letter, 3)));
    for (int i = 0; i < range.Size(); ++i, value += step)
        range.Cell(i).text = WriteNumber(value);
}

void Constant(const FillRange& range, QStringView workingForm) {
    const QString number = WriteNumber(ReadLeadingNumber(workingForm.chopped(2)));
    for (int i = 0; i < range.Size(); ++i)
        range.Cell(i).text = number;
}

// A birth date, red when the age in years lies outside L..H.
void AgeCheck(CellRecord& cell, QStringView w, QChar separator, QDate today) {
    const int day = ReadInt(SeriesField(w, separator, 1));
    const int month = ReadInt(SeriesField(w, separator, 2));
    const int year = ReadInt(SeriesField(w, separator, 3));
    const int low = ReadInt(SeriesField(w, separator, 4));
    const int high = ReadInt(SeriesField(w, separator, 5));
    cell.text = TwoDigits(day) % separator % TwoDigits(month) % separator % QString::number(year);
    const int64_t age = std::llabs(int64_t(today.year()) - year);
    if (age < low || age > high) cell.textColour = kSeriesMarkColour;
}

// A deadline, red once it is today or past.
void DeadlineCheck(CellRecord& cell, QStringView w, bool monthFirst, QDate today) {
    const int first = ReadInt(SeriesField(w, u'\u00AC', 1));
    const int second = ReadInt(SeriesField(w, u'\u00AC', 2));
    const QString year = QString::number(ReadInt(SeriesField(w, u'\u00AC', 3)));
    const int day = monthFirst ? second : first;
    const int month = monthFirst ? first : second;
    cell.text = TwoDigits(first) % u'/' % TwoDigits(second) % u'/' % year;
    const QString todayText = YearMonthDay(FourDigitYear(today.year()), today.month(), today.day());
    if (!(todayText < YearMonthDay(year, month, day))) cell.textColour = kSeriesMarkColour;
}

// Days from today to the date.
void DayCount(CellRecord& cell, QStringView w, bool monthFirst, QDate today) {
    const int first = ReadInt(SeriesField(w, u'=', 1));
    const int second = ReadInt(SeriesField(w, u'=', 2));
    const DateTimeRecord date{ReadInt(SeriesField(w, u'=', 3)), monthFirst ? first : second,
                              monthFirst ? second : first, 0, 0};
    const std::optional<int64_t> days = DaysBetween(date, RecordOfDate(today));
    if (!days) return;
    const bool one = *days == 1;
    const QString unit = monthFirst
                             ? (one ? QStringLiteral(" day") : QStringLiteral(" days"))
                             : (one ? QStringLiteral(" d\u00EDa") : QStringLiteral(" d\u00EDas"));
    cell.text = QString::number(*days) + unit;
}

} // namespace

void ApplySeriesRule(Document& document, int column, int row, SeriesKind kind, QStringView w,
                     QDate today) {
    const FillRange alongRow(document, column, row, true);
    const FillRange downColumn(document, column, row, false);
    CellRecord& own = document.cell(column, row);
    switch (kind) {
    case SeriesKind::CounterAlongRow:
    case SeriesKind::CounterDownColumn: {
        const QChar letter = kind == SeriesKind::CounterAlongRow ? u'f' : u'c';
        IntegerSeries(kind == SeriesKind::CounterAlongRow ? alongRow : downColumn,
                      ReadInt(SeriesField(w, letter, 2)), 1, {}, {});
        break;
    }
    case SeriesKind::SteppedAlongRow:
    case SeriesKind::SteppedDownColumn: {
        const QStringView inside =
            SeriesField(w, kind == SeriesKind::SteppedAlongRow ? u'f' : u'c', 2);
        IntegerSeries(kind == SeriesKind::SteppedAlongRow ? alongRow : downColumn,
                      ReadInt(SeriesField(inside, u'.', 1)), ReadInt(SeriesField(inside, u'.', 2)),
                      {}, {});
        break;
    }
    case SeriesKind::LabelledDownColumn:
    case SeriesKind::LabelledAlongRow:
        LabelledSeries(kind == SeriesKind::LabelledAlongRow ? alongRow : downColumn,
                       SeriesField(w, u'#', 3), SeriesField(w, u'#', 2), SeriesField(w, u'#', 4));
        break;
    case SeriesKind::PrefixedDownColumn:
    case SeriesKind::PrefixedAlongRow:
        LabelledSeries(kind == SeriesKind::PrefixedAlongRow ? alongRow : downColumn,
                       SeriesField(w, u'#', 3), SeriesField(w, u'#', 2), std::nullopt);
        break;
    case SeriesKind::SuffixedDownColumn:
    case SeriesKind::SuffixedAlongRow:
        LabelledSeries(kind == SeriesKind::SuffixedAlongRow ? alongRow : downColumn,
                       SeriesField(w, u'#', 2), std::nullopt, SeriesField(w, u'#', 3));
        break;
    case SeriesKind::MinutesAlongRow:
    case SeriesKind::HoursAlongRow:
        TimeSeries(alongRow, SeriesField(w, u'f', 2), kind == SeriesKind::HoursAlongRow);
        break;
    case SeriesKind::MinutesDownColumn:
    case SeriesKind::HoursDownColumn:
        TimeSeries(downColumn, SeriesField(w, u'c', 2), kind == SeriesKind::HoursDownColumn);
        break;
    case SeriesKind::AgeCheckDashed:
        AgeCheck(own, w, u'-', today);
        break;
    case SeriesKind::AgeCheckSlashed:
        AgeCheck(own, w, u'/', today);
        break;
    case SeriesKind::DeadlineDayFirst:
        DeadlineCheck(own, w, false, today);
        break;
    case SeriesKind::DeadlineMonthFirst:
        DeadlineCheck(own, w, true, today);
        break;
    case SeriesKind::SpanishDatesAlongRow:
    case SeriesKind::EnglishDatesAlongRow:
        DatedWeekdays(alongRow, SeriesField(w, u'f', 2), kind == SeriesKind::SpanishDatesAlongRow,
                      today);
        break;
    case SeriesKind::SpanishDatesDownColumn:
    case SeriesKind::EnglishDatesDownColumn:
        DatedWeekdays(downColumn, SeriesField(w, u'c', 2),
                      kind == SeriesKind::SpanishDatesDownColumn, today);
        break;
    case SeriesKind::SpanishMonthsAlongRow:
        NameCycle(alongRow, MonthNameEs, 12, false);
        break;
    case SeriesKind::EnglishMonthsAlongRow:
        NameCycle(alongRow, MonthNameEn, 12, false);
        break;
    case SeriesKind::SpanishMonthsDownColumn:
        NameCycle(downColumn, MonthNameEs, 12, false);
        break;
    case SeriesKind::EnglishMonthsDownColumn:
        NameCycle(downColumn, MonthNameEn, 12, false);
        break;
    case SeriesKind::SpanishWeekdaysAlongRow:
        NameCycle(alongRow, WeekdayNameEs, 7, true);
        break;
    case SeriesKind::EnglishWeekdaysAlongRow:
        NameCycle(alongRow, WeekdayNameEn, 7, false);
        break;
    case SeriesKind::SpanishWeekdaysDownColumn:
        NameCycle(downColumn, WeekdayNameEs, 7, true);
        break;
    case SeriesKind::EnglishWeekdaysDownColumn:
        NameCycle(downColumn, WeekdayNameEn, 7, false);
        break;
    case SeriesKind::DayCountDayFirst:
        DayCount(own, w, false, today);
        break;
    case SeriesKind::DayCountMonthFirst:
        DayCount(own, w, true, today);
        break;
    case SeriesKind::DecimalAlongRow:
        DecimalSeries(alongRow, w, u'f');
        break;
    case SeriesKind::DecimalDownColumn:
        DecimalSeries(downColumn, w, u'c');
        break;
    case SeriesKind::ConstantAlongRow:
    case SeriesKind::ConstantDownColumn:
        Constant(kind == SeriesKind::ConstantAlongRow ? alongRow : downColumn, w);
        break;
    default:
        break;
    }
}
