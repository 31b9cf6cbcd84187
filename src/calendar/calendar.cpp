#include "calendar/calendar.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace calendar {

namespace {

// Days of a common year that lie before the first of each month (index 0 is unused): the age
// in days counts with these and a 365.25-day year, not with the calendar.
constexpr std::array<int, 13> DaysBeforeMonth = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr QLatin1String WeekdayAbbrevs("SUNMONTUEWEDTHUFRISATSUN");
constexpr QLatin1String MonthAbbrevs("JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC");

const QDate LastDate(9999, 12, 31);

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

QDate DateOf(const DateParts &parts)
{
    return QDate(parts.year, parts.month, 1).addDays(parts.day - 1);
}

QDate DateOfText(QStringView text)
{
    const auto parts = ParseDateText(text);
    return parts ? DateOf(*parts) : QDate();
}

QString EndDateOf(QStringView start, qint64 length)
{
    const auto parts = ParseDateText(start);
    if (!parts || length < 1)
        return {};
    // A start past its month's end charts from the first of the next month, so it ends there too.
    const QDate monthStart(parts->year, parts->month, 1);
    const QDate first = parts->day > monthStart.daysInMonth() ? monthStart.addMonths(1) : DateOf(*parts);
    if (length - 1 > first.daysTo(LastDate))
        return {};
    const QDate end = first.addDays(length - 1);
    return FormatDateText(end.month(), end.day(), end.year());
}

QString WeekdayOf(int month, int day, int year)
{
    return QLocale::c().dayName(DateOf({month, day, year}).dayOfWeek(), QLocale::LongFormat);
}

QLatin1String WeekdayAbbrev(int code)
{
    return WeekdayAbbrevs.sliced(qsizetype(code) * 3, 3);
}

QLatin1String MonthAbbrev(int month)
{
    return MonthAbbrevs.sliced(qsizetype(month - 1) * 3, 3);
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
