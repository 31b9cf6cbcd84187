#include "chart/chartday.h"

#include "chart/cycles.h"

#include <QString>

namespace chart {

ChartDay StartingChartDay(const calendar::DateParts &start, double dayCount)
{
    const QDate date = calendar::DateOf(start);
    // A day past its month's end (02-31-2001 is 03-03-2001) starts the chart on the first of the
    // next month, counted as that day: the days of overflow beyond the first come off the count.
    const QDate first = date.month() == start.month ? date : QDate(date.year(), date.month(), 1);
    ChartDay record;
    record.dayCount = dayCount - double(first.daysTo(date)) - 1;
    record.day = first.day() - 1;
    record.weekday = first.dayOfWeek() % 7 - 1;
    record.month = first.month();
    record.year = first.year();
    return record;
}

ChartDay ChartDayAt(const ChartDay &record, qint64 index)
{
    // The record is the day before the first chart day, so the first chart day is one day on.
    const QDate date = QDate(record.year, record.month, 1).addDays(record.day + index);
    ChartDay day;
    day.dayCount = record.dayCount + 1 + double(index);
    day.day = date.day();
    day.weekday = date.dayOfWeek() % 7;
    day.month = date.month();
    day.year = date.year();
    return WithPositions(day);
}

QDate DateOf(const ChartDay &day)
{
    return QDate(day.year, day.month, day.day);
}

ChartDay AdvanceChartDay(ChartDay day)
{
    day.dayCount += 1;
    day.day += 1;
    day.weekday += 1;
    // Every month has at least 28 days; only a later day asks the calendar.
    if (day.day > 28 && day.day > QDate(day.year, day.month, 1).daysInMonth()) {
        day.month += 1;
        day.day = 1;
    }
    if (day.month == 13) {
        day.month = 1;
        day.year += 1;
    }
    if (day.weekday == 7)
        day.weekday = 0;
    return day;
}

ChartDay WithPositions(ChartDay day)
{
    day.p = PositionOf(day.dayCount, Cycle::Physical);
    day.e = PositionOf(day.dayCount, Cycle::Emotional);
    day.i = PositionOf(day.dayCount, Cycle::Intellectual);
    return day;
}

int WeekdayCodeOfName(QStringView name)
{
    const QString abbrev = name.left(3).toString().toUpper();
    for (int code = 0; code < 7; ++code) {
        if (abbrev == calendar::WeekdayAbbrev(code))
            return code;
    }
    return -1;
}

int FindDayCountCorrection(const ChartDay &start, QStringView weekdayBorn)
{
    constexpr int scanDays = 14;
    ChartDay day = start;
    bool found = false;
    for (int n = 0; n < scanDays && !found; ++n) {
        day = WithPositions(AdvanceChartDay(day));
        found = day.e == 30 || day.e == CentreColumn || day.e == 70;
    }
    const int born = WeekdayCodeOfName(weekdayBorn);
    if (!found || born < 0 || born == day.weekday)
        return 0;
    return (((day.weekday - born + 3) % 7) + 7) % 7 - 3;
}

} // namespace chart
