#pragma once

#include "mainwindow/mainwindow.h"
#include "print/printcommands.h"

#include <QTemporaryDir>
#include <QTime>

#include <cstdio>
#include <memory>
#include <optional>

// What the window benchmarks share: messages written to standard error instead of boxes, and a
// window environment in a temporary folder that prints nowhere and answers every question "no".

class StderrAlerts final : public Alerts
{
public:
    void critical(const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    void plain(const QString &title, const QString &text) override { critical(title, text); }
};

inline MainWindowEnv BenchWindowEnv(Alerts &alerts, const Clock &clock, const QTemporaryDir &dir)
{
    return {alerts,
            clock,
            dir.filePath(QStringLiteral("data")),
            dir.filePath(QStringLiteral("place.ini")),
            {},
            [](print::PrintCommand, const QString &, const print::PdfFileQuestion &) {
                return std::unique_ptr<print::PrintTargetProvider>();
            },
            [](QWidget *, const SaveQuestion &) { return QString(); },
            [](QWidget *) { return std::optional<QTime>(); }};
}
