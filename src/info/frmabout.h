#pragma once

#include <QDialog>
#include <QIcon>

#include <array>

class Alerts;
class QFrame;
class QLabel;
class QPushButton;

namespace info {
class SystemRegistry;
}

// The About window: the program's name and version, its notices, and a button that starts the
// system's System Information program. The main window creates it when the user asks for it
// (mnuHelpAbout_Click) and shows it modally with exec(); OK or Escape closes it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // `icon` is the program's icon; a null icon means the application's window icon.
    frmAbout(info::SystemRegistry &registry, Alerts &alerts, QWidget *owner, const QIcon &icon = {});

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *Label1;
    QLabel *lblDisclaimer;
    std::array<QFrame *, 2> Line1;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;

public Q_SLOTS:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();
    void buildLayout();

    info::SystemRegistry &m_registry;
    Alerts &m_alerts;
};
