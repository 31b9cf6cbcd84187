#pragma once

#include "calendar/calendar.h"
#include "chart/chartday.h"
#include "chart/chartfields.h"

#include <QString>
#include <QStringView>

#include <optional>

// What a chart is drawn from, read once from the window's fields when the command runs.
namespace chart {

// Charts of more days than this are cut to it; the walk's year then stays far inside an int.
inline constexpr qint64 MaxChartLength = 365'000'000'000;

struct ChartPlan
{
    QString name;              // as typed; the heading upper-cases it
    QString birthText;         // as typed
    calendar::DateParts birth; // for the birthday lines
    ChartDay start;            // the day before the first chart day, correction included
    int correction = 0;        // the DayCountCorrection found
    qint64 length = 0;         // number of chart days, 0 or more
    bool holidays = false;
    bool forecast = false;
    Spacing spacing = Spacing::None;
    bool operator==(const ChartPlan &) const = default;
};

// The number of days in a length text: read like the length box (leading blanks skipped, the
// leading number's whole part, no number is 0); below 1 is 0; beyond MaxChartLength is cut.
[[nodiscard]] qint64 ChartLengthOf(QStringView length);

// The day count of the first chart day: the age-in-days text when it is a whole number
// (blanks around it allowed), otherwise AgeInDays from the birthdate to the start date, which is
// what the box holds whenever the program wrote it. 0 when neither can be had.
[[nodiscard]] qint64 FirstDayCountOf(QStringView ageDays, QStringView birth, QStringView start);

// The plan of a chart whose fields have passed CheckChartFields, its day count aligned with the
// weekday of birth; nullopt when the birthdate or start date cannot be read as dates (which those
// checks rule out).
[[nodiscard]] std::optional<ChartPlan> PlanChart(const ChartFields &fields);

} // namespace chart
