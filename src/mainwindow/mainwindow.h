#pragma once

// MainWindow is the program's one working window and the only store of state: every input and
// every derived value is the text or state of one of its controls.
//
// How a command flows: a control's signal runs a handler named for what it does
// (updatePersonFacts when the birthdate changes, printChart for File > Print Chart). The handler
// reads the controls it needs into plain values, calls a pure function of a subsystem library
// (calendar/, chart/, print/, settings/, namedb/, info/), and writes the results back into
// controls. Panels that own controls of their own (the name database, the help topics, the
// "What Is" text) live in their subsystem's folder and talk to this window through signals.
//
// Each control keeps its form name as its objectName, which is how tests find it
// (findChild<QLineEdit *>("Text3")). The controls by object name and member:
//
//   Person column                             Cover Sheet Heading
//   Label10       m_nameLabel                 Combo1      m_leadInCombo
//   Text3         m_nameEdit                  Command2    m_leadInClearButton
//   Text4         m_birthdateEdit             Text13..16  m_headingEdits[0..3]
//   Text6         m_signField                 Command4..7 m_headingClearButtons[0..3]
//   Text7         m_weekdayField
//   Text8         m_ageDaysField              Printer Settings
//   Text9         m_ageYearsField             Option1     m_dotMatrixRadio
//   Text10        m_startDateEdit             Option2     m_laserRadio
//   Command8      m_resetStartButton          Text17      m_linesPerPageEdit
//   Text11        m_lengthEdit                Check3      m_colorCheck
//   Text12        m_endDateField              Combo2      m_fontCombo
//
//   Picture buttons (the menu command's action, shown in the toolbar)
//   Command9      m_openDatabaseToolAction    Chart Preferences
//   Command10     m_printCoverSheetAction     Option3     m_singleSpaceRadio
//   Command11     m_printChartAction          Option4     m_doubleSpaceRadio
//   Command12     m_printBothAction           Option5     m_linedSpaceRadio
//   Command13     m_clearPersonAction         Check1      m_holidaysCheck
//   Command18     m_showChartAction           Check2      m_dateEachPageCheck
//   Command17     m_closeChartAction          Check4      m_forecastCheck
//   CommandGraph  m_showGraphAction
//
//   Panels                                    Menus
//   FrameSplash   m_startupNotice             mnuFile     m_fileMenu
//   FrameDatabase m_databasePanel             mnuEdit     m_editMenu
//   FrameWhatIs   m_whatIsPanel               mnuHelp     m_helpMenu
//   FrameHelp     m_helpPanel
//   Text18        m_chartView
//   Command24     m_closeChartButton
//   FrameGraph    m_graphPanel
//
//   Menu commands
//   mnuFileOpenDatabase            m_openDatabaseAction
//   mnuFilePrintCoverSheet         m_printCoverSheetAction
//   mnuFilePrintChart              m_printChartAction
//   mnuFilePrintCoverSheetandChart m_printBothAction
//   mnuFilePrintCharttoFullScreen  m_showChartAction
//   mnuFileDisplayGraph            m_showGraphAction
//   mnuFileExit                    m_exitAction
//   mnuEditClearBoxes              m_clearPersonAction
//   menuEditDefaultSettings        m_defaultSettingsAction
//   mnuHelpGetHelpOn               m_showHelpAction
//   mnuHelpWhatIsABiorhythm        m_showWhatIsAction
//   mnuHelpPrintWhatIsABiorhythm   m_printWhatIsAction
//   mnuHelpAbout                   m_aboutAction
//
// Each command is one QAction, built in buildCommands(): its menu item and its picture button
// show the same action, so they share text, shortcut, icon, tips and enabled state. Only Open
// Database has two, since its picture button stays on (and reloads the panel) while the menu
// item is off.
//
// Every control the layout places is also in m_placed, by its layout::Item; placeControls()
// is the one place that sizes and moves them.
//
// The frames, the start-up notice's labels and the other captions are made where they are laid
// out and need no member.

#include "calendar/profile.h"
#include "chart/chartfields.h"
#include "chart/chartplan.h"
#include "mainwindow/formlayout.h"
#include "mainwindow/mainwindowenv.h"
#include "settings/preferences.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolBar;
class ChartTextView;
class DatabasePanel;
class WhatIsPanel;
class HelpPanel;
class GraphWidget;
class OverlayStack;
class PersonColumn;
class PreferencesForm;
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
    // Building the window (controls.cpp, commands.cpp, panels.cpp).
    void buildControls();
    void buildCommands();
    void buildPanels();
    void setTabOrder();

    // Start-up and shut-down (lifecycle.cpp).
    void startUp();
    void shutDown();
    void savePreferences();
    void restoreDefaultSettings();

    // The small commands (mainwindow.cpp).
    void clearPersonBoxes();
    void updateCommands();
    void showCritical(const QString &title, const QString &text);

    // The panels and the chart display over the form (panels.cpp).
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

    // Display Graph to Screen and the graph's own commands (graphcommands.cpp).
    void buildGraphPanel();
    void showGraph();
    void saveGraph();
    GraphWidget *m_graphPanel = nullptr;

    // Export to Calendar (exportcalendar.cpp).
    void exportCalendar();

    // The controls as plain values, and back.
    [[nodiscard]] chart::ChartFields chartFields() const;

    MainWindowEnv m_env;
    std::unique_ptr<WindowLayout> m_layout;
    bool m_shutDown = false;
    // False when the data folder could not be prepared: nothing is written there then.
    bool m_filesUsable = false;

    // Let go before the panels it watches.
    std::unique_ptr<OverlayStack> m_overlays;
    std::unique_ptr<PersonColumn> m_person;
    std::unique_ptr<PreferencesForm> m_preferences;

    // Panels.
    QFrame *m_startupNotice = nullptr;
    DatabasePanel *m_databasePanel = nullptr;
    WhatIsPanel *m_whatIsPanel = nullptr;
    HelpPanel *m_helpPanel = nullptr;
    ChartTextView *m_chartView = nullptr;
    QPushButton *m_closeChartButton = nullptr;

    // Menus, picture buttons and the commands they share.
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QAction *m_openDatabaseAction = nullptr;
    QAction *m_closeChartAction = nullptr;
};
