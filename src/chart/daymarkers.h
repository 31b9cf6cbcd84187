#pragma once

#include "chart/chartday.h"

#include <QStringView>

#include <algorithm>
#include <array>

// The classification of a chart day, by tests on its three positions only.
namespace chart {

// In the order the screen chart writes them.
enum class DayMarker {
    EmotionalCrossing, // "E* "  E = 50, cycle days 0 and 14
    PhysicalUp,        // "P+ "  P = 50, cycle day 0
    IntellectualUp,    // "I+ "  I = 50, cycle day 0
    PhysicalDown,      // "P- "  P = 52, the last day before the downward crossing
    IntellectualDown,  // "I- "  I = 52, likewise
    TripleHigh,        // ">HIGH>"
    TripleLow,         // "<LOW<"
};

[[nodiscard]] QStringView MarkerText(DayMarker marker);

// The markers of one day in their fixed order; at most three, since a triple high or low
// excludes every crossing.
struct DayMarkerList
{
    std::array<DayMarker, 3> items{};
    int count = 0;
    [[nodiscard]] const DayMarker *begin() const { return items.data(); }
    [[nodiscard]] const DayMarker *end() const { return items.data() + count; }
    bool operator==(const DayMarkerList &other) const
    {
        return std::equal(begin(), end(), other.begin(), other.end());
    }
};

[[nodiscard]] DayMarkerList DayMarkers(const ChartDay &day);

// E > 50, P > 52 and I > 52 (P or I at 52 is the downward-crossing day, not high).
[[nodiscard]] bool IsTripleHigh(const ChartDay &day);
// E, P and I all below 50.
[[nodiscard]] bool IsTripleLow(const ChartDay &day);
// Accident-prone: any crossing marker applies (P or I at 50 or 52, or E at 50).
[[nodiscard]] bool IsCriticalDay(const ChartDay &day);

} // namespace chart
