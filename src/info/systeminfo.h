#pragma once

#include <QStringList>

// The About window's System Info button starts the desktop's system-information program: the
// first of a list of known programs found on the search path.
namespace info {

struct SystemInfoSearch
{
    // The programs looked for, in order of preference.
    QStringList programs{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                         QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
                         QStringLiteral("mate-system-monitor")};
    // The folders searched; empty means the folders of the PATH.
    QStringList folders;
};

// Starts the first program of the search that is found, on its own (it outlives Tidemark);
// false when none is found or it cannot be started.
bool StartSystemInfo(const SystemInfoSearch &search);

} // namespace info
