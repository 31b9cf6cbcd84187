#include "info/pathsystemregistry.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/printdialogs.h"
#include "platform/datafolder.h"
#include "platform/messageboxalerts.h"
#include "platform/systemclock.h"
#include "print/systemqueue.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tidemark"));
    QApplication::setApplicationName(QStringLiteral("Tidemark"));
    QApplication::setApplicationVersion(QStringLiteral("5.6"));

    MessageBoxAlerts alerts;
    SystemClock clock;
    info::PathSystemRegistry registry;
    QWidget *owner = nullptr;
    // Each print command goes to the default queue, or into PDF files when none is installed.
    auto printTargets = [&owner, &alerts](print::PrintCommand command, const QString &personName) {
        return std::make_unique<print::SystemPrintTargets>(command, personName, print::DefaultSystemQueue(),
                                                           SavePdfDialog(owner), PrintProgressDialogs(owner),
                                                           alerts);
    };
    frmMain window({alerts, clock, DefaultDataFolder(), QString(), registry, printTargets});
    owner = &window;
    alerts.setParent(&window);
    window.show();
    return QApplication::exec();
}
