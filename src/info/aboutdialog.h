#pragma once

// Controls by object name and member:
//
//   frmAbout       the dialog itself
//   picIcon        m_iconLabel
//   lblTitle       m_titleLabel
//   lblVersion     m_versionLabel
//   lblDescription m_descriptionLabel
//   Label1         m_warningLabel
//   lblDisclaimer  m_disclaimerLabel
//   Line1_0/_1     m_rules
//   cmdOK          m_okButton
//   cmdSysInfo     m_systemInfoButton

#include "info/systeminfo.h"

#include <QDialog>
#include <QIcon>

#include <array>

class Alerts;
class QFrame;
class QLabel;
class QPushButton;

// The About window: the program's name and version, its notices, and a button that starts the
// desktop's system-information program. The main window creates it when the user asks for it
// and shows it modally with exec(); OK or Escape closes it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // `icon` is the program's icon; a null icon means the application's window icon.
    AboutDialog(info::SystemInfoSearch systemInfo, Alerts &alerts, QWidget *owner, const QIcon &icon = {});

private:
    void buildLayout();
    void startSystemInfo();

    QLabel *m_iconLabel;
    QLabel *m_titleLabel;
    QLabel *m_versionLabel;
    QLabel *m_descriptionLabel;
    QLabel *m_warningLabel;
    QLabel *m_disclaimerLabel;
    std::array<QFrame *, 2> m_rules;
    QPushButton *m_okButton;
    QPushButton *m_systemInfoButton;

    info::SystemInfoSearch m_systemInfo;
    Alerts &m_alerts;
};
