// The print commands of the File and Help menus and their picture buttons.

#include "mainwindow/frmmain.h"

#include "info/whatisprint.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "print/printcommands.h"

void frmMain::runPrintCommand(print::PrintCommand command)
{
    const chart::ChartFields fields = chartFields();
    const auto targets = m_env.printTargets(command, fields.name);
    print::RunPrintCommand(command, fields, m_env.clock.today(), *targets, m_env.alerts);
}

void frmMain::mnuFilePrintCoverSheet_Click()
{
    runPrintCommand(print::PrintCommand::CoverSheet);
}

void frmMain::mnuFilePrintChart_Click()
{
    runPrintCommand(print::PrintCommand::Chart);
}

void frmMain::mnuFilePrintCoverSheetandChart_Click()
{
    runPrintCommand(print::PrintCommand::CoverSheetAndChart);
}

void frmMain::mnuHelpPrintWhatIsABiorhythm_Click()
{
    const chart::ChartFields fields = chartFields();
    const auto targets = m_env.printTargets(print::PrintCommand::WhatIs, fields.name);
    print::PrintDevice &device = targets->open(print::PrintDocument::WhatIs);
    info::CmdPrtWhat_Click(device, fields);
    const bool ok = device.ok();
    // A document the user called off (a declined file dialog) has no error to tell.
    if (!ok && !device.errorText().isEmpty())
        showCritical(print::PrinterErrorTitle, device.errorText());
    targets->close(print::PrintDocument::WhatIs,
                   ok ? print::PrintOutcome::Printed : print::PrintOutcome::Failed);
}
