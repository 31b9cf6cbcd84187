#include "platform/messageboxalerts.h"

#include <QMessageBox>

namespace {

// A check message's title or sentence (calendar/checkmessages.cpp) in the user's language; a
// text that is none of them is already translated and stays as it is.
QString Shown(const QString &text)
{
    return TranslatedText("CheckMessages", text.toUtf8().constData());
}

} // namespace

MessageBoxAlerts::MessageBoxAlerts(QWidget *parent)
    : m_parent(parent)
{}

void MessageBoxAlerts::critical(const QString &title, const QString &text)
{
    QMessageBox::critical(m_parent, Shown(title), Shown(text), QMessageBox::Ok);
}

void MessageBoxAlerts::plain(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Shown(title), Shown(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxAlerts::question(const QString &title, const QString &text)
{
    return QMessageBox::question(m_parent, Shown(title), Shown(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}
