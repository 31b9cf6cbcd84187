#pragma once

#include <algorithm>
#include <array>

// The three biorhythm cycles and the rule that turns a day count into a grid position.
//
// A cycle's value is never shown as a number: the engine works with the whole-number grid
// position of the cycle's letter on a chart line. Positions run 28 to 73 with the centre line
// at 50; the rule leaves 49 and 51 empty.
namespace chart {

enum class Cycle { Physical, Emotional, Intellectual };

struct CycleShape
{
    char symbol;
    int period;       // days
    double amplitude; // grid columns
};

inline constexpr std::array<CycleShape, 3> Cycles = {{{'P', 23, 18.5}, {'E', 28, 20.5}, {'I', 33, 21.5}}};

[[nodiscard]] constexpr const CycleShape &ShapeOf(Cycle cycle)
{
    return Cycles[static_cast<int>(cycle)];
}

inline constexpr int CentreColumn = 50;
inline constexpr int FirstGridPosition = 28;
inline constexpr int LastGridPosition = 73;
inline constexpr int GridPositions = LastGridPosition - FirstGridPosition + 1;

// The grid position of a cycle for a day count (days since birth, negative before the birth).
// Two pi is taken as the single-precision constant 6.28318, so that the positions, and with
// them the critical days and the forecast, are the ones this chart has always shown.
[[nodiscard]] int PositionOf(double dayCount, Cycle cycle);

// The cycle's value from -1 to 1 for a day count, whole or not: the sine of its phase, taken with
// the same two pi as PositionOf, so that on a whole day count the value times the amplitude is the
// number PositionOf rounds down.
[[nodiscard]] double CycleValue(double dayCount, Cycle cycle);

// The secondary cycles. They place no letter on the chart and mark no day: the graph draws them
// when asked, and the JSON output writes their values when asked.
enum class SecondaryCycle { Intuitive, Aesthetic, Awareness, Spiritual };

inline constexpr std::array<int, 4> SecondaryPeriods = {38, 43, 48, 53}; // days, by SecondaryCycle

// A secondary cycle's value from -1 to 1, taken as CycleValue takes the three cycles' values.
[[nodiscard]] double SecondaryValue(double dayCount, SecondaryCycle cycle);

// PositionOf repeats exactly with each cycle's period for whole day counts below this in size
// (far beyond the longest chart's). The quotient dayCount / period is then rounded to the step of
// the power of two it lies in, so PositionOf depends only on the sign, that power and the day of
// the cycle; tst_chart checks one day count of every such class against the table.
inline constexpr double RepeatingDayCounts = 0x1p40;

// The day of a cycle (0 to period - 1) of a whole day count below RepeatingDayCounts in size.
[[nodiscard]] int CycleDayOf(double dayCount, Cycle cycle);

// PositionOf for each day of each cycle, computed once, for a chart to look its positions up.
class PositionTable
{
public:
    PositionTable();
    [[nodiscard]] int position(Cycle cycle, int cycleDay) const
    {
        return m_positions[static_cast<int>(cycle)][cycleDay];
    }

private:
    static constexpr int LongestPeriod = std::max({Cycles[0].period, Cycles[1].period, Cycles[2].period});
    std::array<std::array<int, LongestPeriod>, 3> m_positions{};
};

} // namespace chart
