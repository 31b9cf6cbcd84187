// frmMain's start-up and shut-down, the preferences it loads and saves, and its placement.

#include "mainwindow/frmmain.h"

#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "settings/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>

namespace {

const QStringList LeadInLines = {
    QStringLiteral("This Chart Has Been Prepared Especially For You By:"),
    QStringLiteral("This Chart Has Been Prepared For You By:"),
    QStringLiteral("This Chart Has Been Prepared By:"),
    QStringLiteral("This Chart Was Prepared By:"),
    QStringLiteral("This Chart Has Been Created By:"),
    QStringLiteral("This Chart Created By:"),
    QStringLiteral("This Biorhythm Chart Was Prepared By:"),
};

const QStringList FontNames = {QStringLiteral("Arial"), QStringLiteral("Courier"), QStringLiteral("Times")};

// Checks one option of a group, or none: an exclusive group refuses to uncheck its last option.
void selectOption(QButtonGroup *group, QAbstractButton *option)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(button == option);
    group->setExclusive(true);
}

// The one start-up message about the data folder and the settings files; empty when all is
// well. A folder that cannot be written may still hold the user's files: then they were read,
// and only the changes of this run are lost.
QString startupFileMessage(const QString &folder, const QString &folderError, const QString &fileError)
{
    if (folderError.isEmpty())
        return fileError.isEmpty()
                   ? QString()
                   : fileError + QStringLiteral(" Tidemark goes on with its default settings.");
    const QString unsaved = QStringLiteral("changes made in this run cannot be saved.");
    if (fileError.isEmpty() && QFileInfo(folder).isDir())
        return folderError + QStringLiteral(" The settings were read from it, but ") + unsaved;
    return folderError + (fileError.isEmpty() ? QString() : u' ' + fileError) +
           QStringLiteral(" Tidemark goes on with its default settings, and ") + unsaved;
}

double screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

std::unique_ptr<QSettings> frmMain::placementStore() const
{
    if (m_env.placementFile.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("Tidemark"), QStringLiteral("Tidemark"));
    return std::make_unique<QSettings>(m_env.placementFile, QSettings::IniFormat);
}

settings::Preferences frmMain::preferences() const
{
    settings::Preferences p;
    p.leadIn = Combo1->currentText();
    p.heading = {Text13->text(), Text14->text(), Text15->text(), Text16->text()};
    p.font = Combo2->currentText();
    p.linesPerPage = Text17->text();
    p.printer = Option1->isChecked()   ? settings::PrinterType::Matrix
                : Option2->isChecked() ? settings::PrinterType::Laser
                                       : settings::PrinterType::None;
    p.spacing = Option3->isChecked()   ? settings::Spacing::Single
                : Option4->isChecked() ? settings::Spacing::Double
                : Option5->isChecked() ? settings::Spacing::WithLines
                                       : settings::Spacing::None;
    p.holidays = Check1->isChecked();
    p.dateEachPage = Check2->isChecked();
    p.color = Check3->isChecked();
    p.forecast = Check4->isChecked();
    return p;
}

void frmMain::writePreferences(const settings::Preferences &p)
{
    Combo1->setEditText(p.leadIn);
    Text13->setText(p.heading[0]);
    Text14->setText(p.heading[1]);
    Text15->setText(p.heading[2]);
    Text16->setText(p.heading[3]);
    Combo2->setEditText(p.font);
    Text17->setText(p.linesPerPage);
    using settings::PrinterType;
    using settings::Spacing;
    selectOption(m_printerGroup, p.printer == PrinterType::Matrix  ? Option1
                                 : p.printer == PrinterType::Laser ? Option2
                                                                   : nullptr);
    selectOption(m_spacingGroup, p.spacing == Spacing::Single      ? Option3
                                 : p.spacing == Spacing::Double    ? Option4
                                 : p.spacing == Spacing::WithLines ? Option5
                                                                   : nullptr);
    Check1->setChecked(p.holidays);
    Check2->setChecked(p.dateEachPage);
    Check3->setChecked(p.color);
    Check4->setChecked(p.forecast);
}

void frmMain::Form_Load()
{
    FrameSplash->show();
    FrameHelp->hide();
    setMainCommandsEnabled(false);
    Command24->hide();

    {
        const auto store = placementStore();
        const QRect wanted = settings::PlacementToPixels(settings::LoadWindowPlacement(*store), screenDpi());
        QList<QRect> screens;
        for (const QScreen *screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        const QScreen *primary = QGuiApplication::primaryScreen();
        // The window never gets smaller than its minimum size, so that is the size to fit.
        const QSize minimum = minimumSizeHint().expandedTo(minimumSize());
        const QRect placed =
            primary ? settings::PlaceOnScreen(wanted, screens, primary->availableGeometry(), minimum)
                    : wanted;
        move(placed.topLeft());
        resize(placed.size());
    }

    FrameDatabase->hide();
    FrameWhatIs->hide();
    Text18->hide();
    mnuFileOpenDatabase->setEnabled(true);

    Text10->setText(m_env.clock.today());

    const QString folderError = PrepareDataFolder(m_env.dataFolder);
    m_filesUsable = folderError.isEmpty();
    QString fileError;
    if (m_filesUsable)
        fileError = settings::EnsureSettingsFiles(m_env.dataFolder);

    Combo1->addItems(LeadInLines);
    Combo2->addItems(FontNames);

    const settings::Preferences design = settings::DesignPreferences();
    QString readError;
    // Even a folder that cannot be written may hold files to read; missing files give defaults.
    writePreferences(settings::LoadSettings(m_env.dataFolder, design, &readError));
    if (fileError.isEmpty())
        fileError = readError;
    const QString message = startupFileMessage(m_env.dataFolder, folderError, fileError);
    if (!message.isEmpty())
        showCritical(QStringLiteral("SETTINGS FILE ERROR!"), message);
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;

    if (m_filesUsable) {
        const QString error = settings::SaveSettings(m_env.dataFolder, preferences());
        if (!error.isEmpty())
            showCritical(QStringLiteral("SETTINGS FILE ERROR!"), error);
    }

    // Any other window of the program still open goes first, the most recent one first.
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }

    if (!isMinimized()) {
        const auto store = placementStore();
        const QRect rect(frameGeometry().topLeft(), size());
        settings::SaveWindowPlacement(*store, settings::PlacementFromPixels(rect, screenDpi()));
        store->sync();
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::menuEditDefaultSettings_Click()
{
    writePreferences(settings::ApplyDefaultSettings(preferences()));
}
