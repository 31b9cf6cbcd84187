// The main window's start-up and shut-down, the preferences it loads and saves, and its placement.

#include "mainwindow/mainwindow.h"

#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "namedb/databasepanel.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "settings/preferences.h"
#include "settings/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
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

std::unique_ptr<QSettings> MainWindow::placementStore() const
{
    if (m_env.placementFile.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("Tidemark"), QStringLiteral("Tidemark"));
    return std::make_unique<QSettings>(m_env.placementFile, QSettings::IniFormat);
}

settings::Preferences MainWindow::preferences() const
{
    settings::Preferences p;
    p.leadIn = m_leadInCombo->currentText();
    p.heading = {m_headingEdits[0]->text(), m_headingEdits[1]->text(), m_headingEdits[2]->text(),
                 m_headingEdits[3]->text()};
    p.font = m_fontCombo->currentText();
    p.linesPerPage = m_linesPerPageEdit->text();
    p.printer = m_dotMatrixRadio->isChecked() ? settings::PrinterType::Matrix
                : m_laserRadio->isChecked()   ? settings::PrinterType::Laser
                                              : settings::PrinterType::None;
    p.spacing = m_singleSpaceRadio->isChecked()   ? settings::Spacing::Single
                : m_doubleSpaceRadio->isChecked() ? settings::Spacing::Double
                : m_linedSpaceRadio->isChecked()  ? settings::Spacing::WithLines
                                                  : settings::Spacing::None;
    p.holidays = m_holidaysCheck->isChecked();
    p.dateEachPage = m_dateEachPageCheck->isChecked();
    p.color = m_colorCheck->isChecked();
    p.forecast = m_forecastCheck->isChecked();
    return p;
}

void MainWindow::showPreferences(const settings::Preferences &p)
{
    m_leadInCombo->setEditText(p.leadIn);
    // A lead-in longer than its box shows from its start.
    m_leadInCombo->lineEdit()->setCursorPosition(0);
    m_headingEdits[0]->setText(p.heading[0]);
    m_headingEdits[1]->setText(p.heading[1]);
    m_headingEdits[2]->setText(p.heading[2]);
    m_headingEdits[3]->setText(p.heading[3]);
    m_fontCombo->setEditText(p.font);
    m_linesPerPageEdit->setText(p.linesPerPage);
    using settings::PrinterType;
    using settings::Spacing;
    selectOption(m_printerGroup, p.printer == PrinterType::Matrix  ? m_dotMatrixRadio
                                 : p.printer == PrinterType::Laser ? m_laserRadio
                                                                   : nullptr);
    selectOption(m_spacingGroup, p.spacing == Spacing::Single      ? m_singleSpaceRadio
                                 : p.spacing == Spacing::Double    ? m_doubleSpaceRadio
                                 : p.spacing == Spacing::WithLines ? m_linedSpaceRadio
                                                                   : nullptr);
    m_holidaysCheck->setChecked(p.holidays);
    m_dateEachPageCheck->setChecked(p.dateEachPage);
    m_colorCheck->setChecked(p.color);
    m_forecastCheck->setChecked(p.forecast);
}

void MainWindow::startUp()
{
    m_startupNotice->show();
    m_helpPanel->hide();
    m_closeChartButton->hide();
    placeFromStoredPlacement();
    m_databasePanel->hide();
    m_whatIsPanel->hide();
    m_chartView->hide();
    updateCommands();

    m_startDateEdit->setText(m_env.clock.today());

    const QString folderError = PrepareDataFolder(m_env.dataFolder);
    m_filesUsable = folderError.isEmpty();
    QString fileError;
    if (m_filesUsable) {
        // Files an earlier version left in its folder move across before any is made anew.
        fileError =
            MoveDataFiles(m_env.oldDataFolder, m_env.dataFolder,
                          QStringList{settings::NameDatabaseFileName()} + settings::SettingsFileNames());
        RemoveStaleSaveFiles(m_env.dataFolder,
                             QStringList{settings::NameDatabaseFileName()} + settings::SettingsFileNames(),
                             QDateTime::currentDateTimeUtc());
        const QString createError = settings::EnsureSettingsFiles(m_env.dataFolder);
        if (!fileError.isEmpty()) {
            // Saving the defaults at exit would bar the next start from moving the old files in.
            m_filesUsable = false;
            fileError +=
                QStringLiteral(" It is tried again at the next start; until then changes are not saved.");
        } else {
            fileError = createError;
        }
    }

    m_leadInCombo->addItems(LeadInLines);
    m_fontCombo->addItems(FontNames);

    const QString readError = loadPreferences();
    if (fileError.isEmpty())
        fileError = readError;
    const QString message = startupFileMessage(m_env.dataFolder, folderError, fileError);
    if (!message.isEmpty())
        showCritical(QStringLiteral("SETTINGS FILE ERROR!"), message);
}

void MainWindow::placeFromStoredPlacement()
{
    const auto store = placementStore();
    const QRect wanted = settings::PlacementToPixels(settings::LoadWindowPlacement(*store), screenDpi());
    // The primary screen first: it is the one to open on when no screen holds the stored place.
    QList<QScreen *> screens = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        screens.removeOne(primary);
        screens.prepend(primary);
    }
    QList<QRect> areas;
    for (const QScreen *screen : screens)
        areas << screen->availableGeometry();
    const qsizetype chosen = settings::ScreenFor(wanted, areas);
    if (chosen < 0) {
        resize(wanted.size());
        return;
    }
    // The fonts, and so the least size, follow the height of the screen the window opens on.
    setScreen(screens[chosen]);
    fitMinimumSize();
    const QRect placed = settings::FitOnScreen(wanted, areas[chosen], minimumSize());
    move(placed.topLeft());
    resize(placed.size());
}

QString MainWindow::loadPreferences()
{
    QString readError;
    // Even a folder that cannot be written may hold files to read; missing files give defaults.
    showPreferences(settings::LoadSettings(m_env.dataFolder, settings::DesignPreferences(), &readError));
    return readError;
}

QList<settings::WriteFailure> MainWindow::saveSettings()
{
    QList<settings::WriteFailure> failures;
    if (m_filesUsable)
        failures = settings::SaveSettings(m_env.dataFolder, preferences());
    if (!isMinimized()) {
        const auto store = placementStore();
        const QRect rect(frameGeometry().topLeft(), size());
        settings::SaveWindowPlacement(*store, settings::PlacementFromPixels(rect, screenDpi()));
        store->sync();
        if (store->status() == QSettings::AccessError)
            failures.append({store->fileName(), tr("no access, or no room")});
        else if (store->status() == QSettings::FormatError)
            failures.append({store->fileName(), tr("it could not be read, and is left as it is")});
    }
    return failures;
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    const QList<settings::WriteFailure> failures = saveSettings();

    // Any other window of the program still open goes first, the most recent one first.
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }

    if (!failures.isEmpty())
        showCritical(QStringLiteral("SETTINGS FILE ERROR!"), settings::UnsavedSettingsMessage(failures));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept();
}

void MainWindow::restoreDefaultSettings()
{
    showPreferences(settings::ApplyDefaultSettings(preferences()));
}
