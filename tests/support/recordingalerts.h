#pragma once

#include "platform/alerts.h"

#include <QList>
#include <QString>

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

    void critical(const QString &title, const QString &text) override;
    void plain(const QString &title, const QString &text) override;
    // Recorded apart from the messages, and answered with the preset answer (No unless set).
    bool question(const QString &title, const QString &text) override;
    void answerQuestions(bool yes) { m_answer = yes; }
    [[nodiscard]] const QList<Message> &questions() const { return m_questions; }

    [[nodiscard]] const QList<Message> &messages() const { return m_messages; }
    [[nodiscard]] QStringList titles() const;
    // The title of the only message, or an empty string when there were none;
    // fails the running test when there was more than one.
    [[nodiscard]] QString onlyTitle() const;
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    QList<Message> m_questions;
    bool m_answer = false;
};
