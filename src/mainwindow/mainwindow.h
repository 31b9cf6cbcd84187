#pragma once

// MainWindow is the program's one working window and the only store of state: every input and
// every derived value is the text or state of one of its controls. It keeps the commands and
// wires the parts of the window together; the parts are classes of their own.
//
// How a command flows: a control's signal runs a handler named for what it does (printChart for
// File > Print Chart). The handler reads the controls it needs into plain values (chartFields()),
// calls a pure function of a subsystem library (calendar/, chart/, print/, graph/, export/,
// settings/, namedb/, info/), and writes the results back into controls. Messages go through
// MainWindowEnv's Alerts, today's date through its Clock, printed pages through its print targets
// and every "where do I save this" through its askSavePath (mainwindowenv.h), so every command
// runs in tests without a person, a screen or a printer. What a command achieves without a message
// box (files written, pages sent) goes to showOutcome, which shows it in the status bar and tells
// screen readers through the Announcer.
//
// Where the window's code is, file by file (src/mainwindow/):
//   mainwindow.cpp      the constructor, the form's title and its two parts, the order of Tab,
//                       which commands are on (updateCommands), the window's own events
//   commands.cpp        every menu command and picture button, each one QAction (buildCommands)
//   lifecycle.cpp       start-up (the data folder, the settings read, the save when the session
//                       ends), shut-down (the settings and the window's place saved; saveSettings)
//   panels.cpp          the start-up notice and the panels over the form, built (buildPanels),
//                       and the commands that open them: Open Database, What Is, Help, About
//   chartdisplay.cpp    Display Chart to Screen and its close, and the chart checks of every
//                       chart command (checkedChartPlan)
//   printcommands.cpp   the print commands, Print Preview and Export as PDF
//   graphcommands.cpp   Display Graph to Screen and the graph's own Save, Print, look (colours and
//                       secondary cycles, kept in the per-user settings store) and Close; its new
//                       period told to screen readers after a zoom or a scroll
//   exportcalendar.cpp  Export to Calendar
//   comparecommands.cpp Compare With... and Clear Comparison
//   comparepanel.*      ComparePanel: the second person and what the comparison shows
//   reminderquestion.*  its question of a reminder on each event, and the dialog answering it
//   viewcommands.cpp    the View menu: Larger Text, Smaller Text, Normal Text Size
//   personcolumn.*      PersonColumn: the name, the birthdate and what follows, the chart period
//   preferencesform.*   PreferencesForm: the Cover Sheet Heading, Printer Settings and Chart
//                       Preferences frames; preferences() and showPreferences()
//   overlaystack.*      OverlayStack: which panel covers the form, the keyboard while it does,
//                       Escape, and the start-up notice's keys
//   windowlayout.*      WindowLayout: the window's place on the screen and every control's and
//                       panel's place in it, applied in one place (place())
//   formlayout.*        the pure layout function WindowLayout applies (layout::PlaceControls)
//   charttextview.*, charttextaccessible.*   the chart display box and what screen readers get
//   printprogressdialog.*  the progress box of a long print or preview
//   savequestion.*      the save question of MainWindowEnv, and Qt's save dialog answering it
//   mainwindowenv.h     what the window needs from the world around it
//   pngicon.*           the icons, drawn from PNGs read when first drawn
//
// Each control keeps its form name as its objectName, which is how tests find it
// (findChild<QLineEdit *>("Text3")). The tables of the person column's and the three frames'
// controls head personcolumn.h and preferencesform.h; the panels' head databasepanel.h,
// whatispanel.h, helppanel.h and aboutdialog.h. This window's own:
//
//   Form          the central widget            FrameSplash   m_startupNotice
//   Label26       the title                     Label27..30   the notice's lines
//   Label25       the subtitle                  FrameDatabase m_databasePanel
//   Line14        the rule under them           FrameWhatIs   m_whatIsPanel
//   PictureButtons m_toolBar                    FrameHelp     m_helpPanel
//   mnuFile       m_fileMenu                    Text18        m_chartView
//   mnuEdit       m_editMenu                    Command24     m_closeChartButton
//   mnuView       m_viewMenu                    FrameGraph    m_graphPanel
//   mnuHelp       m_helpMenu                    FrameCompare  m_comparePanel
//   StatusBar     the status bar
//   Announcer     m_announcer, what screen readers are told once (platform/announcer.h)
//
// The commands: the menu item's (or control's) object name, its picture button's, the handler
// and the file that holds it. Each command is one QAction: its menu item and its picture button
// show the same action, so they share text, shortcut, icon, tips and enabled state. Only Open
// Database has two actions (m_openDatabaseAction for the menu item), since its picture button
// stays on (and reloads the panel) while the menu item is off.
//
//   mnuFileOpenDatabase             Command9     openDatabase            panels.cpp
//   mnuFilePrintCoverSheet          Command10    printCoverSheet         printcommands.cpp
//   mnuFilePrintChart               Command11    printChart              printcommands.cpp
//   mnuFilePrintCoverSheetandChart  Command12    printCoverSheetAndChart printcommands.cpp
//   mnuFilePrintCharttoFullScreen   Command18    showChart               chartdisplay.cpp
//   mnuFilePrintPreview                          showPrintPreview        printcommands.cpp
//   mnuFileExportPdf                             exportPdf               printcommands.cpp
//   mnuFileDisplayGraph             CommandGraph showGraph               graphcommands.cpp
//   mnuFileExportCalendar                        exportCalendar          exportcalendar.cpp
//   mnuFileCompareWith                           compareWith             comparecommands.cpp
//   mnuFileClearComparison                       clearComparison         comparecommands.cpp
//   mnuFileExit                                  QWidget::close          (shutDown, lifecycle.cpp)
//   mnuEditClearBoxes               Command13    clearPersonBoxes        mainwindow.cpp
//   menuEditDefaultSettings                      restoreDefaultSettings  lifecycle.cpp
//   mnuViewLargerText                            enlargeText             viewcommands.cpp
//   mnuViewSmallerText                           reduceText              viewcommands.cpp
//   mnuViewNormalTextSize                        showNormalTextSize      viewcommands.cpp
//   mnuHelpGetHelpOn                             showHelp                panels.cpp
//   mnuHelpWhatIsABiorhythm                      showWhatIs              panels.cpp
//   mnuHelpPrintWhatIsABiorhythm    CmdPrtWhat   printWhatIs             printcommands.cpp
//   mnuHelpAbout                                 showAbout               panels.cpp
//   (no menu item)                  Command17    closeChart              chartdisplay.cpp
//   Command24 (the chart's button)               closeChart              chartdisplay.cpp
//   GraphSave (the graph's menu)                 saveGraph               graphcommands.cpp
//   GraphPrint                                   printGraph              graphcommands.cpp
//   GraphPaletteStandard, GraphPaletteOkabeIto   changeGraphLook         graphcommands.cpp
//     (in the graph menu's Colours submenu)
//   GraphCycleIntuitive, GraphCycleAesthetic,    changeGraphLook         graphcommands.cpp
//   GraphCycleAwareness, GraphCycleSpiritual
//     (in its Secondary Cycles submenu)
//   GraphClose                                   QWidget::hide           graphcommands.cpp
//
// CmdPrtWhat is the "What Is" panel's Print button, which runs the Help menu's command.

#include "chart/chartfields.h"
#include "chart/chartplan.h"
#include "mainwindow/mainwindowenv.h"
#include "settings/textfile.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class Announcer;
class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QToolBar;
class ChartTextView;
class ComparePanel;
class DatabasePanel;
class GraphWidget;
class HelpPanel;
class OverlayStack;
class PersonColumn;
class PreferencesForm;
class WhatIsPanel;
class WindowLayout;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(MainWindowEnv env, QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // While a panel or the chart covers the form, Tab goes round its controls only.
    bool focusNextPrevChild(bool next) override;

private:
    // Building the window (mainwindow.cpp, commands.cpp, panels.cpp, graphcommands.cpp).
    void buildControls();
    void buildCommands();
    void buildPanels();
    void buildGraphPanel();
    void buildGraphLookMenus();
    void setTabOrder();

    // Which commands are on, the chart fields the controls hold, and messages (mainwindow.cpp).
    void updateCommands();
    [[nodiscard]] chart::ChartFields chartFields() const;
    void showCritical(const QString &title, const QString &text);
    // An outcome that needs no click: in the status bar, and told to screen readers; an empty one
    // clears the status bar.
    void showOutcome(const QString &message);
    void clearPersonBoxes();

    // Start-up and shut-down (lifecycle.cpp).
    void startUp();
    void shutDown();
    // Writes the six settings files and, unless the window is minimized, its placement; returns
    // the files that could not be written.
    [[nodiscard]] QList<settings::WriteFailure> saveSettings();
    void restoreDefaultSettings();

    // The panels over the form (panels.cpp).
    void openDatabase();
    void showWhatIs();
    void showHelp();
    void showAbout();

    // The chart display (chartdisplay.cpp).
    void showChart();
    void closeChart();
    // The plan of the chart the boxes describe, or none after telling the user what is wrong.
    [[nodiscard]] std::optional<chart::ChartPlan> checkedChartPlan();

    // Printing, Print Preview and Export as PDF (printcommands.cpp).
    void printCoverSheet();
    void printChart();
    void printCoverSheetAndChart();
    void printWhatIs();
    void runPrintCommand(print::PrintCommand command);
    void showPrintPreview();
    void exportPdf();

    // Display Graph to Screen and the graph's Save, Print and look (graphcommands.cpp).
    void showGraph();
    void saveGraph();
    void printGraph();
    // The palette or a secondary cycle was chosen in the graph's menu: shown, and kept.
    void changeGraphLook();

    // Export to Calendar (exportcalendar.cpp).
    void exportCalendar();

    // The View menu: the text size (viewcommands.cpp).
    void buildViewMenu();
    void enlargeText();
    void reduceText();
    void showNormalTextSize();
    // Compare With... and Clear Comparison (comparecommands.cpp).
    void compareWith();
    void compareWithPartner(const QString &name, const QString &birth);
    void clearComparison();
    // The chart of the comparison's second person for the chart `fields` describe; none when
    // nobody is compared.
    [[nodiscard]] std::optional<chart::ChartPlan> partnerPlan(const chart::ChartFields &fields) const;

    MainWindowEnv m_env;
    std::unique_ptr<WindowLayout> m_layout;
    bool m_shutDown = false;
    // False when the data folder could not be prepared: nothing is written there then.
    bool m_filesUsable = false;

    // The parts of the window; each goes before the widgets it holds.
    std::unique_ptr<OverlayStack> m_overlays;
    std::unique_ptr<PersonColumn> m_person;
    std::unique_ptr<PreferencesForm> m_preferences;

    // The notice and the panels over the form.
    QFrame *m_startupNotice = nullptr;
    DatabasePanel *m_databasePanel = nullptr;
    WhatIsPanel *m_whatIsPanel = nullptr;
    HelpPanel *m_helpPanel = nullptr;
    ChartTextView *m_chartView = nullptr;
    QPushButton *m_closeChartButton = nullptr;
    GraphWidget *m_graphPanel = nullptr;
    ComparePanel *m_comparePanel = nullptr;

    // The menus and the picture buttons; Open Database's menu item and the Close Display button,
    // whose states follow rules of their own.
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QAction *m_openDatabaseAction = nullptr;
    QAction *m_closeChartAction = nullptr;
    Announcer *m_announcer = nullptr;
    // Off at the smallest text size.
    QAction *m_smallerTextAction = nullptr;
    // On only while a comparison is set.
    QAction *m_clearComparisonAction = nullptr;
};
