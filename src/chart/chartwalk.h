#pragma once

#include "chart/chartplan.h"
#include "chart/cycles.h"
#include "chart/forecast.h"
#include "chart/specialdays.h"

#include <QList>

#include <array>

// The day-by-day walk of a chart, shared by the screen chart and the printed chart: each chart
// day in turn, its positions set, with the special-day lines written before its line and the
// forecast sentences written after it.
//
//   for (ChartWalk walk(plan); walk.next();)
//       write walk.specialLines(), then walk.day(), then walk.forecast()
namespace chart {

// Where a walk stands after one of its days: all a walk of the same plan needs to go on from there.
struct WalkPoint
{
    ChartDay day;
    qint64 done = 0;
    std::array<int, 3> cycleDays{};
    PreviousPosition previous;
};

class ChartWalk
{
public:
    // The plan must outlive the walk.
    explicit ChartWalk(const ChartPlan &plan);
    // Goes on from where a walk of the same plan stood: the next day is the one after `from`.
    ChartWalk(const ChartPlan &plan, const WalkPoint &from);

    // Moves on to the next chart day; false once the plan's last day has been visited.
    bool next();

    [[nodiscard]] const ChartDay &day() const { return m_day; }
    // The days visited so far, this one included.
    [[nodiscard]] qint64 done() const { return m_done; }
    // The special-day lines of this day; none when the plan has its holiday lines off.
    [[nodiscard]] const QList<SpecialDayLine> &specialLines() const { return m_specialLines; }
    // The forecast sentences of this day; none when the plan has its forecast off.
    [[nodiscard]] const ForecastLines &forecast() const { return m_forecast; }
    [[nodiscard]] WalkPoint point() const { return {m_day, m_done, m_cycleDays, m_previous}; }

private:
    void setPositions();

    const ChartPlan &m_plan;
    ChartDay m_day;
    qint64 m_done = 0;
    // Whole day counts that stay below RepeatingDayCounts take their positions from the table, by
    // the day of each cycle (P, E, I) kept in step with the day count; any other chart computes them.
    bool m_tabled = false;
    PositionTable m_table;
    std::array<int, 3> m_cycleDays{};
    PreviousPosition m_previous;
    QList<SpecialDayLine> m_specialLines;
    ForecastLines m_forecast;
};

} // namespace chart
