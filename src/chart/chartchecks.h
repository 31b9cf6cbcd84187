#pragma once

#include "calendar/datecheck.h"
#include "chart/chartfields.h"

#include <optional>

// The checks a chart command makes on the window's fields before it draws anything.
namespace chart {

using ChartMessage = calendar::DateMessage;

// The combined print command checks lines per page itself, earlier; every other chart checks
// it here first.
enum class LinesPerPageCheck { Check, Skip };

// The first failing check's title and message, or nullopt when the chart can be drawn:
//  1 lines per page sorts before "1";  2 no name;  3 no birthdate;  4 birthdate without its
//  dashes;  5 to 7 birthdate month, day or year out of range (a field that is not all digits
//  is out of range too, and a birthdate longer than ten characters has too much data);
//  8 no complete start date;  then the start date's own entry checks, again with non-digit
//  fields out of range;  9 no length.
[[nodiscard]] std::optional<ChartMessage>
CheckChartFields(const ChartFields &fields, LinesPerPageCheck linesPerPage = LinesPerPageCheck::Check);

} // namespace chart
