// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Weekday and month names, without accents. Indexes outside the range give an empty text.
QString WeekdayNameEs(int index); // 1 = "Lunes" ... 7 = "Domingo"
QString WeekdayNameEn(int index); // 1 = "Sunday" ... 7 = "Saturday"
QString MonthNameEs(int index);   // 1 = "Enero" ... 12 = "Diciembre"
QString MonthNameEn(int index);   // 1 = "January" ... 12 = "December"

// Zeller's congruence on the Gregorian calendar: 1 = Sunday ... 7 = Saturday.
int WeekdayIndexOfDate(int year, int month, int day);

// The name of the weekday of a date.
QString WeekdayOfDateEs(int year, int month, int day);
QString WeekdayOfDateEn(int year, int month, int day);
