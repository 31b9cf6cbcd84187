#pragma once

#include "chart/chartfields.h"
#include "chart/chartwalk.h"
#include "platform/alerts.h"
#include "print/printdevice.h"
#include "print/printoutcome.h"

#include <QString>

#include <functional>

namespace print {

// Where the printing of a chart stands after one of its days: the walk's place, the number of
// the page being printed (as its header counts) and the lines counted on it. Every day ends its
// last line, so nothing of the chart is pending there.
struct ChartPrintPoint
{
    chart::WalkPoint walk;
    qint64 page = 0;
    double lineCount = 0;
};

// Told where the printing stands after each day; returns false to call the document off.
using ChartPrintPoints = std::function<bool(const ChartPrintPoint &)>;

// Prints the chart of the person in the fields as one document: a header on every page, then
// per day its special-day lines, its day line (date, markers, the three cycle letters about
// the centre line) and its forecast or spacing. The dot-matrix printer gets the character
// layout, every other printer the page layout; both align the day count with the weekday of
// birth, as the screen chart does. The caller has set the printer font; this changes neither
// face nor size. The page title shortens a name that would carry it past the end of the line,
// and puts the date of printing on a line of its own (not counted) where the title has passed
// its place.
//
// A failed check on the fields shows its message and touches nothing. A printer failure or a
// false from `progress` abandons the document (device.abort()); the caller reports the failure
// from the device.
//
// `points` hears where the printing stands after each day, for a print that goes on from there
// later (PrintChartFrom).
[[nodiscard]] PrintOutcome PrintChart(const chart::ChartFields &fields, const QString &today,
                                      PrintDevice &device, Alerts &alerts, const PrintProgress &progress = {},
                                      const ChartPrintPoints &points = {});

// Prints the same chart on from `from`, a point that PrintChart (or this) reported for the same
// fields, as if it had never stopped: the device stands where that print's device stood then,
// with the printer font set up. The fields passed their checks then, so none is made again.
[[nodiscard]] PrintOutcome PrintChartFrom(const ChartPrintPoint &from, const chart::ChartFields &fields,
                                          const QString &today, PrintDevice &device,
                                          const ChartPrintPoints &points = {});

} // namespace print
