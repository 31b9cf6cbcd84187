// The main window's start-up and shut-down, and the preferences it loads and saves.

#include "mainwindow/mainwindow.h"

#include "info/helppanel.h"
#include "info/whatispanel.h"
#include "mainwindow/charttextview.h"
#include "mainwindow/personcolumn.h"
#include "mainwindow/preferencesform.h"
#include "mainwindow/windowlayout.h"
#include "namedb/databasepanel.h"
#include "platform/alerts.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "platform/messageboxalerts.h"
#include "settings/preferences.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The one start-up message about the data folder and the settings files; empty when all is
// well. A folder that cannot be written may still hold the user's files: then they were read,
// and only the changes of this run are lost.
QString startupFileMessage(const QString &folder, const QString &folderError, const QString &fileError)
{
    if (folderError.isEmpty())
        return fileError.isEmpty()
                   ? QString()
                   : fileError + QCoreApplication::translate("MainWindow",
                                                             " Tidemark goes on with its default settings.");
    const QString unsaved =
        QCoreApplication::translate("MainWindow", "changes made in this run cannot be saved.");
    if (fileError.isEmpty() && QFileInfo(folder).isDir())
        return folderError +
               QCoreApplication::translate("MainWindow", " The settings were read from it, but ") + unsaved;
    return folderError + (fileError.isEmpty() ? QString() : u' ' + fileError) +
           QCoreApplication::translate("MainWindow", " Tidemark goes on with its default settings, and ") +
           unsaved;
}

} // namespace

void MainWindow::startUp()
{
    m_startupNotice->show();
    m_helpPanel->hide();
    m_closeChartButton->hide();
    m_layout->restorePlacement();
    m_databasePanel->hide();
    m_whatIsPanel->hide();
    m_chartView->hide();
    updateCommands();

    m_person->startToday();

    const Wording words = TranslatedText;
    const QString folderError = PrepareDataFolder(m_env.dataFolder, words);
    m_filesUsable = folderError.isEmpty();
    QString fileError;
    if (m_filesUsable) {
        // Files an earlier version left in its folder move across before any is made anew.
        fileError = MoveDataFiles(
            m_env.oldDataFolder, m_env.dataFolder,
            QStringList{settings::NameDatabaseFileName()} + settings::SettingsFileNames(), words);
        RemoveStaleSaveFiles(m_env.dataFolder,
                             QStringList{settings::NameDatabaseFileName()} + settings::SettingsFileNames(),
                             QDateTime::currentDateTimeUtc());
        const QString createError = settings::EnsureSettingsFiles(m_env.dataFolder, words);
        if (!fileError.isEmpty()) {
            // Saving the defaults at exit would bar the next start from moving the old files in.
            m_filesUsable = false;
            fileError += tr(" It is tried again at the next start; until then changes are not saved.");
        } else {
            fileError = createError;
        }
    }

    // Even a folder that cannot be written may hold files to read; missing files give defaults.
    QString readError;
    m_preferences->showPreferences(
        settings::LoadSettings(m_env.dataFolder, settings::DesignPreferences(), &readError, words));
    if (fileError.isEmpty())
        fileError = readError;
    const QString message = startupFileMessage(m_env.dataFolder, folderError, fileError);
    if (!message.isEmpty())
        showCritical(tr("SETTINGS FILE ERROR!"), message);

    // A session manager asks the program to save its work before it logs out; the session may
    // then end the program without closing its window. The settings are saved as at exit, and
    // the program runs on (failures are told at exit, should it come).
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { (void)saveSettings(); });
}

QList<settings::WriteFailure> MainWindow::saveSettings()
{
    QList<settings::WriteFailure> failures;
    if (m_filesUsable)
        failures = settings::SaveSettings(m_env.dataFolder, m_preferences->preferences());
    failures += m_layout->storePlacement();
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
        showCritical(tr("SETTINGS FILE ERROR!"), settings::UnsavedSettingsMessage(failures, TranslatedText));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept();
}

void MainWindow::restoreDefaultSettings()
{
    m_preferences->showPreferences(settings::ApplyDefaultSettings(m_preferences->preferences()));
}
