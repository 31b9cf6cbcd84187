#include "platform/runtimefolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder as Qt requires it: a folder (not a link to one), the user's own, 0700.
bool IsOwnRuntimeFolder(const QByteArray &path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 07777) == S_IRWXU;
}

} // namespace

FallbackRuntimeFolder::FallbackRuntimeFolder()
{
    if (IsOwnRuntimeFolder(qgetenv("XDG_RUNTIME_DIR")))
        return;
    const QDir temporary(QDir::tempPath());
    const QByteArray kept =
        QFile::encodeName(temporary.filePath(QStringLiteral("tidemark-runtime-%1").arg(::geteuid())));
    // Made 0700 where it is missing; the check then holds for a folder made by anyone else.
    ::mkdir(kept.constData(), S_IRWXU);
    if (IsOwnRuntimeFolder(kept)) {
        qputenv("XDG_RUNTIME_DIR", kept);
        return;
    }
    // mkdtemp makes it 0700, under a name nobody could have taken before.
    auto ownRun = std::make_unique<QTemporaryDir>(temporary.filePath(QStringLiteral("tidemark-XXXXXX")));
    if (!ownRun->isValid())
        return;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ownRun->path()));
    m_ownRun = std::move(ownRun);
}
