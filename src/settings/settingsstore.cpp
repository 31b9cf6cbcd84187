#include "settings/settingsstore.h"

#include <QSettings>

namespace settings {

std::unique_ptr<QSettings> OpenSettingsStore(const QString &iniFile)
{
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("Tidemark"), QStringLiteral("Tidemark"));
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

} // namespace settings
