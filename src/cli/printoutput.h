#pragma once

#include "chart/chartfields.h"
#include "cli/printarguments.h"
#include "platform/alerts.h"

#include <QString>

class QTextStream;

namespace cli {

// Prints what the arguments ask for with the window's print routines: the dot-matrix pages as
// text on `out` (documents split by a form feed), or PDF files. Returns the exit status: 0 when
// everything was printed, 2 when a check refused a document (its message goes to `alerts`),
// 1 when the printer failed.
int PrintDocuments(const PrintArguments &arguments, const chart::ChartFields &fields, const QString &today,
                   QTextStream &out, Alerts &alerts);

} // namespace cli
