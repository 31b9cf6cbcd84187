#pragma once

#include "platform/alerts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

// Records every message instead of showing it.
class RecordingAlerts final : public Alerts
{
public:
    struct Message
    {
        bool critical = true;
        QString title;
        QString text;
        bool operator==(const Message &) const = default;
    };

    void critical(const QString &title, const QString &text) override
    {
        m_messages.append({true, title, text});
    }
    void plain(const QString &title, const QString &text) override
    {
        m_messages.append({false, title, text});
    }
    // Recorded apart from the messages, and answered with the preset answer (No unless set).
    bool question(const QString &title, const QString &text) override
    {
        m_questions.append({false, title, text});
        return m_answer;
    }
    void answerQuestions(bool yes) { m_answer = yes; }
    [[nodiscard]] const QList<Message> &questions() const { return m_questions; }

    [[nodiscard]] const QList<Message> &messages() const { return m_messages; }
    [[nodiscard]] QStringList titles() const
    {
        QStringList out;
        for (const Message &m : m_messages)
            out << m.title;
        return out;
    }
    // The title of the only message, or an empty string when there were none; fails the running
    // test when there was more than one.
    [[nodiscard]] QString onlyTitle() const
    {
        if (m_messages.size() > 1)
            QTest::qFail(qPrintable("more than one message: " + titles().join(" | ")), __FILE__, __LINE__);
        return m_messages.isEmpty() ? QString() : m_messages.first().title;
    }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    QList<Message> m_questions;
    bool m_answer = false;
};
