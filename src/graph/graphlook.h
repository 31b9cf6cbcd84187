#pragma once

#include "graph/cyclestyle.h"

#include <QList>

#include <array>

class QSettings;

// What the user chose of the graph's look in its context menu: the palette and which secondary
// cycles it draws besides the three of the chart. Kept in the per-user settings store, group
// "View": "Palette" ("standard" or "okabe-ito") and "Cycles" (the secondary cycles drawn, by name
// and comma-separated: "intuitive,spiritual"), never in the settings files of the chart.
namespace graph {

inline constexpr int SecondaryCycleCount = GraphCycleCount - CycleCount;

struct GraphLook
{
    Palette palette = Palette::Standard;
    std::array<bool, SecondaryCycleCount> secondary{}; // by chart::SecondaryCycle: drawn or not
    bool operator==(const GraphLook &) const = default;
};

// The cycles the graph draws, in GraphCycle's order: the three of the chart, then the secondary
// cycles switched on.
[[nodiscard]] QList<GraphCycle> DrawnCycles(const GraphLook &look);

// A missing or unknown value gives the default: the standard palette, no secondary cycles.
[[nodiscard]] GraphLook LoadGraphLook(const QSettings &store);
// The caller syncs the store.
void SaveGraphLook(QSettings &store, const GraphLook &look);

} // namespace graph
