// The print commands of the File and Help menus and their picture buttons, Print Preview and
// Export as PDF.

#include "mainwindow/mainwindow.h"

#include "mainwindow/printprogressdialog.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "preview/previewdialog.h"
#include "preview/printdocuments.h"
#include "print/pdfnames.h"
#include "print/printcommands.h"
#include "print/systemprinting.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QStatusBar>

namespace {

// Said where it takes no click to go on: the files are there, nothing went wrong.
void ShowWrittenFiles(QStatusBar &status, const QStringList &files)
{
    if (!files.isEmpty())
        status.showMessage(print::PdfWrittenMessage(files));
}

} // namespace

void MainWindow::runPrintCommand(print::PrintCommand command)
{
    const chart::ChartFields fields = chartFields();
    const auto targets =
        m_env.printTargets(command, fields.name, [this](const QString &caption, const QString &suggested) {
            return m_env.askSavePath(
                this, {caption, suggested, QCoreApplication::translate("print", "PDF files (*.pdf)")});
        });
    print::RunPrintCommand(command, fields, m_env.clock.today(), *targets, m_env.alerts);
    ShowWrittenFiles(*statusBar(), targets->writtenFiles());
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
    const QString name =
        QInputDialog::getItem(this, QStringLiteral("Export as PDF"), QStringLiteral("Document:"),
                              PrintDocumentNames(), 0, false, &chosen);
    if (!chosen)
        return;
    const print::PrintCommand command = PrintDocuments[std::size_t(PrintDocumentNames().indexOf(name))].first;
    const chart::ChartFields fields = chartFields();
    const print::PdfFileQuestion askFile = [this](const QString &, const QString &suggested) {
        return m_env.askSavePath(
            this, {QStringLiteral("Export as PDF"), suggested, QStringLiteral("PDF files (*.pdf)")});
    };
    print::SystemPrintTargets targets(command, fields.name, std::nullopt, askFile, PrintProgressDialogs(this),
                                      m_env.alerts);
    print::RunPrintCommand(command, fields, m_env.clock.today(), targets, m_env.alerts);
    ShowWrittenFiles(*statusBar(), targets.writtenFiles());
}
