#include "chart/chartday.h"

#include "calendar/calendartables.h"
#include "chart/cycles.h"

#include <QString>

namespace chart {

ChartDay StartingChartDay(const calendar::DateParts &start, double dayCount)
{
    int day = start.day;
    int month = start.month;
    const int length = calendar::MonthLength(start.month, start.year);
    if (day > length) {
        // December has 31 days, so an overflowing month is never the last of the year.
        dayCount -= day - length - 1;
        day = 1;
        ++month;
    }
    ChartDay record;
    record.dayCount = dayCount - 1;
    record.day = day - 1;
    record.weekday = calendar::WeekdayCodeOf(month, day, start.year) - 1;
    record.month = month;
    record.year = start.year;
    return record;
}

ChartDay AdvanceChartDay(ChartDay day)
{
    day.dayCount += 1;
    day.day += 1;
    day.weekday += 1;
    if (day.day > calendar::MonthLength(day.month, day.year)) {
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
        if (abbrev == QLatin1String(calendar::WeekdayAbbrevs[code]))
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
