#pragma once

#include "graph/graphdata.h"

#include <QList>
#include <QString>

// The labels of the graph's date axis: a weekday over a date, on days spaced so that labels
// never overlap. As more days come into view they thin out from every day to every other day,
// every week, every fortnight, then the first of every month, of every second, third or sixth
// month, and the first of January of every year, of every 2, 5, 10, 20... up to 1000 years.
namespace graph {

struct AxisLabel
{
    int index = 0;   // of the day in view
    QString weekday; // "TUE"
    QString date;    // "05-20-2025"
    bool operator==(const AxisLabel &) const = default;
};

// The labels of the days in view, for days dayWidth apart, each label needing labelWidth.
[[nodiscard]] QList<AxisLabel> AxisLabels(const QList<GraphDay> &days, double dayWidth, double labelWidth);

} // namespace graph
