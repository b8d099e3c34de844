// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_names.h"

#include <array>

namespace {

// Literal texts share static data, so handing them out allocates nothing.
template <size_t N> QString Pick(const std::array<QString, N>& names, int index) {
    if (index < 1 || index > int(N)) return {};
    return names[size_t(index - 1)];
}

const std::array<QString, 7> kWeekdaysEs = {QStringLiteral("Lunes"),     QStringLiteral("Martes"),
                                            QStringLiteral("Miercoles"), QStringLiteral("Jueves"),
                                            QStringLiteral("Viernes"),   QStringLiteral("Sabado"),
                                            QStringLiteral("Domingo")};
const std::array<QString, 7> kWeekdaysEn = {QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                            QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                            QStringLiteral("Thursday"), QStringLiteral("Friday"),
                                            QStringLiteral("Saturday")};
const std::array<QString, 12> kMonthsEs = {
    QStringLiteral("Enero"),   QStringLiteral("Febrero"),   QStringLiteral("Marzo"),
    QStringLiteral("Abril"),   QStringLiteral("Mayo"),      QStringLiteral("Junio"),
    QStringLiteral("Julio"),   QStringLiteral("Agosto"),    QStringLiteral("Septiembre"),
    QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};
const std::array<QString, 12> kMonthsEn = {
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

} // namespace

QString WeekdayNameEs(int index) {
    return Pick(kWeekdaysEs, index);
}
QString WeekdayNameEn(int index) {
    return Pick(kWeekdaysEn, index);
}
QString MonthNameEs(int index) {
    return Pick(kMonthsEs, index);
}
QString MonthNameEn(int index) {
    return Pick(kMonthsEn, index);
}

int WeekdayIndexOfDate(int year, int month, int day) {
    int m = month - 2;
    int y = year;
    if (m <= 0) {
        m += 12;
        y -= 1;
    }
    const int k = y % 100;
    const int j = y / 100;
    int w = (26 * m - 2) / 10 + day + k + k / 4 + j / 4 - 2 * j;
    if (w < 0) w += 7 * ((6 - w) / 7);
    return w % 7 + 1;
}

// The Spanish names start on Monday, Zeller's index on Sunday.
QString WeekdayOfDateEs(int year, int month, int day) {
    const int index = WeekdayIndexOfDate(year, month, day);
    return WeekdayNameEs(index == 1 ? 7 : index - 1);
}

QString WeekdayOfDateEn(int year, int month, int day) {
    return WeekdayNameEn(WeekdayIndexOfDate(year, month, day));
}
