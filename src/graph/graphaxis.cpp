#include "graph/graphaxis.h"

#include "calendar/calendar.h"
#include "graph/graphtext.h"

#include <algorithm>
#include <array>
#include <functional>

namespace graph {

namespace {

// A spacing of labels: the least number of days between two of them, and whether a day has one.
struct Spacing
{
    double minimumDays;
    std::function<bool(int index, const chart::ChartDay &day)> labels;
};

Spacing EveryDays(int step)
{
    return {double(step), [step](int index, const chart::ChartDay &) { return index % step == 0; }};
}

Spacing EveryMonths(int step)
{
    return {28.0 * step,
            [step](int, const chart::ChartDay &day) { return day.day == 1 && (day.month - 1) % step == 0; }};
}

Spacing EveryYears(int step)
{
    return {365.0 * step, [step](int, const chart::ChartDay &day) {
                return day.day == 1 && day.month == 1 && day.year % step == 0;
            }};
}

} // namespace

QList<AxisLabel> AxisLabels(const QList<GraphDay> &days, double dayWidth, double labelWidth)
{
    QList<AxisLabel> labels;
    if (days.isEmpty() || dayWidth <= 0)
        return labels;
    const std::array spacings = {
        EveryDays(1),   EveryDays(2),   EveryDays(7),    EveryDays(14),   EveryMonths(1),  EveryMonths(2),
        EveryMonths(3), EveryMonths(6), EveryYears(1),   EveryYears(2),   EveryYears(5),   EveryYears(10),
        EveryYears(20), EveryYears(50), EveryYears(100), EveryYears(200), EveryYears(500), EveryYears(1000)};
    const auto spacing = std::find_if(spacings.begin(), spacings.end(), [&](const Spacing &candidate) {
        return candidate.minimumDays * dayWidth >= labelWidth;
    });
    if (spacing == spacings.end())
        return labels;
    for (int index = 0; index < days.size(); ++index) {
        const chart::ChartDay &day = days[index].day;
        if (spacing->labels(index, day))
            labels.append(
                {index, WeekdayText(day.weekday), calendar::FormatDateText(day.month, day.day, day.year)});
    }
    return labels;
}

} // namespace graph
