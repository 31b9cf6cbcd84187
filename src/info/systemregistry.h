#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class Alerts;

// The About window's System Info button reads two values of the system registry, tests that a
// file exists and starts a program. SystemRegistry carries just those operations, so that the
// button works on every platform and can be driven in tests with a fake.
namespace info {

// The registry's number for the root key HKEY_LOCAL_MACHINE.
inline constexpr quint32 HkeyLocalMachine = 0x80000002;

// Value types as the registry numbers them.
inline constexpr quint32 RegString = 1; // REG_SZ
inline constexpr quint32 RegNumber = 4; // REG_DWORD, 32 bits, low byte first

struct RegistryValue
{
    quint32 type = 0;
    QByteArray data; // the value's bytes as stored
    bool operator==(const RegistryValue &) const = default;
};

class SystemRegistry
{
public:
    virtual ~SystemRegistry() = default;
    // One value of a key under a root key; nullopt when the key cannot be opened or holds no
    // such value. The key is closed again before this returns.
    [[nodiscard]] virtual std::optional<RegistryValue> queryValue(quint32 root, const QString &key,
                                                                  const QString &valueName) const = 0;
    [[nodiscard]] virtual bool fileExists(const QString &path) const = 0;
    // Starts a program in a normal, focused window; false when it cannot be started.
    virtual bool startProgram(const QString &path) = 0;
};

// Reads one value as text into `keyValue` and says whether it could be read. A string is taken
// up to its first NUL; a number is written in decimal; a value of any other type leaves
// `keyValue` as it was (and still counts as read). A value that does not fit the 1024-byte
// buffer cannot be read.
bool GetKeyValue(const SystemRegistry &registry, quint32 root, const QString &keyName,
                 const QString &valueName, QString &keyValue);

// The System Info button: starts the program that the registry names, or, failing that, tells
// the user that System Information is unavailable.
void StartSysInfo(SystemRegistry &registry, Alerts &alerts);

} // namespace info
