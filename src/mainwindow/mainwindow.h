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
//   Picture buttons                           Chart Preferences
//   Command9      m_openDatabaseToolButton    Option3     m_singleSpaceRadio
//   Command10     m_printCoverSheetToolButton Option4     m_doubleSpaceRadio
//   Command11     m_printChartToolButton      Option5     m_linedSpaceRadio
//   Command12     m_printBothToolButton       Check1      m_holidaysCheck
//   Command13     m_clearPersonToolButton     Check2      m_dateEachPageCheck
//   Command18     m_showChartToolButton       Check4      m_forecastCheck
//   Command17     m_closeChartToolButton
//
//   Panels                                    Menus
//   FrameSplash   m_startupNotice             mnuFile     m_fileMenu
//   FrameDatabase m_databasePanel             mnuEdit     m_editMenu
//   FrameWhatIs   m_whatIsPanel               mnuHelp     m_helpMenu
//   FrameHelp     m_helpPanel
//   Text18        m_chartView
//   Command24     m_closeChartButton
//
//   Menu commands
//   mnuFileOpenDatabase            m_openDatabaseAction
//   mnuFilePrintCoverSheet         m_printCoverSheetAction
//   mnuFilePrintChart              m_printChartAction
//   mnuFilePrintCoverSheetandChart m_printBothAction
//   mnuFilePrintCharttoFullScreen  m_showChartAction
//   mnuFileExit                    m_exitAction
//   mnuEditClearBoxes              m_clearPersonAction
//   menuEditDefaultSettings        m_defaultSettingsAction
//   mnuHelpGetHelpOn               m_showHelpAction
//   mnuHelpWhatIsABiorhythm        m_showWhatIsAction
//   mnuHelpPrintWhatIsABiorhythm   m_printWhatIsAction
//   mnuHelpAbout                   m_aboutAction
//
// The frames, the start-up notice's labels and the other captions are made where they are laid
// out and need no member.

#include "calendar/profile.h"
#include "chart/chartfields.h"
#include "info/systeminfo.h"
#include "settings/preferences.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class Alerts;
class Clock;
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
class QSettings;
class QToolButton;
class ChartTextView;
class DatabasePanel;
class WhatIsPanel;
class HelpPanel;
class GraphWidget;
namespace print {
class PrintTargetProvider;
enum class PrintCommand;
} // namespace print

// What the window needs from the world around it; tests hand in recorders and fixed values.
struct MainWindowEnv
{
    Alerts &alerts;
    const Clock &clock;
    QString dataFolder;
    // Where the window placement is kept: empty for the per-user settings store, else an ini file.
    QString placementFile;
    // Where the About window's System Info button looks for a system-information program.
    info::SystemInfoSearch systemInfo;
    // Where the documents of one print command go: the system queue, PDF files, or a recorder in
    // tests. Asked once per command, with the person's name for the names of PDF files.
    std::function<std::unique_ptr<print::PrintTargetProvider>(print::PrintCommand, const QString &personName)>
        printTargets;
};

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
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window (controls.cpp, panels.cpp).
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void buildPanels();
    void connectHandlers();
    void setTabOrder();

    // Start-up and shut-down (lifecycle.cpp).
    void startUp();
    void shutDown();
    void placeFromStoredPlacement();
    // Loads the six settings files into the controls; a sentence saying what could not be read.
    [[nodiscard]] QString loadPreferences();
    void savePreferences();
    void restoreDefaultSettings();
    [[nodiscard]] std::unique_ptr<QSettings> placementStore() const;

    // The person column and the small commands (mainwindow.cpp).
    void updatePersonFacts();
    void refreshForStartDate();
    void updateEndDate();
    void resetStartDate();
    void clearPersonBoxes();
    void dismissStartupNotice();
    void setMainCommandsEnabled(bool enabled);
    void showCritical(const QString &title, const QString &text);

    // The panels (panels.cpp).
    void placeControls();
    void openDatabase();
    void showWhatIs();
    void showHelp();
    void showAbout();

    // The chart display (chartdisplay.cpp).
    void showChart();
    void closeChart();
    void placeChartView();
    [[nodiscard]] QFont chartFont() const;

    // Printing (printcommands.cpp).
    void printCoverSheet();
    void printChart();
    void printCoverSheetAndChart();
    void printWhatIs();
    void runPrintCommand(print::PrintCommand command);
    void showWrittenFiles(const QStringList &files);

    // Print Preview, Export as PDF, Display Graph to Screen, Export to Calendar (extracommands.cpp).
    void addExtraCommands();
    void showGraph();
    void closeGraph();
    void saveGraph();
    void showPrintPreview();
    void exportPdf();
    void exportCalendar();
    GraphWidget *m_graphPanel = nullptr;

    // The controls as plain values, and back.
    [[nodiscard]] chart::ChartFields chartFields() const;
    [[nodiscard]] calendar::PersonBoxes personBoxes() const;
    void showPersonBoxes(const calendar::PersonBoxes &boxes);
    [[nodiscard]] settings::Preferences preferences() const;
    void showPreferences(const settings::Preferences &prefs);

    MainWindowEnv m_env;
    bool m_shutDown = false;
    // False when the data folder could not be prepared: nothing is written there then.
    bool m_filesUsable = false;

    // Person column.
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_birthdateEdit = nullptr;
    QLineEdit *m_signField = nullptr;
    QLineEdit *m_weekdayField = nullptr;
    QLineEdit *m_ageDaysField = nullptr;
    QLineEdit *m_ageYearsField = nullptr;
    QLineEdit *m_startDateEdit = nullptr;
    QLineEdit *m_lengthEdit = nullptr;
    QLineEdit *m_endDateField = nullptr;
    QPushButton *m_resetStartButton = nullptr;

    // Cover Sheet Heading.
    QComboBox *m_leadInCombo = nullptr;
    QPushButton *m_leadInClearButton = nullptr;
    std::array<QLineEdit *, 4> m_headingEdits{};
    std::array<QPushButton *, 4> m_headingClearButtons{};

    // Printer Settings.
    QRadioButton *m_dotMatrixRadio = nullptr;
    QRadioButton *m_laserRadio = nullptr;
    QButtonGroup *m_printerGroup = nullptr;
    QCheckBox *m_colorCheck = nullptr;
    QComboBox *m_fontCombo = nullptr;
    QLineEdit *m_linesPerPageEdit = nullptr;

    // Chart Preferences.
    QRadioButton *m_singleSpaceRadio = nullptr;
    QRadioButton *m_doubleSpaceRadio = nullptr;
    QRadioButton *m_linedSpaceRadio = nullptr;
    QButtonGroup *m_spacingGroup = nullptr;
    QCheckBox *m_holidaysCheck = nullptr;
    QCheckBox *m_dateEachPageCheck = nullptr;
    QCheckBox *m_forecastCheck = nullptr;

    // Picture buttons.
    QToolButton *m_openDatabaseToolButton = nullptr;
    QToolButton *m_printCoverSheetToolButton = nullptr;
    QToolButton *m_printChartToolButton = nullptr;
    QToolButton *m_printBothToolButton = nullptr;
    QToolButton *m_clearPersonToolButton = nullptr;
    QToolButton *m_showChartToolButton = nullptr;
    QToolButton *m_closeChartToolButton = nullptr;

    // Panels.
    QFrame *m_startupNotice = nullptr;
    DatabasePanel *m_databasePanel = nullptr;
    WhatIsPanel *m_whatIsPanel = nullptr;
    HelpPanel *m_helpPanel = nullptr;
    ChartTextView *m_chartView = nullptr;
    QPushButton *m_closeChartButton = nullptr;

    // Menus.
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_openDatabaseAction = nullptr;
    QAction *m_printCoverSheetAction = nullptr;
    QAction *m_printChartAction = nullptr;
    QAction *m_printBothAction = nullptr;
    QAction *m_showChartAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_clearPersonAction = nullptr;
    QAction *m_defaultSettingsAction = nullptr;
    QAction *m_showHelpAction = nullptr;
    QAction *m_showWhatIsAction = nullptr;
    QAction *m_printWhatIsAction = nullptr;
    QAction *m_aboutAction = nullptr;
};
