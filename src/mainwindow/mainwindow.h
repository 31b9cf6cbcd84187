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
#include "info/systeminfo.h"
#include "mainwindow/formlayout.h"
#include "settings/preferences.h"

#include <QMainWindow>
#include <QPointer>

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
class QShortcut;
class QToolBar;
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
    // The folder earlier versions kept the files in; the ones missing from dataFolder move from it.
    QString oldDataFolder = {};
    // The screen height in twips the layout follows; 0 for that of the screen the window is on.
    int screenHeightTwips = 0;
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
    void moveEvent(QMoveEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // While a panel or the chart covers the form, Tab goes round its controls only.
    bool focusNextPrevChild(bool next) override;

private:
    // Building the window (controls.cpp, commands.cpp, panels.cpp).
    void buildControls();
    void buildCommands();
    void buildPanels();
    void connectHandlers();
    void setTabOrder();
    void placed(layout::Item item, QWidget *widget);

    // Start-up and shut-down (lifecycle.cpp).
    void startUp();
    void shutDown();
    void placeFromStoredPlacement();
    // Loads the six settings files into the controls; a sentence saying what could not be read.
    [[nodiscard]] QString loadPreferences();
    // Writes the six settings files and, unless the window is minimized, its placement; returns
    // the files that could not be written.
    [[nodiscard]] QList<settings::WriteFailure> saveSettings();
    void restoreDefaultSettings();
    [[nodiscard]] std::unique_ptr<QSettings> placementStore() const;

    // The person column and the small commands (mainwindow.cpp).
    void updatePersonFacts();
    void refreshForStartDate();
    void updateEndDate();
    void resetStartDate();
    void clearPersonBoxes();
    void dismissStartupNotice();
    void updateCommands();
    void showCritical(const QString &title, const QString &text);

    // The proportional layout (placement.cpp).
    void placeControls();
    void fitMinimumSize();
    // Moves and shrinks the window so that its frame, title bar included, lies on its screen.
    void keepFrameOnScreen();
    void fitFrameOnceKnown();
    [[nodiscard]] int screenHeightTwips() const;
    [[nodiscard]] layout::Scale shownScale() const;
    void showScale(const layout::Scale &scale);
    [[nodiscard]] layout::Needs measureNeeds() const;

    // The panels and the chart display over the form (panels.cpp).
    void openDatabase();
    void showWhatIs();
    void showHelp();
    void showAbout();
    // The panel or chart now covering the form (the topmost when several are open), or none.
    [[nodiscard]] QWidget *shownOverlay() const;
    [[nodiscard]] bool inOverlay(const QWidget *widget, const QWidget *overlay) const;
    void overlayShown();
    void overlayHidden();
    // Whether the form under the panels (the title, the person column, the frames) takes input.
    [[nodiscard]] bool formEnabled() const;
    void setFormEnabled(bool enabled);
    void closeOverlay();

    // The chart display (chartdisplay.cpp).
    void showChart();
    void closeChart();
    [[nodiscard]] QFont chartFont() const;
    // The plan of the chart the boxes describe, or none after telling the user what is wrong.
    [[nodiscard]] std::optional<chart::ChartPlan> checkedChartPlan();

    // Printing (printcommands.cpp).
    void printCoverSheet();
    void printChart();
    void printCoverSheetAndChart();
    void printWhatIs();
    void runPrintCommand(print::PrintCommand command);
    void showWrittenFiles(const QStringList &files);

    // Print Preview, Export as PDF, Display Graph to Screen, Export to Calendar (extracommands.cpp).
    void buildGraphPanel();
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
    // Shown, but not yet framed by the desktop: the frame's size is not known.
    bool m_frameUnknown = false;

    std::array<QWidget *, layout::ItemCount> m_placed{};
    // Where the keyboard focus goes back to when the last panel over the form closes.
    QPointer<QWidget> m_focusBeforeOverlay;
    QShortcut *m_escapeShortcut = nullptr;

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
    QAction *m_openDatabaseToolAction = nullptr;
    QAction *m_printCoverSheetAction = nullptr;
    QAction *m_printChartAction = nullptr;
    QAction *m_printBothAction = nullptr;
    QAction *m_showChartAction = nullptr;
    QAction *m_showGraphAction = nullptr;
    QAction *m_closeChartAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_clearPersonAction = nullptr;
    QAction *m_defaultSettingsAction = nullptr;
    QAction *m_showHelpAction = nullptr;
    QAction *m_showWhatIsAction = nullptr;
    QAction *m_printWhatIsAction = nullptr;
    QAction *m_aboutAction = nullptr;
};
