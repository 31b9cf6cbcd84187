#include "info/systeminfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace info {

bool StartSystemInfo(const SystemInfoSearch &search)
{
    for (const QString &program : search.programs) {
        const QString path = QStandardPaths::findExecutable(program, search.folders);
        if (!path.isEmpty())
            return QProcess::startDetached(path, {});
    }
    return false;
}

} // namespace info
