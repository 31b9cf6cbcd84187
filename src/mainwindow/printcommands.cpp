// The print commands of the File and Help menus and their picture buttons.

#include "mainwindow/frmmain.h"

#include "info/whatisprint.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "print/printcommands.h"

void frmMain::runPrintCommand(print::PrintCommand command)
{
    print::RunPrintCommand(command, chartFields(), m_env.clock.today(), m_env.printTargets, m_env.alerts);
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
    print::PrintDevice &device = m_env.printTargets.open(print::PrintDocument::WhatIs);
    info::CmdPrtWhat_Click(device, chartFields());
    const bool ok = device.ok();
    if (!ok)
        showCritical(print::PrinterErrorTitle, device.errorText());
    m_env.printTargets.close(print::PrintDocument::WhatIs,
                             ok ? print::PrintOutcome::Printed : print::PrintOutcome::Failed);
}
