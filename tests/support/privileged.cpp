#include "support/privileged.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

bool OnCi()
{
    return qEnvironmentVariable("CI").compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

TmpfsMount::TmpfsMount(QString folder, qint64 sizeBytes)
    : m_folder(std::move(folder))
{
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs", 0, options.constData()) != 0)
        m_error = QStringLiteral("needs root to mount a tmpfs on %1 (%2)")
                      .arg(m_folder, QString::fromLocal8Bit(std::strerror(errno)));
}

TmpfsMount::~TmpfsMount()
{
    if (!isMounted())
        return;
    const QByteArray path = QFile::encodeName(m_folder);
    // A file still open inside keeps the mount busy; detach it then, it goes when the file closes.
    if (::umount2(path.constData(), 0) != 0)
        ::umount2(path.constData(), MNT_DETACH);
}

bool TmpfsMount::remountReadOnly()
{
    return isMounted() && ::mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs",
                                  MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool TmpfsMount::fill()
{
    QFile filler(QDir(m_folder).filePath(QStringLiteral("filler")));
    if (!isMounted() || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    return filler.error() != QFileDevice::NoError;
}
