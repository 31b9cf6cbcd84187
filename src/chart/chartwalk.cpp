#include "chart/chartwalk.h"

namespace chart {

ChartWalk::ChartWalk(const ChartPlan &plan)
    : m_plan(plan)
    , m_day(plan.start)
{}

bool ChartWalk::next()
{
    if (m_done >= m_plan.length)
        return false;
    ++m_done;
    m_day = WithPositions(AdvanceChartDay(m_day));
    if (m_plan.holidays)
        m_specialLines = SpecialDayLines(m_day, m_plan.birth);
    if (m_plan.forecast)
        m_forecast = ForecastBlock(m_day, m_previous);
    return true;
}

} // namespace chart
