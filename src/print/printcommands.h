#pragma once

#include "chart/chartfields.h"
#include "platform/alerts.h"
#include "print/printchart.h"
#include "print/printdevice.h"
#include "print/printoutcome.h"

#include <QList>
#include <QString>
#include <QStringList>

// The print commands of the File menu and the toolbar (print the cover sheet, the chart, or both)
// and of the Help menu (the "What Is A Biorhythm?" sheet), as the main window, its print preview
// and the command-line tool run them with RunPrintCommand.
namespace print {

enum class PrintCommand { CoverSheet, Chart, CoverSheetAndChart, WhatIs };
enum class PrintDocument { CoverSheet, Chart, WhatIs };

// Hands out the printer for each document of a command. Every document is a print job of its
// own: the combined command asks for two.
class PrintTargetProvider
{
public:
    virtual ~PrintTargetProvider() = default;
    // The printer for the next document, not started yet; it stays valid until close().
    [[nodiscard]] virtual PrintDevice &open(PrintDocument document) = 0;
    // Told how far the open document has come; returns false to call it off.
    [[nodiscard]] virtual PrintProgress progress(PrintDocument) { return {}; }
    // Told where the open chart's printing stands after each of its days, for targets that print
    // it on from there later; returns false to call it off.
    [[nodiscard]] virtual ChartPrintPoints chartPoints() { return {}; }
    // The document has ended, whatever the outcome; its printer may go.
    virtual void close(PrintDocument, PrintOutcome) {}
    // What the user is told once the command has ended: the PDF files written or the documents
    // handed to a print queue; empty when nothing went out.
    [[nodiscard]] virtual QString doneMessage() const { return {}; }
};

inline constexpr const char *PrinterErrorTitle = QT_TRANSLATE_NOOP("PrintMessages", "PRINTER ERROR!");

// The printer font that every print command sets before it prints: "Courier" for the
// dot-matrix printer, the face in the font box for any other, 12 points, not bold. Returns
// whether the command may go on to print: false once the printer has failed, except that with
// the page printer a failure after the face was set is left for the print routine to meet, so
// that the command carries on.
bool SetUpPrinterFont(PrintDevice &device, const chart::ChartFields &fields);

// Runs one print command: for the combined command its own eight checks and the chart's lines
// per page first, then for each document the printer font set-up and the print routine (the
// "What Is" sheet, which checks nothing, sets its own font). A printer failure shows one critical
// message with what failed and abandons that document; with the page printer the command then
// carries on with its next document, otherwise it ends. A document called off by the user ends
// the command. Returns the outcome of each document that was begun.
QList<PrintOutcome> RunPrintCommand(PrintCommand command, const chart::ChartFields &fields,
                                    const QString &today, PrintTargetProvider &targets, Alerts &alerts);

} // namespace print
