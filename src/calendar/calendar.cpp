#include "calendar/calendar.h"

#include "calendar/calendartables.h"

#include <cmath>

namespace calendar {

namespace {

std::optional<int> digitsValue(QStringView field)
{
    int value = 0;
    for (QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

int centuryAnchorCode(int century)
{
    for (const CenturyAnchor &anchor : CenturyAnchors) {
        if (anchor.year == century * 100)
            return anchor.weekdayCode;
    }
    // Outside the table's range: the same Gregorian rule that produced the table.
    const int y = century * 100 - 1;
    return (1 + 365 * y + y / 4 - y / 100 + y / 400) % 7;
}

} // namespace

std::optional<DateParts> ParseDateText(QStringView text)
{
    if (text.size() != 10)
        return std::nullopt;
    const auto month = digitsValue(text.mid(0, 2));
    const auto day = digitsValue(text.mid(3, 2));
    const auto year = digitsValue(text.mid(6, 4));
    if (!month || !day || !year)
        return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *year < 1500 || *year > 2099)
        return std::nullopt;
    return DateParts{*month, *day, *year};
}

QString FormatDateText(int month, int day, int year)
{
    return QStringLiteral("%1-%2-%3")
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(year);
}

bool IsLeapYear(int year)
{
    if (year % 100 == 0)
        return year % 400 == 0;
    return year % 4 == 0;
}

int MonthLength(int month, int year)
{
    return DaysInMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

QString EndDateOf(QStringView start, qint64 length)
{
    const auto parts = ParseDateText(start);
    constexpr int lastYear = 9999;
    if (!parts || length < 1)
        return {};
    // Bound the walk before it starts: more days than the years left can hold means no end date.
    if (length > qint64(lastYear - parts->year + 1) * 366)
        return {};
    qint64 d = parts->day + length - 1;
    int m = parts->month;
    int y = parts->year;
    // Whole 400-year cycles hold exactly 146097 days, so they are skipped at once.
    constexpr qint64 daysPerCycle = 146097;
    if (d > daysPerCycle) {
        const qint64 cycles = (d - 1) / daysPerCycle;
        d -= cycles * daysPerCycle;
        y += int(cycles * 400);
    }
    for (;;) {
        if (m > 12) {
            m = 1;
            ++y;
        }
        const int n = MonthLength(m, y);
        if (d <= n)
            break;
        d -= n;
        ++m;
    }
    if (y > lastYear)
        return {};
    return FormatDateText(m, int(d), y);
}

int WeekdayCodeOf(int month, int day, int year)
{
    const int century = year / 100;
    const int base = century * 100;
    int offset = 0;
    for (int y = base; y < year; ++y)
        offset += IsLeapYear(y) ? 366 : 365;
    int n = offset + DaysBeforeMonth[month] + day + (IsLeapYear(year) && month >= 3 ? 1 : 0);
    n = (n - 1) % 7 + 1;
    return (centuryAnchorCode(century) + n - 1) % 7;
}

QString WeekdayOf(int month, int day, int year)
{
    const int code = WeekdayCodeOf(month, day, year);
    // WeekdayNames is Monday-first: code 1 (Monday) is entry 1, code 0 (Sunday) entry 7.
    return QString::fromLatin1(WeekdayNames[code == 0 ? 7 : code]);
}

std::optional<int> AgeInYears(QStringView birth, QStringView start)
{
    const auto b = ParseDateText(birth);
    const auto s = ParseDateText(start);
    if (!b || !s)
        return std::nullopt;
    int a = s->year - b->year;
    if (s->month < b->month || (s->month == b->month && s->day < b->day))
        --a;
    return a;
}

std::optional<qint64> AgeInDays(QStringView birth, QStringView start)
{
    const auto b = ParseDateText(birth);
    const auto s = ParseDateText(start);
    if (!b || !s)
        return std::nullopt;
    const double x = (s->year - b->year) * 365.25 - DaysBeforeMonth[b->month] - b->day +
                     DaysBeforeMonth[s->month] + s->day;
    // std::nearbyint rounds half to even under the default rounding mode.
    auto days = qint64(std::nearbyint(x));
    if (b->year % 4 == 0 && b->month < 3 && b->day < 29 && s->year > b->year)
        ++days;
    return days;
}

} // namespace calendar
