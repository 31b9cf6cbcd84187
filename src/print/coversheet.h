#pragma once

#include "calendar/checkmessages.h"
#include "chart/chartfields.h"
#include "platform/alerts.h"
#include "print/printdevice.h"
#include "print/printoutcome.h"

#include <optional>

namespace print {

// The checks of the cover sheet, with its own messages ("... on Cover Sheet!"); the start date
// is tested only for its length, since the sheet prints it and computes nothing from it. The
// name's characters and the chart's length are checked as for the chart.
[[nodiscard]] std::optional<calendar::Message> CheckCoverSheetFields(const chart::ChartFields &fields);

// Prints the cover sheet as one document of one page: the name, the heading, the person's
// facts, the span of the chart, the explanation, the legend of the chart's symbols and the
// disclaimer. The dot-matrix printer gets the character layout in the font the caller set;
// every other printer the page layout, with the name at 18 points and the rest at 12. Every
// value is printed as the field holds it, except a name wider than the page, which is shortened
// with an ellipsis. A centred line wider than the page starts at its left edge.
//
// A failed check shows its message and touches nothing; a printer failure abandons the
// document (the caller reports it from the device).
[[nodiscard]] PrintOutcome PrintCoverSheet(const chart::ChartFields &fields, PrintDevice &device,
                                           Alerts &alerts);

} // namespace print
