#pragma once

#include "info/systemregistry.h"

#include <QStringList>

namespace info {

// The system-information programs looked for, in order of preference.
[[nodiscard]] QStringList DefaultSysInfoPrograms();

// The registry of a system without one (Linux and the like). Only the value that names the
// System Information program resolves: "PATH" of the key "SOFTWARE\Microsoft\Shared Tools\MSINFO"
// under HKEY_LOCAL_MACHINE gives the first of `programs` found on the search path. Every other value
// is missing, so where no such program is installed System Info says it is unavailable.
class PathSystemRegistry final : public SystemRegistry
{
public:
    // `searchPaths` empty means the PATH of the environment.
    explicit PathSystemRegistry(QStringList programs = DefaultSysInfoPrograms(),
                                QStringList searchPaths = {});

    [[nodiscard]] std::optional<RegistryValue> queryValue(quint32 root, const QString &key,
                                                          const QString &valueName) const override;
    [[nodiscard]] bool fileExists(const QString &path) const override;
    bool startProgram(const QString &path) override;

private:
    QStringList m_programs;
    QStringList m_searchPaths;
};

} // namespace info
