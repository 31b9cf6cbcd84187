#pragma once

#include "chart/chartfields.h"
#include "cli/printarguments.h"
#include "platform/alerts.h"

#include <QString>

namespace cli {

class StreamLineSink;

// Prints what the arguments ask for with the window's print routines: the dot-matrix pages as
// text on `out`, each line as soon as it is final (pages and documents split by a form feed), or
// PDF files. Returns the exit status: 0 when
// everything was printed, 2 when a check refused a document (its message goes to `alerts`),
// 1 when the printer failed.
int PrintDocuments(const PrintArguments &arguments, const chart::ChartFields &fields, const QString &today,
                   StreamLineSink &out, Alerts &alerts);

} // namespace cli
