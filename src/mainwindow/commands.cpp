// Every command of the menus and the picture buttons, each one QAction: a new command is one
// command() call here, and one pictureButton() call if it has a button.

#include "mainwindow/mainwindow.h"

#include "mainwindow/pngicon.h"
#include "mainwindow/windowlayout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// The picture at the sizes the menus and buttons show it.
QIcon picture(const char *name)
{
    return PngIcon(QStringLiteral(":/icons/%1/") + QLatin1String(name) + QStringLiteral(".png"),
                   {16, 24, 32, 48});
}

} // namespace

void MainWindow::buildCommands()
{
    auto menu = [this](const char *name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto separator = [](QMenu *m, const char *name) {
        m->addSeparator()->setObjectName(QLatin1String(name));
    };
    auto command = [this](QMenu *m, const char *name, const QString &caption, auto run, const QString &status,
                          const QKeySequence &key = {}) {
        auto *action = new QAction(caption, this);
        if (name)
            action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setStatusTip(status);
        connect(action, &QAction::triggered, this, run);
        if (m)
            m->addAction(action);
        return action;
    };
    // The button shows the action's picture and says what it does, with the shortcut when there is one.
    auto pictureButton = [this](QAction *action, const char *name, const char *icon, const QString &tip) {
        action->setIcon(picture(icon));
        // The button's text would take "&" for a mnemonic; the tip shows it as it is.
        action->setIconText(QString(tip).replace(QLatin1Char('&'), QLatin1String("&&")));
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        action->setToolTip(key.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, key));
        m_toolBar->addAction(action);
        QWidget *button = m_toolBar->widgetForAction(action);
        button->setObjectName(QLatin1String(name));
        // Tab reaches the picture buttons as it reaches every other control.
        button->setFocusPolicy(Qt::TabFocus);
    };

    m_fileMenu = menu("mnuFile", tr("&File"));
    m_openDatabaseAction =
        command(m_fileMenu, "mnuFileOpenDatabase", tr("&Open Database"), &MainWindow::openDatabase,
                tr("Add, pick or delete the names you chart most often"), QKeySequence::Open);
    separator(m_fileMenu, "mnuFileBar0");
    QAction *printCoverSheetAction =
        command(m_fileMenu, "mnuFilePrintCoverSheet", tr("&Print Cover Sheet (only)"),
                &MainWindow::printCoverSheet, tr("Print the cover sheet for this person"));
    QAction *printChartAction =
        command(m_fileMenu, "mnuFilePrintChart", tr("Print &Chart (only)"), &MainWindow::printChart,
                tr("Print the chart for this person"), QKeySequence::Print);
    QAction *printBothAction =
        command(m_fileMenu, "mnuFilePrintCoverSheetandChart", tr("Print Cover Sheet and Chart"),
                &MainWindow::printCoverSheetAndChart, tr("Print the cover sheet, then the chart"));
    separator(m_fileMenu, "mnuFileBar2");
    QAction *showChartAction = command(
        m_fileMenu, "mnuFilePrintCharttoFullScreen", tr("&Display Chart to Screen"), &MainWindow::showChart,
        tr("Show the chart in the window"), QKeySequence(Qt::CTRL | Qt::Key_D));
    separator(m_fileMenu, "mnuFileBar3");
    command(m_fileMenu, "mnuFilePrintPreview", tr("Print Pre&view..."), &MainWindow::showPrintPreview,
            tr("See the printed pages before they are printed"));
    command(m_fileMenu, "mnuFileExportPdf", tr("&Export as PDF..."), &MainWindow::exportPdf,
            tr("Write the chart, the cover sheet or both to PDF files"));
    QAction *showGraphAction =
        command(m_fileMenu, "mnuFileDisplayGraph", tr("Display &Graph to Screen"), &MainWindow::showGraph,
                tr("Show the three cycles as curves"), QKeySequence(Qt::CTRL | Qt::Key_G));
    command(m_fileMenu, "mnuFileExportCalendar", tr("Export to Ca&lendar..."), &MainWindow::exportCalendar,
            tr("Write the critical days and birthdays of the chart period to a calendar file"));
    separator(m_fileMenu, "mnuFileBarCompare");
    command(m_fileMenu, "mnuFileCompareWith", tr("Compare &With..."), &MainWindow::compareWith,
            tr("Compare this person with a second one: how the cycles match, and the critical days of both"));
    m_clearComparisonAction =
        command(m_fileMenu, "mnuFileClearComparison", tr("Clear Compa&rison"), &MainWindow::clearComparison,
                tr("End the comparison: the graph shows this person alone again"));
    separator(m_fileMenu, "mnuFileBar4");
    command(m_fileMenu, "mnuFileExit", tr("E&xit"), &QWidget::close,
            tr("Save the settings and close Tidemark"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_editMenu = menu("mnuEdit", tr("&Edit"));
    QAction *clearPersonAction =
        command(m_editMenu, "mnuEditClearBoxes", tr("&Clear All Text Boxes Below"),
                &MainWindow::clearPersonBoxes, tr("Empty the name, the birthdate and the chart dates"));
    command(m_editMenu, "menuEditDefaultSettings", tr("&Default Settings"),
            &MainWindow::restoreDefaultSettings, tr("Put the printer settings and chart preferences back"));

    buildViewMenu();

    m_helpMenu = menu("mnuHelp", tr("&Help"));
    command(m_helpMenu, "mnuHelpGetHelpOn", tr("&Get Help On...?"), &MainWindow::showHelp,
            tr("Show the help topics"), QKeySequence::HelpContents);
    separator(m_helpMenu, "mnuHelpBar0");
    command(m_helpMenu, "mnuHelpWhatIsABiorhythm", tr("&What Is A Biorhythm?"), &MainWindow::showWhatIs,
            tr("Read what the chart shows"));
    command(m_helpMenu, "mnuHelpPrintWhatIsABiorhythm", tr("&Print What Is A Biorhythm?"),
            &MainWindow::printWhatIs, tr("Print the explanation of the chart"));
    command(m_helpMenu, "mnuHelpAbout", tr("&About Tidemark"), &MainWindow::showAbout,
            tr("Show the version, and information about this computer"));

    // Open Database keeps its picture button on while the panel shows; the button then reloads it.
    QAction *openDatabaseToolAction = command(nullptr, nullptr, tr("Open Database"),
                                              &MainWindow::openDatabase, m_openDatabaseAction->statusTip());
    m_closeChartAction = command(nullptr, nullptr, tr("Close Display To Screen Window"),
                                 &MainWindow::closeChart, tr("Close the chart"));

    m_toolBar = new QToolBar(tr("Commands"), centralWidget());
    m_toolBar->setObjectName(QStringLiteral("PictureButtons"));
    m_toolBar->setIconSize(QSize(24, 24));
    pictureButton(openDatabaseToolAction, "Command9", "opendatabase", tr("Open Database"));
    pictureButton(printCoverSheetAction, "Command10", "printcover", tr("Print Cover Sheet"));
    pictureButton(printChartAction, "Command11", "printchart", tr("Print Chart"));
    pictureButton(printBothAction, "Command12", "printboth", tr("Print Cover & Chart"));
    pictureButton(clearPersonAction, "Command13", "clearboxes", tr("Clear All Text Boxes Below"));
    pictureButton(showChartAction, "Command18", "displaychart", tr("Display Chart to Screen"));
    pictureButton(showGraphAction, "CommandGraph", "displaygraph", tr("Display Graph to Screen"));
    pictureButton(m_closeChartAction, "Command17", "closedisplay", tr("Close Display To Screen Window"));
    m_layout->add(layout::Item::PictureButtons, m_toolBar);
}
