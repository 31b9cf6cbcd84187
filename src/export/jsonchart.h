#pragma once

#include "chart/chartplan.h"
#include "chart/compare.h"
#include "chart/screenchart.h"

#include <QByteArray>

// The chart for programs: JSON Lines, one JSON object per chart day on a line of its own, written
// as the chart walks, so a chart of any length streams and every line parses alone. An object:
//
//   {"critical":true,"date":"2025-05-23","dayCount":12787,"forecast":["..."],
//    "markers":["intellectualDown"],"positions":{"emotional":32,"intellectual":52,"physical":46},
//    "specialDays":[{"kind":"birthday","text":"** HAPPY 35TH BIRTHDAY **"}],
//    "values":{"emotional":-0.97,"intellectual":0.09,"physical":-0.14},"weekday":"FRI"}
//
// The days, positions, markers, special-day lines and forecast sentences are the text chart's;
// "values" are chart::CycleValue of the day count, from -1 to 1. "forecast" is there only when the
// plan has the forecast on; "specialDays" is empty when it has the holiday lines off. With
// JsonCycles::All, "values" also holds the secondary cycles' values ("aesthetic", "awareness",
// "intuitive", "spiritual", chart::SecondaryValue); they have no positions.
//
// With a comparison, a first line names the second person and gives the compatibility:
//
//   {"compatibility":{"emotional":11,"intellectual":72,"overall":54,"physical":78},"daysApart":685,
//    "partner":{"birth":"1988-07-04","name":"Lee Sample"}}
//
// and each day has "partner", the second person's "dayCount", "positions", "values", "markers" and
// "critical" on that day (their own chart's), and "bothCritical".
namespace exports {

enum class JsonCycles { Primary, All };

// Writes the chart's days to the sink, one line each; false when the sink stopped it.
bool ComposeJsonChart(const chart::ChartPlan &plan, chart::LineSink &sink,
                      JsonCycles cycles = JsonCycles::Primary, const chart::Comparison *comparison = nullptr);

} // namespace exports
