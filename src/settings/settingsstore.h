#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace settings {

// The per-user settings store (organisation and application "Tidemark"), which keeps the window's
// placement and the graph's look; or, when `iniFile` is not empty, that ini file in its place.
[[nodiscard]] std::unique_ptr<QSettings> OpenSettingsStore(const QString &iniFile);

} // namespace settings
