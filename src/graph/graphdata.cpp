#include "graph/graphdata.h"

#include "chart/cycles.h"

#include <QCoreApplication>

#include <algorithm>

namespace graph {

GraphDay GraphDayOf(const chart::ChartDay &day)
{
    GraphDay graphDay{day, {}, chart::DayMarkers(day)};
    for (int cycle = 0; cycle < GraphCycleCount; ++cycle) {
        graphDay.values[cycle] =
            IsSecondary(GraphCycle(cycle))
                ? chart::SecondaryValue(day.dayCount, chart::SecondaryCycle(cycle - CycleCount))
                : chart::CycleValue(day.dayCount, chart::Cycle(cycle));
    }
    return graphDay;
}

QString CycleName(GraphCycle cycle)
{
    //: The names of the cycles in the graph's legend and readout.
    static constexpr std::array<const char *, GraphCycleCount> Names = {
        QT_TRANSLATE_NOOP("Graph", "Physical"),     QT_TRANSLATE_NOOP("Graph", "Emotional"),
        QT_TRANSLATE_NOOP("Graph", "Intellectual"), QT_TRANSLATE_NOOP("Graph", "Intuitive"),
        QT_TRANSLATE_NOOP("Graph", "Aesthetic"),    QT_TRANSLATE_NOOP("Graph", "Awareness"),
        QT_TRANSLATE_NOOP("Graph", "Spiritual")};
    return QCoreApplication::translate("Graph", Names[std::size_t(cycle)]);
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
