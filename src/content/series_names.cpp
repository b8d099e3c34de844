#include "content/series_names.h"

#include <array>

namespace {

template <size_t N> QString Pick(const std::array<const char16_t*, N>& names, int index) {
    if (index < 1 || index > int(N)) return {};
    return QString::fromUtf16(names[size_t(index - 1)]);
}

constexpr std::array<const char16_t*, 7> kWeekdaysEs = {
    u"Lunes", u"Martes", u"Miercoles", u"Jueves", u"Viernes", u"Sabado", u"Domingo"};
constexpr std::array<const char16_t*, 7> kWeekdaysEn = {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
constexpr std::array<const char16_t*, 12> kMonthsEs = {
    u"Enero", u"Febrero", u"Marzo",      u"Abril",   u"Mayo",      u"Junio",
    u"Julio", u"Agosto",  u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"};
constexpr std::array<const char16_t*, 12> kMonthsEn = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};

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
