#pragma once

#include "graph/graphdata.h"

#include <QList>
#include <QString>

// The graph in words, from its data alone: the readout of one day that the title row shows and a
// screen reader speaks, the period in view, and the graph's name and summary for screen readers.
// Each reads the days' values and markers in a loop over what a GraphDay holds, so a cycle or a
// marker added there is told here without more code.
namespace graph {

// Short for the title row ("TUE 05-20-2025"); Spoken for a screen reader ("Tuesday, May 20,
// 2025"), whose dates a voice reads as words rather than digits and dashes.
enum class Wording { Short, Spoken };

// A cycle's value from -1 to 1 as a whole percentage, signed: "+48%", "-12%", "0%".
[[nodiscard]] QString PercentText(double value);

// The weekday's abbreviation on the graph ("TUE"), by the weekday's number (0 is Sunday).
[[nodiscard]] QString WeekdayText(int weekday);

// The day's weekday and date.
[[nodiscard]] QString DayDateText(const chart::ChartDay &day, Wording wording);

// The weekday and date, the day count, each cycle's value as a percentage and the day's markers:
// "TUE 05-20-2025   day 12784   Physical +97%   Emotional -43%   Intellectual +12%   critical
// day (physical up)".
[[nodiscard]] QString DayReadout(const GraphDay &day, Wording wording);

// "first to last" of the days; empty for no days.
[[nodiscard]] QString PeriodText(const QList<GraphDay> &days, Wording wording);

// What a screen reader calls the graph: "Biorhythm graph, TITLE, first to last".
[[nodiscard]] QString GraphName(const QString &title, const QList<GraphDay> &days);

// What a screen reader is told after a zoom or a scroll: "30 days in view: first to last".
[[nodiscard]] QString ViewText(const QList<GraphDay> &days);

// The critical days, triple highs and triple lows of the days with their dates, consecutive
// triple days as one stretch; past a dozen of a kind, how many more there are.
[[nodiscard]] QString DaysSummary(const QList<GraphDay> &days);

} // namespace graph
