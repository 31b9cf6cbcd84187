#include "graph/graphdata.h"

#include "chart/cycles.h"

#include <algorithm>

namespace graph {

GraphDay GraphDayOf(const chart::ChartDay &day)
{
    GraphDay graphDay{day, {}, chart::DayMarkers(day)};
    for (int cycle = 0; cycle < CycleCount; ++cycle)
        graphDay.values[cycle] = chart::CycleValue(day.dayCount, chart::Cycle(cycle));
    return graphDay;
}

QList<GraphDay> GraphDays(const chart::ChartPlan &plan, qint64 first, qint64 count)
{
    first = std::max<qint64>(first, 0);
    count = std::min(count, plan.length - first);
    QList<GraphDay> days;
    if (count <= 0)
        return days;
    days.reserve(count);
    chart::ChartDay day = chart::ChartDayAt(plan.start, first);
    days.append(GraphDayOf(day));
    while (days.size() < count) {
        day = chart::WithPositions(chart::AdvanceChartDay(day));
        days.append(GraphDayOf(day));
    }
    return days;
}

} // namespace graph
