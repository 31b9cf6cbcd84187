#include "graph/graphdata.h"

#include "chart/cycles.h"

#include <algorithm>

namespace graph {

namespace {

// The chart day numbered index: the plan's record is the day before the first chart day, so the
// first chart day is one day on, and a start past its month's end has already moved to the
// first of the next month.
chart::ChartDay ChartDayAt(const chart::ChartPlan &plan, qint64 index)
{
    const QDate date = QDate(plan.start.year, plan.start.month, 1).addDays(plan.start.day + index);
    chart::ChartDay day;
    day.dayCount = plan.start.dayCount + 1 + double(index);
    day.day = date.day();
    day.weekday = date.dayOfWeek() % 7;
    day.month = date.month();
    day.year = date.year();
    return chart::WithPositions(day);
}

} // namespace

QDate DateOf(const chart::ChartDay &day)
{
    return QDate(day.year, day.month, day.day);
}

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
    chart::ChartDay day = ChartDayAt(plan, first);
    days.append(GraphDayOf(day));
    while (days.size() < count) {
        day = chart::WithPositions(chart::AdvanceChartDay(day));
        days.append(GraphDayOf(day));
    }
    return days;
}

} // namespace graph
