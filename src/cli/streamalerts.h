#pragma once

#include "platform/alerts.h"

#include <cstdio>

namespace cli {

// The command-line tool's messages: each goes to a stream (standard error) as one line that
// begins with the program's name, "tidemark-chart: TITLE: message", as a script's log expects.
// A question is answered No, since nobody is there to ask.
class StreamAlerts final : public Alerts
{
public:
    explicit StreamAlerts(std::FILE *err)
        : m_err(err)
    {}
    void critical(const QString &title, const QString &text) override { write(title, text); }
    void plain(const QString &title, const QString &text) override { write(title, text); }

private:
    void write(const QString &title, const QString &text);

    std::FILE *m_err;
};

} // namespace cli
