#include "print/printcommands.h"

#include "chart/chartchecks.h"
#include "print/coversheet.h"
#include "print/printchart.h"
#include "print/whatissheet.h"

namespace print {

namespace {

QList<PrintDocument> DocumentsOf(PrintCommand command)
{
    switch (command) {
    case PrintCommand::CoverSheet:
        return {PrintDocument::CoverSheet};
    case PrintCommand::Chart:
        return {PrintDocument::Chart};
    case PrintCommand::CoverSheetAndChart:
        return {PrintDocument::CoverSheet, PrintDocument::Chart};
    case PrintCommand::WhatIs:
        break;
    }
    return {PrintDocument::WhatIs};
}

// The "What Is" sheet sets its own font and ends its document itself.
PrintOutcome PrintWhatIsDocument(const chart::ChartFields &fields, PrintDevice &device)
{
    PrintWhatIsSheet(device, fields);
    return device.ok() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace

bool SetUpPrinterFont(PrintDevice &device, const chart::ChartFields &fields)
{
    if (fields.preferences.printer == chart::PrinterType::Matrix) {
        device.setFontName(QStringLiteral("Courier"));
        device.setFontSize(12);
        device.setFontBold(false);
    }
    if (fields.preferences.printer == chart::PrinterType::Laser) {
        device.setFontName(fields.preferences.font);
        if (!device.ok())
            return false;
        device.setFontSize(12);
        device.setFontBold(false);
        return true;
    }
    return device.ok();
}

QList<PrintOutcome> RunPrintCommand(PrintCommand command, const chart::ChartFields &fields,
                                    const QString &today, PrintTargetProvider &targets, Alerts &alerts)
{
    if (command == PrintCommand::CoverSheetAndChart) {
        // The chart's lines per page are checked before the cover sheet goes out, so that a chart
        // refused for them leaves no cover sheet printed for nothing.
        auto failure = chart::CheckChartFields(fields, chart::LinesPerPageCheck::Skip);
        if (!failure)
            failure = chart::CheckLinesPerPage(fields.preferences.linesPerPage);
        if (failure) {
            alerts.critical(failure->title, failure->text);
            return {};
        }
    }
    // With the page printer, errors after the face is set do not stop the command.
    const bool carryOn = fields.preferences.printer == chart::PrinterType::Laser;
    QList<PrintOutcome> outcomes;
    for (const PrintDocument document : DocumentsOf(command)) {
        PrintDevice &device = targets.open(document);
        const bool fontSet = document == PrintDocument::WhatIs || SetUpPrinterFont(device, fields);
        PrintOutcome outcome = PrintOutcome::Failed;
        if (fontSet) {
            switch (document) {
            case PrintDocument::CoverSheet:
                outcome = PrintCoverSheet(fields, device, alerts);
                break;
            case PrintDocument::Chart:
                outcome = PrintChart(fields, today, device, alerts, targets.progress(document),
                                     targets.chartPoints());
                break;
            case PrintDocument::WhatIs:
                outcome = PrintWhatIsDocument(fields, device);
                break;
            }
        }
        // The routines abandon a document they could not finish; this one never began, or was
        // refused by a printer that had already failed.
        if (!device.ok() && (!fontSet || outcome == PrintOutcome::Refused)) {
            device.abort();
            outcome = PrintOutcome::Failed;
        }
        if (outcome == PrintOutcome::Failed && device.errorText().isEmpty())
            outcome = PrintOutcome::Cancelled;
        if (outcome == PrintOutcome::Failed)
            alerts.critical(alerts.wording()("PrintMessages", PrinterErrorTitle), device.errorText());
        const bool stop =
            outcome == PrintOutcome::Cancelled || (outcome == PrintOutcome::Failed && !(fontSet && carryOn));
        outcomes.append(outcome);
        targets.close(document, outcome);
        if (stop)
            break;
    }
    return outcomes;
}

} // namespace print
