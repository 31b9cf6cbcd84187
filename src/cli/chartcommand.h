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
[[nodiscard]] std::variant<chart::ChartFields, chart::ChartMessage>
FieldsFromArguments(const ChartArguments &args, const QString &today);

// Writes the chart to out, or "TITLE: message" to err. Returns the exit status.
int RunChartCommand(const ChartArguments &args, const QString &today, std::FILE *out, std::FILE *err);

} // namespace cli
