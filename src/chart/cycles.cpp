#include "chart/cycles.h"

#include <QtGlobal>

#include <cmath>

namespace chart {

namespace {

// Not std::numbers::pi * 2: the chart's positions rest on this rounded single-precision value.
constexpr float TwoPi = 6.28318f;

double SineOfPhase(double dayCount, int period)
{
    const double q = dayCount / period;
    return std::sin(static_cast<double>(TwoPi) * (q - std::floor(q)));
}

} // namespace

int PositionOf(double dayCount, Cycle cycle)
{
    const CycleShape &shape = ShapeOf(cycle);
    const double q = dayCount / shape.period;
    const double f = q - std::floor(q);
    const double v = std::sin(static_cast<double>(TwoPi) * f) * shape.amplitude;
    int position = static_cast<int>(std::floor(v)) + CentreColumn;
    // The negative side is drawn one column nearer the centre line.
    if (position < CentreColumn - 1)
        ++position;
    return position;
}

double CycleValue(double dayCount, Cycle cycle)
{
    return SineOfPhase(dayCount, ShapeOf(cycle).period);
}

double SecondaryValue(double dayCount, SecondaryCycle cycle)
{
    return SineOfPhase(dayCount, SecondaryPeriods[static_cast<int>(cycle)]);
}

int CycleDayOf(double dayCount, Cycle cycle)
{
    const int period = ShapeOf(cycle).period;
    const int day = static_cast<int>(static_cast<qint64>(dayCount) % period);
    return day < 0 ? day + period : day;
}

PositionTable::PositionTable()
{
    for (const Cycle cycle : {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual}) {
        for (int day = 0; day < ShapeOf(cycle).period; ++day)
            m_positions[static_cast<int>(cycle)][day] = PositionOf(day, cycle);
    }
}

} // namespace chart
