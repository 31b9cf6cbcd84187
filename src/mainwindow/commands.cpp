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

    m_fileMenu = menu("mnuFile", QStringLiteral("&File"));
    m_openDatabaseAction = command(
        m_fileMenu, "mnuFileOpenDatabase", QStringLiteral("&Open Database"), &MainWindow::openDatabase,
        QStringLiteral("Add, pick or delete the names you chart most often"), QKeySequence::Open);
    separator(m_fileMenu, "mnuFileBar0");
    QAction *printCoverSheetAction =
        command(m_fileMenu, "mnuFilePrintCoverSheet", QStringLiteral("&Print Cover Sheet (only)"),
                &MainWindow::printCoverSheet, QStringLiteral("Print the cover sheet for this person"));
    QAction *printChartAction = command(
        m_fileMenu, "mnuFilePrintChart", QStringLiteral("Print &Chart (only)"), &MainWindow::printChart,
        QStringLiteral("Print the chart for this person"), QKeySequence::Print);
    QAction *printBothAction = command(
        m_fileMenu, "mnuFilePrintCoverSheetandChart", QStringLiteral("Print Cover Sheet and Chart"),
        &MainWindow::printCoverSheetAndChart, QStringLiteral("Print the cover sheet, then the chart"));
    separator(m_fileMenu, "mnuFileBar2");
    QAction *showChartAction =
        command(m_fileMenu, "mnuFilePrintCharttoFullScreen", QStringLiteral("&Display Chart to Screen"),
                &MainWindow::showChart, QStringLiteral("Show the chart in the window"),
                QKeySequence(Qt::CTRL | Qt::Key_D));
    separator(m_fileMenu, "mnuFileBar3");
    command(m_fileMenu, "mnuFilePrintPreview", QStringLiteral("Print Pre&view..."),
            &MainWindow::showPrintPreview, QStringLiteral("See the printed pages before they are printed"));
    command(m_fileMenu, "mnuFileExportPdf", QStringLiteral("&Export as PDF..."), &MainWindow::exportPdf,
            QStringLiteral("Write the chart, the cover sheet or both to PDF files"));
    QAction *showGraphAction = command(
        m_fileMenu, "mnuFileDisplayGraph", QStringLiteral("Display &Graph to Screen"), &MainWindow::showGraph,
        QStringLiteral("Show the three cycles as curves"), QKeySequence(Qt::CTRL | Qt::Key_G));
    command(m_fileMenu, "mnuFileExportCalendar", QStringLiteral("Export to Ca&lendar..."),
            &MainWindow::exportCalendar,
            QStringLiteral("Write the critical days and birthdays of the chart period to a calendar file"));
    separator(m_fileMenu, "mnuFileBarCompare");
    command(m_fileMenu, "mnuFileCompareWith", tr("Compare &With..."), &MainWindow::compareWith,
            tr("Compare this person with a second one: how the cycles match, and the critical days of both"));
    m_clearComparisonAction =
        command(m_fileMenu, "mnuFileClearComparison", tr("Clear Compa&rison"), &MainWindow::clearComparison,
                tr("End the comparison: the graph shows this person alone again"));
    separator(m_fileMenu, "mnuFileBar4");
    command(m_fileMenu, "mnuFileExit", QStringLiteral("E&xit"), &QWidget::close,
            QStringLiteral("Save the settings and close Tidemark"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_editMenu = menu("mnuEdit", QStringLiteral("&Edit"));
    QAction *clearPersonAction = command(
        m_editMenu, "mnuEditClearBoxes", QStringLiteral("&Clear All Text Boxes Below"),
        &MainWindow::clearPersonBoxes, QStringLiteral("Empty the name, the birthdate and the chart dates"));
    command(m_editMenu, "menuEditDefaultSettings", QStringLiteral("&Default Settings"),
            &MainWindow::restoreDefaultSettings,
            QStringLiteral("Put the printer settings and chart preferences back"));

    buildViewMenu();

    m_helpMenu = menu("mnuHelp", QStringLiteral("&Help"));
    command(m_helpMenu, "mnuHelpGetHelpOn", QStringLiteral("&Get Help On...?"), &MainWindow::showHelp,
            QStringLiteral("Show the help topics"), QKeySequence::HelpContents);
    separator(m_helpMenu, "mnuHelpBar0");
    command(m_helpMenu, "mnuHelpWhatIsABiorhythm", QStringLiteral("&What Is A Biorhythm?"),
            &MainWindow::showWhatIs, QStringLiteral("Read what the chart shows"));
    command(m_helpMenu, "mnuHelpPrintWhatIsABiorhythm", QStringLiteral("&Print What Is A Biorhythm?"),
            &MainWindow::printWhatIs, QStringLiteral("Print the explanation of the chart"));
    command(m_helpMenu, "mnuHelpAbout", QStringLiteral("&About Tidemark"), &MainWindow::showAbout,
            QStringLiteral("Show the version, and information about this computer"));

    // Open Database keeps its picture button on while the panel shows; the button then reloads it.
    QAction *openDatabaseToolAction = command(nullptr, nullptr, QStringLiteral("Open Database"),
                                              &MainWindow::openDatabase, m_openDatabaseAction->statusTip());
    m_closeChartAction = command(nullptr, nullptr, QStringLiteral("Close Display To Screen Window"),
                                 &MainWindow::closeChart, QStringLiteral("Close the chart"));

    m_toolBar = new QToolBar(QStringLiteral("Commands"), centralWidget());
    m_toolBar->setObjectName(QStringLiteral("PictureButtons"));
    m_toolBar->setIconSize(QSize(24, 24));
    pictureButton(openDatabaseToolAction, "Command9", "opendatabase", QStringLiteral("Open Database"));
    pictureButton(printCoverSheetAction, "Command10", "printcover", QStringLiteral("Print Cover Sheet"));
    pictureButton(printChartAction, "Command11", "printchart", QStringLiteral("Print Chart"));
    pictureButton(printBothAction, "Command12", "printboth", QStringLiteral("Print Cover & Chart"));
    pictureButton(clearPersonAction, "Command13", "clearboxes", QStringLiteral("Clear All Text Boxes Below"));
    pictureButton(showChartAction, "Command18", "displaychart", QStringLiteral("Display Chart to Screen"));
    pictureButton(showGraphAction, "CommandGraph", "displaygraph", QStringLiteral("Display Graph to Screen"));
    pictureButton(m_closeChartAction, "Command17", "closedisplay",
                  QStringLiteral("Close Display To Screen Window"));
    m_layout->add(layout::Item::PictureButtons, m_toolBar);
}
