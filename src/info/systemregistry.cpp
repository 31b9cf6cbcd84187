#include "info/systemregistry.h"

#include "platform/alerts.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace info {

namespace {

constexpr qsizetype KeyValueBufferSize = 1024;

} // namespace

bool GetKeyValue(const SystemRegistry &registry, quint32 root, const QString &keyName,
                 const QString &valueName, QString &keyValue)
{
    const std::optional<RegistryValue> value = registry.queryValue(root, keyName, valueName);
    if (!value || value->data.size() > KeyValueBufferSize) {
        keyValue.clear();
        return false;
    }
    if (value->type == RegString) {
        const qsizetype nul = value->data.indexOf('\0');
        keyValue = QString::fromUtf8(nul < 0 ? value->data : value->data.left(nul));
    } else if (value->type == RegNumber) {
        // Read as the 32-bit number it is: cutting the bytes at a NUL or turning each byte into
        // hexadecimal digits on its own would change any number with a zero or a small byte.
        std::array<uchar, 4> bytes{};
        std::copy_n(value->data.constBegin(), std::min<qsizetype>(value->data.size(), 4), bytes.begin());
        keyValue = QString::number(qFromLittleEndian<quint32>(bytes.data()));
    }
    return true;
}

void StartSysInfo(SystemRegistry &registry, Alerts &alerts)
{
    QString path;
    if (GetKeyValue(registry, HkeyLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), path)) {
        if (registry.startProgram(path))
            return;
    } else if (GetKeyValue(registry, HkeyLocalMachine,
                           QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), path)) {
        const QString program = path + QStringLiteral("\\MSINFO32.EXE");
        if (registry.fileExists(program) && registry.startProgram(program))
            return;
    }
    alerts.plain(QStringLiteral("Tidemark"),
                 QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace info
