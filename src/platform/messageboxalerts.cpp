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
