#include "platform/messageboxalerts.h"

#include <QMessageBox>

MessageBoxAlerts::MessageBoxAlerts(QWidget *parent)
    : m_parent(parent)
{}

void MessageBoxAlerts::critical(const QString &title, const QString &text)
{
    QMessageBox::critical(m_parent, title, text, QMessageBox::Ok);
}

void MessageBoxAlerts::plain(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxAlerts::question(const QString &title, const QString &text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}
