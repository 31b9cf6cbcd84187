#pragma once

#include "chart/chartday.h"
#include "chart/chartplan.h"
#include "chart/daymarkers.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// The numbers behind the graph of a chart: per chart day the day the chart walk gives (its day
// count after the correction, its date and its three grid positions), the values from -1 to 1 of
// the three cycles and of the secondary ones, and the day's markers exactly as the text chart sets
// them. A curve of an odd period crosses the centre line between two days; the marks stay on the
// text chart's days.
namespace graph {

inline constexpr int CycleCount = 3; // physical, emotional, intellectual, as chart::Cycle counts them

// The three cycles of the chart, in chart::Cycle's order, then the secondary cycles, in
// chart::SecondaryCycle's order.
enum class GraphCycle { Physical, Emotional, Intellectual, Intuitive, Aesthetic, Awareness, Spiritual };
inline constexpr int GraphCycleCount = 7;

[[nodiscard]] constexpr bool IsSecondary(GraphCycle cycle)
{
    return int(cycle) >= CycleCount;
}

// The cycle's name in the legend and the readouts ("Physical"), translated.
[[nodiscard]] QString CycleName(GraphCycle cycle);

struct GraphDay
{
    chart::ChartDay day;
    // By GraphCycle: chart::CycleValue, then chart::SecondaryValue, of the day count.
    std::array<double, GraphCycleCount> values{};
    chart::DayMarkerList markers;
    bool operator==(const GraphDay &) const = default;
};

// The graph day of a chart day whose positions are set.
[[nodiscard]] GraphDay GraphDayOf(const chart::ChartDay &day);

// The chart days numbered first to first + count - 1 (the first chart day is 0), cut to the
// chart's length, without walking the days before them: a view anywhere in a long chart costs only
// the days it shows.
[[nodiscard]] QList<GraphDay> GraphDays(const chart::ChartPlan &plan, qint64 first, qint64 count);

} // namespace graph
