#include "chart/chartwalk.h"

#include <cmath>

namespace chart {

namespace {

constexpr std::array<Cycle, 3> PEI = {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual};

} // namespace

ChartWalk::ChartWalk(const ChartPlan &plan)
    : m_plan(plan)
    , m_day(plan.start)
{
    const double first = plan.start.dayCount;
    const double last = first + double(std::max<qint64>(plan.length, 0));
    m_tabled = first == std::floor(first) && std::abs(first) < RepeatingDayCounts &&
               std::abs(last) < RepeatingDayCounts;
    if (m_tabled) {
        for (int c = 0; c < 3; ++c)
            m_cycleDays[c] = CycleDayOf(first, PEI[c]);
    }
}

ChartWalk::ChartWalk(const ChartPlan &plan, const WalkPoint &from)
    : ChartWalk(plan)
{
    m_day = from.day;
    m_done = from.done;
    m_cycleDays = from.cycleDays;
    m_previous = from.previous;
}

void ChartWalk::setPositions()
{
    if (!m_tabled) {
        m_day = WithPositions(m_day);
        return;
    }
    std::array<int, 3> positions{};
    for (int c = 0; c < 3; ++c) {
        if (++m_cycleDays[c] == ShapeOf(PEI[c]).period)
            m_cycleDays[c] = 0;
        positions[c] = m_table.position(PEI[c], m_cycleDays[c]);
    }
    std::tie(m_day.p, m_day.e, m_day.i) = std::tie(positions[0], positions[1], positions[2]);
}

bool ChartWalk::next()
{
    if (m_done >= m_plan.length)
        return false;
    ++m_done;
    m_day = AdvanceChartDay(m_day);
    setPositions();
    if (m_plan.holidays)
        m_specialLines = SpecialDayLines(m_day, m_plan.birth);
    if (m_plan.forecast)
        m_forecast = ForecastBlock(m_day, m_previous);
    return true;
}

} // namespace chart
