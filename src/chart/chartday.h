#pragma once

#include "calendar/calendar.h"

#include <QStringView>

// The chart walk: one record that moves from day to day through the calendar.
//
// Calling order for a chart of N days:
//   ChartDay day = StartingChartDay(start, dayCount);      // the day before the first chart day
//   day.dayCount += FindDayCountCorrection(day, weekdayBorn); // unless the chart skips it
//   N times: day = WithPositions(AdvanceChartDay(day)); classify and write the day.
namespace chart {

struct ChartDay
{
    double dayCount = 0; // days since birth, a whole number; negative before the birth date
    int day = 0;         // 1 to 31
    int weekday = 0;     // weekday code, 0 = Sunday to 6 = Saturday
    int month = 0;       // 1 to 12
    int year = 0;
    int p = 0; // physical position
    int e = 0; // emotional position
    int i = 0; // intellectual position
    bool operator==(const ChartDay &) const = default;
};

// The record of the day before the first chart day, so that the first AdvanceChartDay yields
// the start date itself with dayCount. A start whose day lies past its month's end (the entry
// checks accept 02-31-2001) begins on the first of the next month, labelled with that day's own
// weekday and counted as that day: dayCount less the days of overflow beyond the first.
[[nodiscard]] ChartDay StartingChartDay(const calendar::DateParts &start, double dayCount);

// The next calendar day: day count, day, weekday, month and year. The positions are left as
// they were; WithPositions sets them.
[[nodiscard]] ChartDay AdvanceChartDay(ChartDay day);

// The same day with P, E and I computed from its day count.
[[nodiscard]] ChartDay WithPositions(ChartDay day);

// The chart day `index` days after the first, with its positions, straight from the record
// StartingChartDay made, without walking the days between.
[[nodiscard]] ChartDay ChartDayAt(const ChartDay &record, qint64 index);

// The calendar date of a chart day.
[[nodiscard]] QDate DateOf(const ChartDay &day);

// The weekday code of a weekday name's first three letters in any case ("Monday", "mon"),
// or -1 when they are not a weekday.
[[nodiscard]] int WeekdayCodeOfName(QStringView name);

// The correction, -3 to +3, that puts the emotional turning points (E at 30, 50 or 70) on the
// weekday of birth. Scans at most 14 days from the starting record; 0 when no turning point
// is found or weekdayBorn names no weekday.
[[nodiscard]] int FindDayCountCorrection(const ChartDay &start, QStringView weekdayBorn);

} // namespace chart
