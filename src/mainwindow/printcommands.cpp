// The print commands of the File and Help menus and their picture buttons, Print Preview and
// Export as PDF.

#include "mainwindow/mainwindow.h"

#include "mainwindow/printprogressdialog.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/messageboxalerts.h"
#include "preview/previewdialog.h"
#include "preview/printdocuments.h"
#include "print/pdfnames.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QStatusBar>

namespace {

// The save question of a command's PDF files, which says inside the dialog which files the name
// given writes (and, when it comes for want of a printer, that there is none).
SaveQuestion PdfSaveQuestion(print::PrintCommand command, const QString &caption, const QString &suggested,
                             bool noPrinter)
{
    return {caption, suggested, QCoreApplication::translate("MainWindow", "PDF files (*.pdf)"),
            [command, noPrinter](const QString &name) {
                return print::PdfFilesNote(command, name, noPrinter, TranslatedText);
            }};
}

} // namespace

void MainWindow::runPrintCommand(print::PrintCommand command)
{
    const chart::ChartFields fields = chartFields();
    const auto targets = m_env.printTargets(
        command, fields.name, [this, command](const QString &caption, const QString &suggested) {
            return m_env.askSavePath(this, PdfSaveQuestion(command, caption, suggested, true));
        });
    print::RunPrintCommand(command, fields, m_env.clock.today(), *targets, m_env.alerts);
    // Said where it takes no click to go on: the files are there, or the queue has the pages; a
    // command that put out nothing leaves no word of an earlier one standing.
    showOutcome(targets->doneMessage());
}

void MainWindow::printCoverSheet()
{
    runPrintCommand(print::PrintCommand::CoverSheet);
}

void MainWindow::printChart()
{
    runPrintCommand(print::PrintCommand::Chart);
}

void MainWindow::printCoverSheetAndChart()
{
    runPrintCommand(print::PrintCommand::CoverSheetAndChart);
}

void MainWindow::printWhatIs()
{
    runPrintCommand(print::PrintCommand::WhatIs);
}

void MainWindow::showPrintPreview()
{
    // Checked before the preview opens: a message raised while it counts would sit under it.
    if (!checkedChartPlan())
        return;
    PreviewDialog preview(chartFields(), m_env.clock.today(), m_env.alerts, this);
    // Printing from the preview runs the print command itself, to the print queue or PDF files.
    if (preview.exec() == QDialog::Accepted)
        runPrintCommand(preview.command());
}

void MainWindow::exportPdf()
{
    bool chosen = false;
    const QString name = QInputDialog::getItem(this, tr("Export as PDF"), tr("Document:"),
                                               PrintDocumentNames(), 0, false, &chosen);
    if (!chosen)
        return;
    const print::PrintCommand command = PrintDocuments[std::size_t(PrintDocumentNames().indexOf(name))].first;
    const chart::ChartFields fields = chartFields();
    const print::PdfFileQuestion askFile = [this, command](const QString &, const QString &suggested) {
        return m_env.askSavePath(this, PdfSaveQuestion(command, tr("Export as PDF"), suggested, false));
    };
    print::SystemPrintTargets targets(command, fields.name, std::nullopt, askFile, PrintProgressDialogs(this),
                                      m_env.alerts);
    print::RunPrintCommand(command, fields, m_env.clock.today(), targets, m_env.alerts);
    showOutcome(targets.doneMessage());
}
