#include "chart/chartplan.h"

#include "calendar/numbertext.h"

#include <algorithm>

namespace chart {

qint64 ChartLengthOf(QStringView length)
{
    const auto whole = calendar::LeadingWholeNumber(length);
    if (!whole)
        return calendar::LeadingNumber(length) > 0 ? MaxChartLength : 0;
    return std::clamp<qint64>(*whole, 0, MaxChartLength);
}

qint64 FirstDayCountOf(QStringView ageDays, QStringView birth, QStringView start)
{
    bool ok = false;
    const qint64 typed = ageDays.trimmed().toLongLong(&ok);
    if (ok)
        return typed;
    return calendar::AgeInDays(birth, start).value_or(0);
}

std::optional<ChartPlan> PlanChart(const ChartFields &fields)
{
    const auto birth = calendar::ParseDateText(fields.person.birth);
    const auto start = calendar::ParseDateText(fields.person.start);
    if (!birth || !start)
        return std::nullopt;
    ChartPlan plan;
    plan.name = fields.name;
    plan.birthText = fields.person.birth;
    plan.birth = *birth;
    const double dayCount =
        double(FirstDayCountOf(fields.person.ageDays, fields.person.birth, fields.person.start));
    plan.start = StartingChartDay(*start, dayCount);
    plan.correction = FindDayCountCorrection(plan.start, fields.person.weekday);
    plan.start.dayCount += plan.correction;
    plan.length = ChartLengthOf(fields.person.length);
    plan.holidays = fields.preferences.holidays;
    plan.forecast = fields.preferences.forecast;
    plan.spacing = fields.preferences.spacing;
    return plan;
}

} // namespace chart
