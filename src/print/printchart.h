#pragma once

#include "chart/chartfields.h"
#include "platform/alerts.h"
#include "print/printdevice.h"
#include "print/printoutcome.h"

#include <QString>

namespace print {

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
[[nodiscard]] PrintOutcome PrintChart(const chart::ChartFields &fields, const QString &today,
                                      PrintDevice &device, Alerts &alerts,
                                      const PrintProgress &progress = {});

} // namespace print
