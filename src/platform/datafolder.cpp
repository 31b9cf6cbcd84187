#include "platform/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString DefaultDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PrepareDataFolder(const QString &folder)
{
    if (folder.isEmpty())
        return QStringLiteral("No folder for the program's files could be found.");
    if (!QDir().mkpath(folder))
        return QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder));
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("The folder %1 cannot be written to.").arg(QDir::toNativeSeparators(folder));
    return {};
}
