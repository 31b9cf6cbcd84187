#pragma once

#include "info/systeminfo.h"
#include "mainwindow/reminderquestion.h"
#include "mainwindow/savequestion.h"
#include "print/systemprinting.h"

#include <QString>

#include <functional>
#include <memory>

class Alerts;
class Clock;

// What the window needs from the world around it; tests hand in recorders and fixed values.
struct MainWindowEnv
{
    Alerts &alerts;
    const Clock &clock;
    QString dataFolder;
    // Where the window placement and the graph's look are kept: empty for the per-user settings
    // store, else an ini file.
    QString placementFile;
    // Where the About window's System Info button looks for a system-information program.
    info::SystemInfoSearch systemInfo;
    // Where the documents of one print command go: the system queue, PDF files, or a recorder in
    // tests. Asked once per command, with the person's name for the names of PDF files and the
    // question that asks for them (askSavePath's).
    std::function<std::unique_ptr<print::PrintTargetProvider>(print::PrintCommand, const QString &personName,
                                                              const print::PdfFileQuestion &askFile)>
        printTargets;
    // Where a file the user names is saved: every command's save question goes through it.
    AskSavePath askSavePath;
    // Export to Calendar's question: a reminder on each event, or none.
    AskReminder askReminder;
    // The folder earlier versions kept the files in; the ones missing from dataFolder move from it.
    QString oldDataFolder = {};
    // The screen height in twips the layout follows; 0 for that of the screen the window is on.
    int screenHeightTwips = 0;
};
