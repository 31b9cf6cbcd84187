#include "mainwindow/mainwindow.h"
#include "mainwindow/printprogressdialog.h"
#include "platform/datafolder.h"
#include "platform/messageboxalerts.h"
#include "platform/systemclock.h"
#include "print/systemqueue.h"
#include "tidemarkversion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tidemark"));
    QApplication::setApplicationName(QStringLiteral("Tidemark"));
    QApplication::setApplicationVersion(QStringLiteral(TIDEMARK_VERSION));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.Tidemark"));

    MessageBoxAlerts alerts;
    SystemClock clock;
    QWidget *owner = nullptr;
    // Each print command goes to the default queue, or into PDF files when none is installed.
    auto printTargets = [&owner, &alerts](print::PrintCommand command, const QString &personName,
                                          const print::PdfFileQuestion &askFile) {
        return std::make_unique<print::SystemPrintTargets>(command, personName, print::DefaultSystemQueue(),
                                                           askFile, PrintProgressDialogs(owner), alerts);
    };
    MainWindow window({alerts, clock, DefaultDataFolder(), QString(), info::SystemInfoSearch(), printTargets,
                       AskWithSaveDialog, OldDataFolder()});
    owner = &window;
    alerts.setParent(&window);
    window.show();
    return QApplication::exec();
}
