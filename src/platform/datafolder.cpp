#include "platform/datafolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtGlobal>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder holds people's names and birthdates: only its owner may look inside.
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions Others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// Whether a text holds both upper- and lower-case letters. The six random letters of a save file
// do after their first in fifteen names of sixteen; an ending a person gives a copy (backup,
// BACKUP, Backup) does not, and such a file is left alone.
bool MixesCase(QStringView text)
{
    const auto upper = [](QChar c) { return c.isUpper(); };
    const auto lower = [](QChar c) { return c.isLower(); };
    return std::any_of(text.begin(), text.end(), upper) && std::any_of(text.begin(), text.end(), lower);
}

} // namespace

QString DefaultDataFolder()
{
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return shared.isEmpty() ? QString() : QDir(shared).filePath(QStringLiteral("Tidemark"));
}

QString OldDataFolder()
{
    const QString folder = DefaultDataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("Tidemark"));
}

QString MoveDataFiles(const QString &oldFolder, const QString &folder, const QStringList &names,
                      Wording words)
{
    if (oldFolder.isEmpty() || !QFileInfo(oldFolder).isDir())
        return {};
    QString firstError;
    for (const QString &name : names) {
        const QString from = QDir(oldFolder).filePath(name);
        const QString to = QDir(folder).filePath(name);
        // An empty file there holds nothing: a start whose move failed made it, and the old
        // file's content takes its place. Anything else is kept (QFile::rename never replaces).
        const QFileInfo there(to);
        if (there.exists() && there.size() == 0 && QFileInfo(from).size() > 0)
            QFile::remove(to);
        if (QFileInfo::exists(to) || !QFileInfo::exists(from) || QFile::rename(from, to) ||
            !firstError.isEmpty())
            continue;
        //: %1 is the file's path, %2 the folder it was to move to
        firstError = words("DataFolderMessages",
                           QT_TRANSLATE_NOOP("DataFolderMessages", "The file %1 could not be moved to %2."))
                         .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(folder));
    }
    QDir().rmdir(oldFolder);
    return firstError;
}

QString PrepareDataFolder(const QString &folder, Wording words)
{
    if (folder.isEmpty())
        return words(
            "DataFolderMessages",
            QT_TRANSLATE_NOOP("DataFolderMessages", "No folder for the program's files could be found."));
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (!QDir().mkpath(info.absolutePath()) || !QDir().mkdir(folder, OwnerOnly))
            //: %1 is the folder's path
            return words("DataFolderMessages",
                         QT_TRANSLATE_NOOP("DataFolderMessages", "The folder %1 could not be created."))
                .arg(QDir::toNativeSeparators(folder));
    } else if (const QFile::Permissions permissions = info.permissions(); permissions & Others) {
        // A folder made by an earlier version is open to everybody. Where it cannot be narrowed
        // (a read-only disk, another owner) the checks below and the files' own modes still hold.
        QFile::setPermissions(folder, permissions & OwnerOnly);
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    if (!probe.open())
        //: %1 is the folder's path
        return words("DataFolderMessages",
                     QT_TRANSLATE_NOOP("DataFolderMessages", "The folder %1 cannot be written to."))
            .arg(QDir::toNativeSeparators(folder));
    return {};
}

void RemoveStaleSaveFiles(const QString &folder, const QStringList &names, const QDateTime &now)
{
    constexpr qint64 StaleSeconds = qint64(10) * 60;
    QStringList quoted;
    for (const QString &name : names)
        quoted.append(QRegularExpression::escape(name));
    const QRegularExpression saveFileName(QRegularExpression::anchoredPattern(
        u'(' + quoted.join(u'|') + QStringLiteral(")\\.([A-Za-z0-9]{6})")));
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch match = saveFileName.match(file.fileName());
        if (match.hasMatch() && MixesCase(match.capturedView(2).sliced(1)) &&
            file.lastModified().secsTo(now) > StaleSeconds)
            QFile::remove(file.filePath());
    }
}

bool OpenOwnFile(QFile &file)
{
    const QByteArray path = QFile::encodeName(file.fileName());
    // Without O_NONBLOCK, opening a named pipe for writing waits for a reader.
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    // Only once it is known to be a regular file is anything emptied.
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || ::fchmod(fd, S_IRUSR | S_IWUSR) != 0 ||
        ::ftruncate(fd, 0) != 0 || !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
