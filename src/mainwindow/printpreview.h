#pragma once

#include "chart/chartfields.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"

class Alerts;
class QPrinter;

// Draws the command's documents on a print preview's printer, on the pages a PDF file of them has,
// one document after the other; a long chart shows the progress makeProgress makes.
void PaintPreview(QPrinter &printer, print::PrintCommand command, const chart::ChartFields &fields,
                  const QString &today, Alerts &alerts, const print::ProgressFactory &makeProgress);
