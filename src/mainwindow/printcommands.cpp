// The print commands of the File and Help menus and their picture buttons.

#include "mainwindow/mainwindow.h"

#include "platform/alerts.h"
#include "platform/clock.h"
#include "print/pdfnames.h"
#include "print/printcommands.h"

#include <QCoreApplication>
#include <QStatusBar>

void MainWindow::runPrintCommand(print::PrintCommand command)
{
    const chart::ChartFields fields = chartFields();
    const auto targets =
        m_env.printTargets(command, fields.name, [this](const QString &caption, const QString &suggested) {
            return m_env.askSavePath(
                this, {caption, suggested, QCoreApplication::translate("print", "PDF files (*.pdf)")});
        });
    print::RunPrintCommand(command, fields, m_env.clock.today(), *targets, m_env.alerts);
    showWrittenFiles(targets->writtenFiles());
}

void MainWindow::showWrittenFiles(const QStringList &files)
{
    // Said where it takes no click to go on: the files are there, nothing went wrong.
    if (!files.isEmpty())
        statusBar()->showMessage(print::PdfWrittenMessage(files));
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
