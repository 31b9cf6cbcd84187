#pragma once

#include "chart/chartfields.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"

class Alerts;
class QPrinter;

// The print routines on other targets than the system's print queue: the documents of a command
// drawn on a print preview's printer, and the run of a command on any targets, the "What Is"
// sheet included.

// Runs the command's documents on the targets: RunPrintCommand, or the "What Is" sheet, whose
// failure alerts say as the print commands' do.
void PrintDocuments(print::PrintCommand command, const chart::ChartFields &fields, const QString &today,
                    print::PrintTargetProvider &targets, Alerts &alerts);

// Draws the command's documents on a print preview's printer, on the pages a PDF file of them has,
// one document after the other; a long chart shows the progress makeProgress makes.
void PaintPreview(QPrinter &printer, print::PrintCommand command, const chart::ChartFields &fields,
                  const QString &today, Alerts &alerts, const print::ProgressFactory &makeProgress);
