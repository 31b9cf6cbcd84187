#include "info/pathsystemregistry.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace info {

QStringList DefaultSysInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor")};
}

PathSystemRegistry::PathSystemRegistry(QStringList programs, QStringList searchPaths)
    : m_programs(std::move(programs))
    , m_searchPaths(std::move(searchPaths))
{}

std::optional<RegistryValue> PathSystemRegistry::queryValue(quint32 root, const QString &key,
                                                            const QString &valueName) const
{
    // Registry names are compared without regard to letter case.
    if (root != HkeyLocalMachine ||
        key.compare(QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), Qt::CaseInsensitive) != 0 ||
        valueName.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const QString &program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program, m_searchPaths);
        if (!path.isEmpty())
            return RegistryValue{RegString, path.toUtf8()};
    }
    return std::nullopt;
}

bool PathSystemRegistry::fileExists(const QString &path) const
{
    return QFileInfo(path).isFile();
}

bool PathSystemRegistry::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}

} // namespace info
