#pragma once

#include "info/pathsystemregistry.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/printdialogs.h"
#include "recordingtargets.h"
#include "support/fixedclock.h"
#include "support/recordingalerts.h"

#include <QTemporaryDir>

#include <memory>

// A real frmMain on the offscreen platform, with recorded messages, a fixed today, a temporary
// data folder and placement store, and print targets that record instead of printing (or, with
// pdfFile set, the machine's own printing with no print queue, into real PDF files).
struct MainWindowFixture
{
    explicit MainWindowFixture(const QString &today = QStringLiteral("05-20-2025"));
    ~MainWindowFixture();

    // Closes the window (shut-down) and opens a new one on the same folder and store.
    void restart();
    // Shows the window and dismisses the start-up notice, as a first click would.
    void showAndDismiss();
    [[nodiscard]] MainWindowEnv env();

    [[nodiscard]] QString dataFile(const QString &name) const;
    // The file's lines with their quotes, as bytes.
    [[nodiscard]] QList<QByteArray> fileLines(const QString &name) const;

    QTemporaryDir dir;
    RecordingAlerts alerts;
    FixedClock clock;
    info::PathSystemRegistry registry{QStringList()};
    // Every document the window printed, in order.
    QList<PrintedDocument> printed;
    // When set, answers the file question of print commands that then write real PDF files.
    print::PdfFileQuestion pdfFile;
    std::unique_ptr<frmMain> window;
};
