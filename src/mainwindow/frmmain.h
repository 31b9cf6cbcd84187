#pragma once

// frmMain is the program's one working window and the only store of state: every input and
// every derived value is the text or state of one of its controls.
//
// How a command flows: a control's signal runs a handler named after the control and event
// (Text4_Change, mnuFilePrintChart_Click). The handler reads the controls it needs into plain
// values, calls a pure function of a subsystem library (calendar/, chart/, print/, settings/,
// namedb/, info/), and writes the results back into controls. Panels that own controls of their
// own (the name database, the help topics, the "What Is" text) live in their subsystem's folder
// and talk to this window through signals.

#include "calendar/profile.h"
#include "chart/chartfields.h"
#include "settings/preferences.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class Alerts;
class Clock;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
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
namespace info {
class SystemRegistry;
}
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
    // What the About window's System Info button asks.
    info::SystemRegistry &registry;
    // Where the documents of one print command go: the system queue, PDF files, or a recorder in
    // tests. Asked once per command, with the person's name for the names of PDF files.
    std::function<std::unique_ptr<print::PrintTargetProvider>(print::PrintCommand, const QString &personName)>
        printTargets;
};

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(MainWindowEnv env, QWidget *parent = nullptr);
    ~frmMain() override;

    // Reads the fields a chart or print command works from, as they stand now.
    [[nodiscard]] chart::ChartFields chartFields() const;

    // Person column.
    QLabel *Label10 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    QLineEdit *Text11 = nullptr;
    QLineEdit *Text12 = nullptr;
    QPushButton *Command8 = nullptr;
    QLabel *Label26 = nullptr;

    // Cover Sheet Heading.
    QGroupBox *Frame1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text14 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLineEdit *Text16 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;

    // Printer Settings.
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text17 = nullptr;

    // Chart Preferences.
    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;

    // Picture buttons.
    QToolButton *Command9 = nullptr;
    QToolButton *Command10 = nullptr;
    QToolButton *Command11 = nullptr;
    QToolButton *Command12 = nullptr;
    QToolButton *Command13 = nullptr;
    QToolButton *Command18 = nullptr;
    QToolButton *Command17 = nullptr;

    // Panels.
    QFrame *FrameSplash = nullptr;
    QLabel *Label27 = nullptr;
    QLabel *Label28 = nullptr;
    QLabel *Label29 = nullptr;
    DatabasePanel *FrameDatabase = nullptr;
    WhatIsPanel *FrameWhatIs = nullptr;
    HelpPanel *FrameHelp = nullptr;
    ChartTextView *Text18 = nullptr;
    QPushButton *Command24 = nullptr;

    // Menus.
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuFileOpenDatabase = nullptr;
    QAction *mnuFilePrintCoverSheet = nullptr;
    QAction *mnuFilePrintChart = nullptr;
    QAction *mnuFilePrintCoverSheetandChart = nullptr;
    QAction *mnuFilePrintCharttoFullScreen = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuEditClearBoxes = nullptr;
    QAction *menuEditDefaultSettings = nullptr;
    QAction *mnuHelpGetHelpOn = nullptr;
    QAction *mnuHelpWhatIsABiorhythm = nullptr;
    QAction *mnuHelpPrintWhatIsABiorhythm = nullptr;
    QAction *mnuHelpAbout = nullptr;

public Q_SLOTS:
    void Text4_Change();
    void Text10_Change();
    void Text11_Change();
    void Command8_Click();
    void FrameSplash_Click();
    void mnuFileOpenDatabase_Click();
    void mnuFilePrintCoverSheet_Click();
    void mnuFilePrintChart_Click();
    void mnuFilePrintCoverSheetandChart_Click();
    void mnuFilePrintCharttoFullScreen_Click();
    void mnuFileExit_Click();
    void mnuEditClearBoxes_Click();
    void menuEditDefaultSettings_Click();
    void mnuHelpGetHelpOn_Click();
    void mnuHelpWhatIsABiorhythm_Click();
    void mnuHelpPrintWhatIsABiorhythm_Click();
    void mnuHelpAbout_Click();
    void DisplayChartToScreen();
    void CloseChartDisplay();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void buildPanels();
    void connectHandlers();
    void setTabOrder();
    void Form_Load();
    void Form_Unload();
    void placeOverlays();
    void placeChartDisplay();
    [[nodiscard]] QFont chartFont() const;
    void setMainCommandsEnabled(bool enabled);
    void showCritical(const QString &title, const QString &text);
    void runPrintCommand(print::PrintCommand command);
    void showWrittenFiles(const QStringList &files);

    // The person and chart-period boxes as plain values, and back.
    [[nodiscard]] calendar::PersonBoxes personBoxes() const;
    void writePersonBoxes(const calendar::PersonBoxes &boxes);

    [[nodiscard]] settings::Preferences preferences() const;
    void writePreferences(const settings::Preferences &prefs);
    [[nodiscard]] std::unique_ptr<QSettings> placementStore() const;

    MainWindowEnv m_env;
    QButtonGroup *m_printerGroup = nullptr;
    QButtonGroup *m_spacingGroup = nullptr;
    bool m_unloaded = false;
    // False when the data folder could not be prepared: nothing is written there then.
    bool m_filesUsable = false;
};
