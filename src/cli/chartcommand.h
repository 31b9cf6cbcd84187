#pragma once

#include "chart/chartchecks.h"
#include "chart/chartfields.h"
#include "cli/chartargs.h"

#include <QString>

#include <cstdio>
#include <variant>

// tidemark-chart's work: fill the window's fields from the arguments with the window's own
// box rules, check them with the window's own checks, and write the screen chart.
namespace cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitWriteFailed = 1;
inline constexpr int ExitBadInput = 2;

// The fields the main window would hold after the birthdate, the start date (today when not
// given) and the length were typed, or the entry-check message the typing would have shown.
[[nodiscard]] std::variant<chart::ChartFields, calendar::Message>
FieldsFromArguments(const ChartArguments &args, const QString &today);

// Writes the chart to out, or "tidemark-chart: TITLE: message" to err. Returns the exit status.
// Output that cannot be written is reported on err, as for WriteOutput.
int RunChartCommand(const ChartArguments &args, const QString &today, std::FILE *out, std::FILE *err);

// Writes text to out and flushes it. When the stream refuses it, says so on err with the
// system's reason ("tidemark-chart: cannot write the output: No space left on device") and
// returns ExitWriteFailed; otherwise ExitOk.
int WriteOutput(QStringView text, std::FILE *out, std::FILE *err);

} // namespace cli
