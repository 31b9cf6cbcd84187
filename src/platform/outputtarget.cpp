#include "platform/outputtarget.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many symbolic links as the system itself follows in one path.
constexpr int MaxLinks = 40;

// The descriptor a path of the kernel's descriptor folders names: /dev/fd/N, /proc/self/fd/N
// and /proc/PID/fd/N of this process. Opening such a path would open the file anew, at its
// start, and truncate it; a shell's "> /dev/stdout" writes through the descriptor instead.
std::optional<int> DescriptorNamed(const QString &path)
{
    static const QRegularExpression folders(
        QStringLiteral("^/(?:dev/fd|proc/self/fd|proc/thread-self/fd|proc/(\\d+)/fd)/(\\d{1,9})$"));
    const QRegularExpressionMatch match = folders.match(path);
    if (!match.hasMatch())
        return std::nullopt;
    if (!match.captured(1).isEmpty() && match.captured(1).toLongLong() != ::getpid())
        return std::nullopt;
    return match.captured(2).toInt();
}

} // namespace

OutputTarget OutputTargetOf(const QString &path)
{
    QString current = path;
    for (int link = 0; link <= MaxLinks; ++link) {
        if (const auto descriptor = DescriptorNamed(current))
            return {OutputTarget::Kind::Descriptor, current, *descriptor};
        struct stat status;
        if (::lstat(QFile::encodeName(current).constData(), &status) != 0)
            return {OutputTarget::Kind::Replace, current}; // a new file (or a folder that is missing)
        if (S_ISLNK(status.st_mode)) {
            current = QFileInfo(current).symLinkTarget();
            continue;
        }
        // A folder is "replaced" too: that fails, and says so.
        const bool replace = S_ISREG(status.st_mode) || S_ISDIR(status.st_mode);
        return {replace ? OutputTarget::Kind::Replace : OutputTarget::Kind::InPlace, current};
    }
    // A loop of links: opening the path itself reports it.
    return {OutputTarget::Kind::InPlace, path};
}

bool OpenInPlace(QFile &file, const OutputTarget &target, QString *error)
{
    if (target.kind == OutputTarget::Kind::Descriptor) {
        // A copy of the descriptor shares its file position, and closing it leaves the original open.
        const int copy = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 3);
        if (copy < 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (file.open(copy, QIODevice::WriteOnly, QFile::AutoCloseHandle))
            return true;
        ::close(copy);
    } else {
        file.setFileName(target.path);
        if (file.open(QIODevice::WriteOnly))
            return true;
    }
    *error = file.errorString();
    return false;
}
