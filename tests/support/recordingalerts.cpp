#include "support/recordingalerts.h"

#include <QTest>

void RecordingAlerts::critical(const QString &title, const QString &text)
{
    m_messages.append({true, title, text});
}

void RecordingAlerts::plain(const QString &title, const QString &text)
{
    m_messages.append({false, title, text});
}

bool RecordingAlerts::question(const QString &title, const QString &text)
{
    m_questions.append({false, title, text});
    return m_answer;
}

QStringList RecordingAlerts::titles() const
{
    QStringList out;
    for (const Message &m : m_messages)
        out << m.title;
    return out;
}

QString RecordingAlerts::onlyTitle() const
{
    if (m_messages.size() > 1)
        QTest::qFail(
            qPrintable(QStringLiteral("more than one message: ") + titles().join(QLatin1String(" | "))),
            __FILE__, __LINE__);
    return m_messages.isEmpty() ? QString() : m_messages.first().title;
}
