#pragma once

#include "graph/graphdata.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <QString>

#include <array>

// How the graph draws each cycle: its colour in the chosen palette, its line style and its width.
// The line styles differ as well as the colours, so that the curves are told apart without colour:
// on a black-and-white printout and by readers who cannot tell red from green. Everything that
// draws a cycle (its curve, its mark in the legend, its critical-day dots) asks StyleOf.
namespace graph {

// Standard: the printed chart's dark red, blue and green, and dark tints beside them. OkabeIto:
// the colour-blind-safe set of Okabe and Ito (2008).
enum class Palette { Standard, OkabeIto };

struct CycleStyle
{
    QColor colour;
    // Dash and gap lengths, in the graph's units (a pixel of a 96-dpi screen); empty: a solid line.
    QList<double> dashes;
    double width = 0; // in the graph's units
    bool operator==(const CycleStyle &) const = default;
};

// The secondary cycles are drawn thinner than the three cycles of the chart.
[[nodiscard]] CycleStyle StyleOf(Palette palette, GraphCycle cycle);

// The second person of a comparison: the cycle's style, half as wide and half transparent.
[[nodiscard]] CycleStyle PartnerStyleOf(Palette palette, GraphCycle cycle);

// The pen of a style on a device whose graph unit is `unit` pixels: the dashes keep their lengths
// whatever the width. A dashed pen continues its pattern `dashOffset` units into it.
[[nodiscard]] QPen PenOf(const CycleStyle &style, double unit, double dashOffset = 0);

} // namespace graph
