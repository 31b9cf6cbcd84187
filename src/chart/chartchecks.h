#pragma once

#include "calendar/checkmessages.h"
#include "chart/chartfields.h"

#include <optional>

// The checks a chart command makes on the window's fields before it draws anything.
namespace chart {

// The combined print command checks lines per page itself, after its other checks; every other
// chart checks it here first.
enum class LinesPerPageCheck { Check, Skip };

// The lines per page's message, or nullopt when they are a whole number of at least 1: text that
// sorts before "1" (empty, or beginning with 0, a hyphen or a blank) is zero or a minus number;
// any other text that is not all digits is no whole number.
[[nodiscard]] std::optional<calendar::Message> CheckLinesPerPage(QStringView linesPerPage);

// The first failing check's message, or nullopt when the chart can be drawn: the lines per page
// (CheckLinesPerPage); no name; a name holding a control character; no birthdate; a birthdate
// without its dashes; the birthdate's month, day or year out of range (a field that is not all
// digits is out of range too), or longer than ten characters; no complete start date; the start
// date's own entry checks, again with non-digit fields out of range; no length; a length that
// CheckChartLength refuses.
[[nodiscard]] std::optional<calendar::Message>
CheckChartFields(const ChartFields &fields, LinesPerPageCheck linesPerPage = LinesPerPageCheck::Check);

// The chart commands' check of a birthdate, after the Birthdate box's own while it was typed: none;
// no dashes; the month, day or year out of range (a field that is not all digits is out of range
// too); longer than ten characters.
[[nodiscard]] std::optional<calendar::Message> CheckChartBirthdate(QStringView birth);

// The one limit on a chart's length, for every command that draws, prints, exports or describes
// a chart: the length as ChartLengthOf reads it must end the chart by 12-31-9999, the last day
// whose year has four digits. Its message, or nullopt when it does or when the start date is
// not a date to compute with (which the other checks report).
[[nodiscard]] std::optional<calendar::Message> CheckChartLength(QStringView start, QStringView length);

} // namespace chart
