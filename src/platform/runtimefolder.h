#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Qt keeps a user's runtime files in the folder XDG_RUNTIME_DIR names. A cron job, or an ssh or
// su session, may have none or another user's; Qt then warns on standard error and falls back to
// a folder in /tmp. A FallbackRuntimeFolder gives such a run a folder of the user's own instead,
// and names it in XDG_RUNTIME_DIR: "tidemark-runtime-UID" in the temporary folder, made for its
// owner only (0700) and kept for the next run, or, where that name is taken by anything but
// such a folder of the user's, a folder made afresh for this run and removed when the object
// goes. Where XDG_RUNTIME_DIR already names a folder of the user's own, 0700 as it must be,
// nothing changes.
class FallbackRuntimeFolder
{
public:
    FallbackRuntimeFolder();
    FallbackRuntimeFolder(const FallbackRuntimeFolder &) = delete;
    FallbackRuntimeFolder &operator=(const FallbackRuntimeFolder &) = delete;

private:
    std::unique_ptr<QTemporaryDir> m_ownRun;
};
